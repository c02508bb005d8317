#include "ui/frm_help.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/text_window.h"

namespace orbel {

namespace {

void BringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

FrmHelp::FrmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    txbHelp = MakeReadOnlyText(this, "txbHelp");
    cmdCredits = new QPushButton(this);
    cmdCredits->setObjectName("cmdCredits");
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName("cmdClose");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCredits);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txbHelp);
    layout->addLayout(buttons);
    resize(640, 560);
    connect(cmdCredits, &QPushButton::clicked, this, &FrmHelp::cmdCredits_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    Mirror();
}

void FrmHelp::Mirror() {
    setWindowTitle(QString::fromStdString(model_.caption));
    ShowReadOnlyText(txbHelp, model_.txbHelp.text);
    cmdCredits->setText(QString::fromStdString(model_.cmdCredits.caption));
    cmdClose->setText(QString::fromStdString(model_.cmdClose.caption));
}

void FrmHelp::cmdCredits_Click() {
    if (!credits_) credits_ = new FrmCredits(this);
    BringForward(credits_);
}

void FrmHelp::closeEvent(QCloseEvent* event) {
    if (credits_) credits_->close();
    QWidget::closeEvent(event);
}

FrmHelp* ShowHelp(QWidget* parent) {
    static QPointer<FrmHelp> unowned;
    FrmHelp* help = parent ? parent->findChild<FrmHelp*>(QString(), Qt::FindDirectChildrenOnly) : unowned.data();
    if (!help) {
        help = new FrmHelp(parent);
        if (!parent) {
            help->setAttribute(Qt::WA_DeleteOnClose);
            unowned = help;
        }
    }
    BringForward(help);
    return help;
}

}  // namespace orbel
