// Date entry on the main window: the date and time boxes, the zone, element
// and animal lists and the calendar in force turned into one moment.
#include <algorithm>
#include <cctype>
#include <cmath>

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

}  // namespace

void MainWindowModel::ShowDateError(int16_t code) {
    const std::string text = DateErrorMessage(code, state.IsChina);
    if (!text.empty()) port.ShowMessage(DateErrorTitle, text, MessageIcon::Exclamation);
}

bool MainWindowModel::CheckDateRange(double ajd) {
    if (ajd < state.EarliestAJD) {
        port.ShowMessage(DateOutOfRangeTitle, "Date is earlier than -3000-01-01 CE.", MessageIcon::Exclamation);
        return true;
    }
    if (ajd > state.LatestAJD) {
        port.ShowMessage(DateOutOfRangeTitle, "Date is later than 3000-01-01 CE.", MessageIcon::Exclamation);
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

double MainWindowModel::ParserFailure(int16_t code, int16_t& error) {
    // A missing date-string library is no fault of the text typed: say so
    // first, then the entry is refused as unreadable.
    const std::string why = parserError();
    if (!why.empty()) {
        port.ShowMessage("Date-string library", why, MessageIcon::Critical);
        code = DateErrorParsing;
    }
    error = code;
    return 0.0;
}

void MainWindowModel::SetZoneSelection(int index) { cboTimeZone.listIndex = index; }

double MainWindowModel::ParseDate(std::string_view text, int16_t& error) {
    auto fail = [&error](int16_t code) {
        error = code;
        return 0.0;
    };
    error = DateErrorNone;
    const CalendarSettings settings = Settings();

    // The text as the date box keeps it, and without blanks and commas. The
    // box is only tidied (trimmed, upper case): the same date keeps the
    // element and animal chosen for it.
    std::string s = ToUpper(Trim(text));
    const auto spaces = std::count(s.begin(), s.end(), ' ');
    const int element = cboElement.listIndex;
    const int animal = cboAnimal.listIndex;
    SetDateText(s);
    cboElement.listIndex = element;
    cboAnimal.listIndex = animal;
    std::erase(s, ',');
    std::erase(s, ' ');

    // Only plus/minus days: start from the displayed date.
    if (s.empty()) {
        if (Trim(txbPlusMinus.text).empty()) return fail(DateErrorNoDate);
        FillEntryFromInputCalendar();
        s = ToUpper(txbDate.text);
        std::erase(s, ',');
        std::erase(s, ' ');
    }
    // A date begins with a digit or a minus sign.
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || s[0] == '-')) return fail(DateErrorNoDate);

    // The calendar code ends the text, or the calendar in force is meant.
    size_t p = std::string::npos;
    std::string code;
    for (const CalendarRow& row : state.CalendarTable) {
        const size_t at = s.find(row.code);
        if (at == std::string::npos) continue;
        if (at + row.code.size() != s.size()) return fail(DateErrorNoCalendar);
        p = at;
        code = std::string(row.code);
        break;
    }
    if (p == std::string::npos) {
        if (spaces > 0 || state.InputCalendar < 0 || state.InputCalendar >= static_cast<int16_t>(state.CalendarTable.size()))
            return fail(DateErrorNoCalendar);
        code = std::string(state.CalendarTable[static_cast<size_t>(state.InputCalendar)].code);
        if (!port.AskYesNo("Calendar?", "Is this a " + code + " Calendar date?", MessageIcon::Question))
            return fail(DateErrorNoCalendar);
        p = s.size();
        s += code;
        SetDateText(txbDate.text + " " + code);
    }

    // Separators, and no time in the date.
    const bool dayCount = Contains(s, "CJDC") || Contains(s, "CJDL") || Contains(s, "AJD");
    if (dayCount) {
        if (std::count(s.begin(), s.end(), '-') > 1) return fail(DateErrorBadDayCount);
    } else if (Contains(s, "/") || Contains(s, ".")) {
        return fail(DateErrorSeparator);
    }
    if (Contains(s, ":")) return fail(DateErrorTimeInDate);

    // Noon when no time is given.
    if (txbTime.text.empty()) txbTime.text = "12:00";

    // The day of the date.
    std::string d = s.substr(0, p);
    int32_t jdn = 0;
    if (code == "PAN" || code == "CE" || code == "JC") {
        EuroDate date;
        date.letter = code == "PAN" ? 'P' : code == "CE" ? 'G' : 'J';
        const int16_t invalid = code == "PAN" ? DateErrorBadPAN : code == "CE" ? DateErrorBadCE : DateErrorBadJC;
        const int status = StrToEuroDate(d, date);
        if (status != 1) return fail(invalid);
        if (code == "PAN") {
            if (!PanDateToJDN(date)) return fail(invalid);
        } else {
            EuroDateToJDN(date);
        }
        if (date.jdn < MinJDN) return fail(DateErrorTooEarly);
        jdn = date.jdn;
        state.InputCalendar = GetCalendar(code);
        if (cboTimeZone.listIndex < 0) SetZoneSelection(0);
    } else if (code == "CHL") {
        if (Contains(d, "-?-")) d += ElementAnimalSuffix(cboElement.listIndex, cboAnimal.listIndex);
        ChlDate r;
        r.epoch = settings.epoch;
        bool parsed = parseChl(d, r);
        const size_t dash = d.find('-');
        if (!parsed && state.IsChina && dash != std::string::npos) {
            // The overseas Chinese year: 4709-1-1 is 79-29-1-1 under the
            // epoch -2696.
            std::string digits;
            for (size_t i = 0; i < dash; ++i)
                if (std::isdigit(static_cast<unsigned char>(d[i]))) digits += d[i];
            if (digits.size() <= 9) {
                CyclePosition cp = OverseasYearToCycle(digits.empty() ? 0 : std::stoi(digits));
                // The overseas year counts cycles from -2696; the other epoch
                // numbers the same cycle one lower.
                if (settings.epoch == -2636) cp.cycle -= 1;
                d = std::to_string(cp.cycle) + "-" + std::to_string(cp.position) + d.substr(dash);
                r = ChlDate{};
                r.epoch = settings.epoch;
                parsed = parseChl(d, r);
            }
        }
        if (!parsed) return ParserFailure(DateErrorBadCHL, error);
        const int16_t status = ChLDateToJDN(r, settings);
        if (status == -4) return fail(DateErrorDayBeyondMonth);
        if (status != 0) return fail(DateErrorBadCHL);
        if (r.jdn < MinJDN) return fail(DateErrorTooEarly);
        jdn = r.jdn;
        state.InputCalendar = CalendarCHL;
        if (cboTimeZone.listIndex < 0) SetZoneSelection(1);
    } else if (code == "CHS") {
        if (Contains(d, "-?-")) d += ElementAnimalSuffix(cboElement.listIndex, cboAnimal.listIndex);
        ChsDate r;
        r.epoch = settings.epoch;
        if (!parseChs(d, r)) return ParserFailure(DateErrorBadCHS, error);
        if (!ChSDateToJDN(r, settings)) return fail(DateErrorBadCHS);
        if (r.jdn < MinJDN) return fail(DateErrorTooEarly);
        jdn = r.jdn;
        state.InputCalendar = CalendarCHS;
        if (cboTimeZone.listIndex < 0) SetZoneSelection(1);
    } else if (code == "CJDC" || code == "CJDL" || code == "AJD") {
        const double x = LeadingNumber(d);
        const double ajd = code == "CJDC" ? FromReferenceCJD(x, settings.referenceLongitude)
                           : code == "CJDL" ? CJDLToAJD(x)
                                            : x;
        if (!(ajd >= state.EarliestAJD)) return fail(DateErrorTooEarly);
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
    } else {
        return fail(DateErrorParsing);
    }

    // The time of day in the chosen zone.
    const int16_t minutes = ParseTime(txbTime.text);
    if (minutes < 0) return fail(DateErrorBadTime);
    const double c = jdn + minutes / 1440.0;
    return cboTimeZone.listIndex == 0 ? CJDLToAJD(c) : FromReferenceCJD(c, settings.referenceLongitude);
}

}  // namespace orbel
