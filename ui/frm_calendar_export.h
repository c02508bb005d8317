#pragma once
// The "Export to calendar" window: a thin Qt view over
// CalendarExportWindowModel.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <functional>
#include <vector>

#include "ui/acting_window.h"
#include "views/calendar_export_window.h"

namespace orbel {

class FrmCalendarExport : public ActingWindow {
    Q_OBJECT
public:
    // `model` must outlive the window.
    explicit FrmCalendarExport(CalendarExportWindowModel& model);

    void Mirror() override;

    std::array<QCheckBox*, 5> chkKinds{};
    QLineEdit *txbFirstYear, *txbYears, *txbTitle, *txbNote, *txbAlarmDays, *txbAlarmTime;
    QCheckBox* chkAlarm;
    QComboBox* cboMissing;
    QLabel* lblResult;
    QPushButton *cmdExport, *cmdClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CalendarExportWindowModel& model_;
    std::vector<std::function<void()>> mirrors_;
};

}  // namespace orbel
