#pragma once
// The "Export to calendar" window without a screen: which kinds of event go
// into one calendar file, for how many years, and the anniversary's title,
// note, reminder and what it becomes in a year that lacks its date. The Qt
// window mirrors these fields and forwards its events to the procedures.
#include <array>
#include <functional>
#include <string>

#include "services/chinese_records.h"
#include "support/controls.h"
#include "support/user_port.h"
#include "views/calendar_export.h"
#include "views/displayed_moment.h"

namespace orbel {

inline constexpr std::string_view CalendarExportTitle = "Export to calendar";

class CalendarExportWindowModel {
public:
    explicit CalendarExportWindowModel(UserPort& port);

    // --- Main window's view ------------------------------------------------------
    std::function<DisplayedMoment()> readMainWindow;
    std::function<bool(std::string_view, ChlDate&)> parseChl;
    // The DTSTAMP of the files; the system clock by default.
    std::function<std::string()> calendarStamp;
    // The words of the titles, as the main window chose them.
    std::function<Names()> chosenNames = [] { return Names::English; };

    // --- Procedures ----------------------------------------------------------------
    // Reads the displayed lunar date and year; keeps the other choices.
    void Form_Load();
    // Ticks the anniversary alone (the data window opens the window so).
    void ChooseAnniversaryOnly();
    // A kind ticked or unticked: the anniversary's own fields are enabled
    // while it is ticked.
    void chkKinds_Click();
    void chkAlarm_Click();
    // Asks for the file and writes it; the outcome goes to lblResult.
    void cmdExport_Click();
    void cmdClose_Click();

    // The choice the controls hold; empty `error` when it is complete.
    ExportChoice Choice(std::string& error) const;

    // --- State -----------------------------------------------------------------------
    UserPort& port;
    std::string caption{CalendarExportTitle};
    bool visible = false;
    ChlDate date;  // the displayed lunar date, read by Form_Load
    DisplayedMoment moment;

    Label lblDate, lblKinds, lblFirstYear, lblYears, lblTitle, lblNote, lblMissing, lblAlarmAt, lblResult;
    std::array<CheckBox, 5> chkKinds;  // in the order of ExportKindNames
    TextBox txbFirstYear, txbYears, txbTitle, txbNote, txbAlarmDays, txbAlarmTime;
    CheckBox chkAlarm;
    ComboBox cboMissing;  // in the order of MissingDate
    Button cmdExport, cmdClose;
    int eventsWritten = -1;  // of the last file written, -1 before
};

}  // namespace orbel
