#pragma once
// frmMsgNowLoading without the toolkit: the small yellow notice that asks the
// user to wait while the calendar month view loads its Moon images the first
// time it opens. The Qt window mirrors these values.
#include <cstdint>
#include <string>
#include <string_view>

#include "support/colour.h"

namespace orbel {

struct NoticePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const NoticePoint&, const NoticePoint&) = default;
};

inline constexpr std::string_view NowLoadingTitle = "One moment please";
inline constexpr std::string_view NowLoadingText = "Now loading images ...";
inline constexpr Rgb NowLoadingBackColour{255, 255, 0};

class NowLoadingNotice {
public:
    // The window's properties.
    std::string caption;
    Rgb backColour{};
    bool visible = false;
    NoticePoint position;  // screen position of the window's top-left corner
    // Label1: its text, colour and horizontal extent inside the window.
    std::string label1Caption;
    Rgb label1BackColour{};
    int label1Left = 0;
    int label1Width = 0;

    // cmdDisplayCalendar, before it opens the month view. When the view has
    // not loaded its images yet, sets the properties and shows the notice over
    // the move frame: at `mainWindow` (the main window's position) plus
    // `moveFrame` (fraMove's position inside it), with the label as wide as
    // `innerWidth`, the notice's inner width. Returns whether it was shown.
    bool ShowIfImagesNotLoaded(NoticePoint mainWindow, NoticePoint moveFrame, int innerWidth);

    // The month view, at the end of its loading: hides the notice and
    // remembers that the images are loaded, so it is never shown again.
    void ImagesLoaded();

    bool imagesLoaded() const { return imagesLoaded_; }

private:
    bool imagesLoaded_ = false;
};

}  // namespace orbel
