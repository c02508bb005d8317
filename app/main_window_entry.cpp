// Date entry on the main window: the date and time boxes, the zone, element
// and animal lists and the calendar in force turned into one moment.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "app/main_window_model.h"

#include "dates/date_entry.h"
#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"

namespace orbel {

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The element-animal the drop-downs give a "?" position, in the words of the
// date-string library (the China animal words); empty for the blank items.
std::string ElementAnimalSuffix(int element, int animal) {
    const auto& animals = AnimalNameList(CountryChina);
    std::string text = " ";
    if (element >= 0 && element < ElementCount) text += ElementNameList[static_cast<size_t>(element)];
    text += "-";
    if (animal >= 0 && animal < AnimalCount) text += animals[static_cast<size_t>(animal)];
    return text;
}

// The text without blanks and commas.
std::string Squeezed(std::string s) {
    std::erase(s, ',');
    std::erase(s, ' ');
    return s;
}

// Day counts take one minus sign at most; other dates take only hyphens as
// separators; no date carries its time.
int16_t SeparatorError(const std::string& s) {
    const bool dayCount = Contains(s, "CJDC") || Contains(s, "CJDL") || Contains(s, "AJD");
    if (dayCount) {
        if (std::count(s.begin(), s.end(), '-') > 1) return DateErrorBadDayCount;
    } else if (Contains(s, "/") || Contains(s, ".")) {
        return DateErrorSeparator;
    }
    return Contains(s, ":") ? DateErrorTimeInDate : DateErrorNone;
}

// The overseas Chinese year written as cycle and year of cycle: 4709-1-1 is
// 79-29-1-1 under the epoch -2696. Nothing when the text has no year of at
// most nine digits before its first hyphen.
std::optional<std::string> OverseasYearAsCycle(const std::string& d, int16_t epoch) {
    const size_t dash = d.find('-');
    if (dash == std::string::npos) return std::nullopt;
    std::string digits;
    for (size_t i = 0; i < dash; ++i)
        if (std::isdigit(static_cast<unsigned char>(d[i]))) digits += d[i];
    if (digits.size() > 9) return std::nullopt;
    CyclePosition cp = OverseasYearToCycle(digits.empty() ? 0 : std::stoi(digits));
    // The overseas year counts cycles from -2696; the other epoch numbers the
    // same cycle one lower.
    if (epoch == -2636) cp.cycle -= 1;
    return std::to_string(cp.cycle) + "-" + std::to_string(cp.position) + d.substr(dash);
}

}  // namespace

void MainWindowModel::ShowDateError(int16_t code) {
    const std::string text = DateErrorMessage(code, state.IsChina);
    if (!text.empty()) port.ShowMessage(DateErrorTitle, text, MessageIcon::Exclamation);
}

bool MainWindowModel::CheckDateRange(double ajd) {
    if (ajd < state.EarliestAJD) {
        port.ShowMessage(DateOutOfRangeTitle, DateTooEarlyText, MessageIcon::Exclamation);
        return true;
    }
    if (ajd > state.LatestAJD) {
        port.ShowMessage(DateOutOfRangeTitle, DateTooLateText, MessageIcon::Exclamation);
        return true;
    }
    return false;
}

int16_t MainWindowModel::ParseTime(std::string_view text) {
    std::string t(text);
    std::replace(t.begin(), t.end(), '.', ':');
    txbTime.text = t;
    return ParseTimeText(t);
}

int16_t MainWindowModel::ParserFailure(int16_t code) {
    // A missing date-string library is no fault of the text typed: say so
    // first, then the entry is refused as unreadable.
    const std::string why = parserError();
    if (why.empty()) return code;
    port.ShowMessage("Date-string library", why, MessageIcon::Critical);
    return DateErrorParsing;
}

void MainWindowModel::SetZoneSelection(int index) { cboTimeZone.listIndex = index; }

std::string MainWindowModel::TidyDateEntry(std::string_view text) {
    // The box is only tidied (trimmed, upper case): the same date keeps the
    // element and animal chosen for it.
    std::string s = ToUpper(Trim(text));
    const int element = cboElement.listIndex;
    const int animal = cboAnimal.listIndex;
    SetDateText(s);
    cboElement.listIndex = element;
    cboAnimal.listIndex = animal;
    return s;
}

int16_t MainWindowModel::FindCalendarCode(std::string& s, bool blanks, size_t& at, std::string& code) {
    for (const CalendarRow& row : state.CalendarTable) {
        at = s.find(row.code);
        if (at == std::string::npos) continue;
        if (at + row.code.size() != s.size()) return DateErrorNoCalendar;
        code = std::string(row.code);
        return DateErrorNone;
    }
    if (blanks || state.InputCalendar < 0 || state.InputCalendar >= static_cast<int16_t>(state.CalendarTable.size()))
        return DateErrorNoCalendar;
    code = std::string(state.CalendarTable[static_cast<size_t>(state.InputCalendar)].code);
    if (!port.AskYesNo("Calendar?", "Is this a " + code + " Calendar date?", MessageIcon::Question))
        return DateErrorNoCalendar;
    at = s.size();
    s += code;
    SetDateText(txbDate.text + " " + code);
    return DateErrorNone;
}

int16_t MainWindowModel::EuroDayNumber(const std::string& code, const std::string& d, int32_t& jdn) {
    EuroDate date;
    date.letter = code == "PAN" ? 'P' : code == "CE" ? 'G' : 'J';
    const int16_t invalid = code == "PAN" ? DateErrorBadPAN : code == "CE" ? DateErrorBadCE : DateErrorBadJC;
    if (StrToEuroDate(d, date) != 1) return invalid;
    if (code == "PAN") {
        if (!PanDateToJDN(date)) return invalid;
    } else {
        EuroDateToJDN(date);
    }
    return AcceptDay(date.jdn, GetCalendar(code), 0, jdn);
}

