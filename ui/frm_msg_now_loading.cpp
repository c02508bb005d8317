#include "ui/frm_msg_now_loading.h"

#include <QPalette>

namespace orbel {
namespace {

void Paint(QWidget* w, Rgb colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    palette.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

}  // namespace

FrmMsgNowLoading::FrmMsgNowLoading(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("frmMsgNowLoading");
    setFixedSize(InnerWidth, InnerHeight);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
}

void FrmMsgNowLoading::Mirror(const NowLoadingNotice& notice) {
    setWindowTitle(QString::fromStdString(notice.caption));
    Paint(this, notice.backColour);
    Paint(Label1, notice.label1BackColour);
    Label1->setText(QString::fromStdString(notice.label1Caption));
    Label1->setGeometry(notice.label1Left, 0, notice.label1Width, InnerHeight);
    move(notice.position.x, notice.position.y);
    setVisible(notice.visible);
}

}  // namespace orbel
