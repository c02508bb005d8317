#include "views/calendar_export_window.h"

#include <algorithm>
#include <cmath>

#include "dates/day_numbers.h"
#include "support/checked_writer.h"
#include "engine/chinese_calendar.h"
#include "views/calendar_file.h"

namespace orbel {

namespace {

constexpr std::string_view CalendarFileFilter = "iCalendar file (*.ics)";

std::optional<int64_t> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size() || !std::all_of(text.begin() + static_cast<long>(i), text.end(), ::isdigit))
        return std::nullopt;
    return std::stoll(text);
}

std::string Trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

CalendarExportWindowModel::CalendarExportWindowModel(UserPort& p)
    : calendarStamp([] { return CurrentCalendarStamp(); }), port(p) {
    lblKinds.caption = "Events:";
    for (size_t i = 0; i < chkKinds.size(); ++i) chkKinds[i].caption = std::string(ExportKindNames[i].label);
    chkKinds[0].value = true;
    lblFirstYear.caption = "From the year (CE):";
    lblYears.caption = "Number of years:";
    txbYears.text = std::to_string(DefaultExportYears);
    lblTitle.caption = "Title of the anniversary:";
    txbTitle.toolTip = "Left empty, the title names the lunar date";
    lblNote.caption = "Note:";
    lblMissing.caption = "In a year without the date:";
    cboMissing.SetItems({"the day before (the 29th; the last day of the ordinary month)",
                         "the ordinary month (the 29th for a 30th) — the default", "leave the year out"});
    cboMissing.listIndex = static_cast<int>(DefaultMissingDate);
    chkAlarm.caption = "Remind me, days before:";
    txbAlarmDays.text = "1";
    lblAlarmAt.caption = "at";
    txbAlarmTime.text = "09:00";
    txbAlarmDays.enabled = txbAlarmTime.enabled = false;
    cmdExport.caption = "Export...";
    cmdClose.caption = "Close";
}

void CalendarExportWindowModel::Form_Load() {
    visible = true;
    if (readMainWindow) moment = readMainWindow();
    date = ChlDate{};
    const std::string chl = moment.chlText.substr(0, moment.chlText.find(" CHL") + 4);
    if (!parseChl || !parseChl(chl, date)) date = ChlDate{};
    lblDate.caption = date.valid ? "Lunar date: " + chl : "Lunar date: none (the main window shows no valid lunar date)";
    EuroDate ce;
    ce.letter = 'G';
    ce.jdn = static_cast<int32_t>(std::floor(moment.ajd + 0.5));
    JDNToEuroDate(ce);
    // The anniversaries begin with the nian of the date shown.
    txbFirstYear.text = std::to_string(date.valid ? YearOfCycle(date.cycle, date.position, date.epoch) : ce.year);
    lblResult.caption.clear();
}

void CalendarExportWindowModel::ChooseAnniversaryOnly() {
    for (size_t i = 0; i < chkKinds.size(); ++i) chkKinds[i].value = i == 0;
    chkKinds_Click();
}

void CalendarExportWindowModel::chkKinds_Click() {
    const bool on = chkKinds[0].value;
    txbTitle.enabled = txbNote.enabled = cboMissing.enabled = chkAlarm.enabled = on;
    chkAlarm_Click();
}

void CalendarExportWindowModel::chkAlarm_Click() {
    txbAlarmDays.enabled = txbAlarmTime.enabled = chkAlarm.value && chkAlarm.enabled;
}

ExportChoice CalendarExportWindowModel::Choice(std::string& error) const {
    ExportChoice c;
    for (size_t i = 0; i < chkKinds.size(); ++i)
        if (chkKinds[i].value) c.kinds.push_back(ExportKindNames[i].kind);
    c.settings = moment.settings;
    c.country = moment.country;
    c.names = chosenNames();
    c.date = date;
    c.title = Trimmed(txbTitle.text);
    c.note = Trimmed(txbNote.text);
    c.missing = static_cast<MissingDate>(std::clamp(cboMissing.listIndex, 0, 2));
    const auto first = WholeNumber(Trimmed(txbFirstYear.text));
    const auto years = WholeNumber(Trimmed(txbYears.text));
    if (!first) return error = "The first year must be a whole number.", c;
    if (!years) return error = "The number of years must be a whole number.", c;
    c.firstYear = static_cast<int32_t>(*first);
    c.years = static_cast<int>(*years);
    if (chkAlarm.value) {
        c.alarm = ParseExportAlarm(Trimmed(txbAlarmDays.text) + "@" + Trimmed(txbAlarmTime.text));
        if (!c.alarm)
            return error = "The reminder needs a number of days from 0 to 365 and a time HH:MM, as 1 and 09:00.", c;
    }
    const bool anniversary = std::ranges::find(c.kinds, ExportKind::Anniversary) != c.kinds.end();
    if (anniversary && !date.valid) return error = "Lunar date is invalid.", c;
    error = CheckExportChoice(c);
    return c;
}

void CalendarExportWindowModel::cmdExport_Click() {
    std::string error;
    const ExportChoice choice = Choice(error);
    if (!error.empty()) {
        lblResult.caption = error;
        port.ShowMessage(CalendarExportTitle, error, MessageIcon::Exclamation);
        return;
    }
    const ExportResult result = BuildCalendarExport(choice);
    if (result.events.empty()) {
        lblResult.caption = "No event of this choice lies in the years 1 to 9999 CE; no file was written.";
        port.ShowMessage(CalendarExportTitle, lblResult.caption, MessageIcon::Exclamation);
        return;
    }
    const std::string path = port.AskSaveFileName(CalendarExportTitle, "orbel.ics", CalendarFileFilter);
    if (path.empty()) return;
    const FileWriteResult written = WriteFileChecked(path, CalendarExportText(result, calendarStamp()));
    if (!written.ok) {
        const std::string text = "The calendar file " + path + " could not be written: " + written.error + ".";
        lblResult.caption = text;
        port.ShowMessage(CalendarExportTitle, text, MessageIcon::Exclamation);
        return;
    }
    eventsWritten = static_cast<int>(result.events.size());
    lblResult.caption = "Wrote " + std::to_string(eventsWritten) + " events to " + path + ".";
    if (result.outsideEra > 0)
        lblResult.caption += " " + std::to_string(result.outsideEra) + " year" + (result.outsideEra > 1 ? "s" : "") +
                             " outside 1–9999 CE left out.";
    if (result.leftOutYears > result.outsideEra)
        lblResult.caption += " " + std::to_string(result.leftOutYears - result.outsideEra) +
                             " year(s) without the date left out.";
}

void CalendarExportWindowModel::cmdClose_Click() { visible = false; }

}  // namespace orbel
