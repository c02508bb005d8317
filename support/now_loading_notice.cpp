#include "support/now_loading_notice.h"

namespace orbel {

bool NowLoadingNotice::ShowIfImagesNotLoaded(NoticePoint mainWindow, NoticePoint moveFrame, int innerWidth) {
    if (imagesLoaded_) return false;
    caption = NowLoadingTitle;
    backColour = NowLoadingBackColour;
    label1Caption = NowLoadingText;
    label1BackColour = NowLoadingBackColour;
    label1Left = 0;
    label1Width = innerWidth;
    position = NoticePoint{mainWindow.x + moveFrame.x, mainWindow.y + moveFrame.y};
    visible = true;
    return true;
}

void NowLoadingNotice::ImagesLoaded() {
    visible = false;
    imagesLoaded_ = true;
}

}  // namespace orbel
