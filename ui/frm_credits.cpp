#include "ui/frm_credits.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/text_window.h"

namespace orbel {

FrmCredits::FrmCredits(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmCredits");
    txbCredits = MakeReadOnlyText(this, "txbCredits");
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName("cmdClose");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txbCredits);
    layout->addLayout(buttons);
    resize(560, 480);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    Mirror();
}

void FrmCredits::Mirror() {
    setWindowTitle(QString::fromStdString(model_.caption));
    ShowReadOnlyText(txbCredits, model_.txbCredits.text);
    cmdClose->setText(QString::fromStdString(model_.cmdClose.caption));
}

}  // namespace orbel
