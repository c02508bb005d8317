#pragma once
// frmMsgNowLoading: the small yellow notice shown over the main window's move
// frame while the calendar month view loads its Moon pictures the first
// time. It mirrors a NowLoadingNotice.
#include <QLabel>
#include <QWidget>

#include "support/now_loading_notice.h"

namespace orbel {

class FrmMsgNowLoading : public QWidget {
public:
    explicit FrmMsgNowLoading(QWidget* parent = nullptr);
    void Mirror(const NowLoadingNotice& notice);

    // The inner size of the notice, in pixels.
    static constexpr int InnerWidth = 280;
    static constexpr int InnerHeight = 48;

    QLabel* Label1;
};

}  // namespace orbel
