#include "ui/frm_calendar_export.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "support/qt_text.h"
#include "ui/widget_maker.h"

namespace orbel {

FrmCalendarExport::FrmCalendarExport(CalendarExportWindowModel& model)
    : ActingWindow(nullptr, Qt::Window), model_(model) {
    setObjectName("frmCalendarExport");
    CalendarExportWindowModel& m = model_;
    WidgetMaker make(this, mirrors_);
    auto* lblDate = make.Label("lblDate", m.lblDate);
    auto* lblKinds = make.Label("lblKinds", m.lblKinds);
    for (size_t i = 0; i < chkKinds.size(); ++i)
        chkKinds[i] = make.Check(QStringLiteral("chkKinds_%1").arg(i), m.chkKinds[i]);
    txbFirstYear = make.LineEdit("txbFirstYear", m.txbFirstYear);
    txbYears = make.LineEdit("txbYears", m.txbYears);
    txbTitle = make.LineEdit("txbTitle", m.txbTitle);
    txbNote = make.LineEdit("txbNote", m.txbNote);
    chkAlarm = make.Check("chkAlarm", m.chkAlarm);
    txbAlarmDays = make.LineEdit("txbAlarmDays", m.txbAlarmDays);
    txbAlarmTime = make.LineEdit("txbAlarmTime", m.txbAlarmTime);
    auto* lblAlarmAt = make.Label("lblAlarmAt", m.lblAlarmAt);
    cboMissing = make.Combo("cboMissing", m.cboMissing);
    lblResult = make.Label("lblResult", m.lblResult);
    lblResult->setWordWrap(true);
    cmdExport = make.Button("cmdExport", m.cmdExport);
    cmdClose = make.Button("cmdClose", m.cmdClose);
    txbAlarmDays->setMaximumWidth(60);
    txbAlarmTime->setMaximumWidth(80);

    for (size_t i = 0; i < chkKinds.size(); ++i)
        connect(chkKinds[i], &QCheckBox::clicked, this, [this, i](bool on) { Act([this, i, on] {
            model_.chkKinds[i].value = on;
            model_.chkKinds_Click();
        }); });
    connect(chkAlarm, &QCheckBox::clicked, this, [this](bool on) {
        Act([this, on] {
            model_.chkAlarm.value = on;
            model_.chkAlarm_Click();
        });
    });
    const auto typed = [this](QLineEdit* w, TextBox& box) {
        connect(w, &QLineEdit::textEdited, this, [&box](const QString& text) { box.text = text.toStdString(); });
    };
    typed(txbFirstYear, m.txbFirstYear);
    typed(txbYears, m.txbYears);
    typed(txbTitle, m.txbTitle);
    typed(txbNote, m.txbNote);
    typed(txbAlarmDays, m.txbAlarmDays);
    typed(txbAlarmTime, m.txbAlarmTime);
    connect(cboMissing, &QComboBox::activated, this, [this](int index) { Act([this, index] { model_.cboMissing.listIndex = index; }); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdExport_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdClose_Click(); }); });

    auto* all = new QVBoxLayout(this);
    all->addWidget(lblDate);
    all->addWidget(lblKinds);
    auto* kinds = new QHBoxLayout;
    for (QCheckBox* c : chkKinds) kinds->addWidget(c);
    kinds->addStretch();
    all->addLayout(kinds);
    auto* form = new QFormLayout;
    form->addRow(make.Label("lblFirstYear", m.lblFirstYear), txbFirstYear);
    form->addRow(make.Label("lblYears", m.lblYears), txbYears);
    form->addRow(make.Label("lblTitle", m.lblTitle), txbTitle);
    form->addRow(make.Label("lblNote", m.lblNote), txbNote);
    form->addRow(make.Label("lblMissing", m.lblMissing), cboMissing);
    auto* alarm = new QHBoxLayout;
    alarm->addWidget(txbAlarmDays);
    alarm->addWidget(lblAlarmAt);
    alarm->addWidget(txbAlarmTime);
    alarm->addStretch();
    form->addRow(chkAlarm, alarm);
    all->addLayout(form);
    all->addWidget(lblResult);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClose);
    all->addLayout(buttons);
    setMinimumWidth(640);
    Mirror();
}

void FrmCalendarExport::Mirror() {
    setWindowTitle(ToQString(model_.caption));
    for (const auto& mirror : mirrors_) mirror();
    MirrorShown(model_.visible);
}

void FrmCalendarExport::closeEvent(QCloseEvent* event) {
    event->ignore();
    Act([this] { model_.cmdClose_Click(); });
}

}  // namespace orbel