// A "?" position takes the element and animal chosen in the lists.
std::string MainWindowModel::WithChosenElementAnimal(const std::string& d) const {
    return Contains(d, "-?-") ? d + ElementAnimalSuffix(cboElement.listIndex, cboAnimal.listIndex) : d;
}

// The day of a date typed in `calendar` becomes the entry's calendar and,
// unless a zone was chosen, is read in zone `zoneIfNone` (0 GMT for the
// Western and Pantheon dates, 1 the reference meridian's for the Chinese).
int16_t MainWindowModel::AcceptDay(int32_t day, int16_t calendar, int zoneIfNone, int32_t& jdn) {
    if (day < MinJDN) return DateErrorTooEarly;
    jdn = day;
    state.InputCalendar = calendar;
    if (cboTimeZone.listIndex < 0) SetZoneSelection(zoneIfNone);
    return DateErrorNone;
}

int16_t MainWindowModel::LunarDayNumber(std::string d, int32_t& jdn) {
    const CalendarSettings settings = Settings();
    d = WithChosenElementAnimal(d);
    ChlDate r;
    r.epoch = settings.epoch;
    bool parsed = parseChl(d, r);
    if (!parsed && state.IsChina) {
        if (const std::optional<std::string> cycleText = OverseasYearAsCycle(d, settings.epoch)) {
            r = ChlDate{};
            r.epoch = settings.epoch;
            parsed = parseChl(*cycleText, r);
        }
    }
    if (!parsed) return ParserFailure(DateErrorBadCHL);
    const int16_t status = ChLDateToJDN(r, settings);
    if (status == ChlDayBeyondMonth) return DateErrorDayBeyondMonth;
    if (status != ChlDateFound) return DateErrorBadCHL;
    return AcceptDay(r.jdn, CalendarCHL, 1, jdn);
}

int16_t MainWindowModel::SolarDayNumber(std::string d, int32_t& jdn) {
    const CalendarSettings settings = Settings();
    d = WithChosenElementAnimal(d);
    ChsDate r;
    r.epoch = settings.epoch;
    if (!parseChs(d, r)) return ParserFailure(DateErrorBadCHS);
    if (!ChSDateToJDN(r, settings)) return DateErrorBadCHS;
    return AcceptDay(r.jdn, CalendarCHS, 1, jdn);
}

double MainWindowModel::DayCountMoment(const std::string& code, const std::string& d, int16_t& error) {
    const CalendarSettings settings = Settings();
    const double x = LeadingNumber(d);
    const double ajd = code == "CJDC" ? FromReferenceCJD(x, settings.referenceLongitude)
                       : code == "CJDL" ? CJDLToAJD(x)
                                        : x;
    if (!(ajd >= state.EarliestAJD)) {
        error = DateErrorTooEarly;
        return 0.0;
    }
    state.InputCalendar = GetCalendar(code);
    // A day count carries its own time of day.
    if (code == "CJDC") {
        txbTime.text = BeijingTime(ToReferenceCJD(ajd, settings.referenceLongitude), state.ZoneName).substr(0, 5);
        SetZoneSelection(1);
    } else {
        txbTime.text = LondonTime(AJDToCJDL(ajd)).substr(0, 5);
        SetZoneSelection(0);
    }
    return ajd;
}

double MainWindowModel::ParseDate(std::string_view text, int16_t& error) {
    auto fail = [&error](int16_t code) {
        error = code;
        return 0.0;
    };
    error = DateErrorNone;

    // The text as the date box keeps it, and without blanks and commas.
    std::string s = TidyDateEntry(text);
    const bool blanks = Contains(s, " ");
    s = Squeezed(s);
    // Only plus/minus days: start from the displayed date.
    if (s.empty()) {
        if (Trim(txbPlusMinus.text).empty()) return fail(DateErrorNoDate);
        FillEntryFromInputCalendar();
        s = Squeezed(ToUpper(txbDate.text));
    }
    // A date begins with a digit or a minus sign.
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || s[0] == '-')) return fail(DateErrorNoDate);

    // The calendar code ends the text, or the calendar in force is meant.
    size_t p = std::string::npos;
    std::string code;
    if (const int16_t status = FindCalendarCode(s, blanks, p, code); status != DateErrorNone) return fail(status);
    if (const int16_t status = SeparatorError(s); status != DateErrorNone) return fail(status);

    // Noon when no time is given.
    if (txbTime.text.empty()) txbTime.text = "12:00";

    // The day of the date.
    const std::string d = s.substr(0, p);
    int32_t jdn = 0;
    int16_t status = DateErrorParsing;
    if (code == "PAN" || code == "CE" || code == "JC")
        status = EuroDayNumber(code, d, jdn);
    else if (code == "CHL")
        status = LunarDayNumber(d, jdn);
    else if (code == "CHS")
        status = SolarDayNumber(d, jdn);
    else if (code == "CJDC" || code == "CJDL" || code == "AJD")
        return DayCountMoment(code, d, error);
    if (status != DateErrorNone) return fail(status);

    // The time of day in the chosen zone.
    const int16_t minutes = ParseTime(txbTime.text);
    if (minutes < 0) return fail(DateErrorBadTime);
    const double c = jdn + minutes / 1440.0;
    return cboTimeZone.listIndex == 0 ? CJDLToAJD(c) : FromReferenceCJD(c, Settings().referenceLongitude);
}

}  // namespace orbel
