#include "views/log_entry.h"

#include <cmath>

#include "dates/date_entry.h"
#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/lunar_date_words.h"
#include "engine/sol_eq.h"

namespace orbel {

namespace {

constexpr std::string_view Separator = "--------------------";  // 20 hyphens

// The descriptions begin with "The "; an expanded line continues "= the ...".
std::string ExpandedLine(std::string_view description) {
    return "= t" + std::string(description.empty() ? description : description.substr(1));
}

std::string CountryText(int country) { return std::string(CountryName(country)); }

std::string LongitudeText(const DisplayedMoment& m) {
    return std::to_string(m.settings.referenceLongitude) + std::string(OrdinalSign) + " E, " + CountryText(m.country);
}

// The line and its end; no line of the log ends in a blank, not even one
// inside a description that breaks its text ("... (water-tiger) \r\nin the").
void AddLine(std::string& out, std::string_view line) {
    std::string text(line);
    for (size_t at; (at = text.find(" " + std::string(LogLineEnd))) != std::string::npos;) text.erase(at, 1);
    while (text.ends_with(' ')) text.pop_back();
    out += text;
    out += LogLineEnd;
}

// "The 1st day of solar term 4 (J1) in the year ..." becomes two lines: the
// term's code with its names, then the year.
void AddExpandedSolarDate(std::string& out, const ChsDate& chs, const DisplayedMoment& m, bool chineseTerms) {
    const std::string line = ExpandedLine(ChsDateLongStrForJdn(chs, {}, m.country));
    const size_t at = line.find(") in the year");
    if (at == std::string::npos || chs.term < 1 || chs.term > 24) {
        AddLine(out, line);
        return;
    }
    const TermName& name = TermNames[static_cast<size_t>(chs.term - 1)];
    std::string first = line.substr(0, at) + ", " + std::string(name.english);
    if (chineseTerms) first += ", " + std::string(name.pinyin);
    AddLine(out, first + ")");
    AddLine(out, line.substr(at + 2));
}

void AddChineseLines(std::string& out, const DisplayedMoment& m, const LogPreferences& p) {
    const double cjdc = ToReferenceCJD(m.ajd, m.settings.referenceLongitude);
    ChsDate chs;
    ChlDate chl;
    CJDateToChDates(cjdc, m.settings.epoch, chs, chl, m.settings);
    if (p.chs) {
        AddLine(out, m.chsText);
        if (p.expanded) AddExpandedSolarDate(out, chs, m, p.chineseTerms);
    }
    if (p.chl) {
        AddLine(out, m.chlText);
        if (p.expanded)
            AddLine(out, ExpandedLine(ChlDateLongStrForJdn(
                             chl, {.dayNames = true, .monthNames = true, .stemBranch = p.chineseTerms, .full = true},
                             m.settings, m.country)));
        // The lunar date once more, in the chosen words.
        if (m.names != Names::English) AddLine(out, LunarDateWords(m.names, chl, TermBeginningOn(chs)));
    }
    if (p.cjdc) {
        std::string line = DayCountStr(cjdc, "CJDC");
        if (p.expanded) line += " (chronological Julian date, longitude " + LongitudeText(m) + ")";
        AddLine(out, line);
    }
    if (p.epochEtc) AddLine(out, EpochMethod(true, m.settings) + ", longitude = " + LongitudeText(m) + ".");
}

// The main window's CE or JC text up to and including "GMT", then the long
// description with the weekday.
void AddWesternDate(std::string& out, const std::string& shown, const EuroDate& date, bool expanded) {
    const size_t gmt = shown.find("GMT");
    AddLine(out, gmt == std::string::npos ? shown : shown.substr(0, gmt + 3));
    if (expanded)
        AddLine(out, ExpandedLine(EuroDateLongForm(date)) + ", a " + DayOfWeekName(DayOfWeek(date.jdn), false) + ".");
}

void AddWesternLines(std::string& out, const DisplayedMoment& m, const LogPreferences& p) {
    const double cjdl = AJDToCJDL(m.ajd);
    EuroDate ce, jc;
    JDNToEuroDates(std::floor(cjdl), ce, jc);
    if (p.ce) AddWesternDate(out, m.ceText, ce, p.expanded);
    if (p.jc) AddWesternDate(out, m.jcText, jc, p.expanded);
    if (p.cjdl) AddLine(out, DayCountStr(cjdl, "CJDL") + (p.expanded ? " (chronological Julian date, London)" : ""));
}

// "[290] 5 days, ... (17.4%)" gives "Lunation 290, age of Moon = 5 days, ...
// (17.4%)"; expanded, the closing bracket reads "% of lunation)".
std::string LunationLine(std::string_view ageText, bool expanded) {
    const size_t open = ageText.find('[');
    const size_t close = ageText.find(']');
    const bool bracketed = open != std::string_view::npos && close != std::string_view::npos && open < close;
    const std::string number(bracketed ? ageText.substr(open + 1, close - open - 1) : std::string_view());
    std::string age(Trim(bracketed ? ageText.substr(close + 1) : ageText));
    if (expanded && age.size() >= 2 && age.ends_with("%)")) age.insert(age.size() - 1, " of lunation");
    return "Lunation " + number + ", age of Moon = " + age;
}

void AddAstronomicalLines(std::string& out, const DisplayedMoment& m, const LogPreferences& p) {
    if (p.ajd) AddLine(out, DayCountStr(m.ajd, "AJD") + (p.expanded ? " (astronomical Julian date)" : ""));
    if (p.phase) AddLine(out, m.phaseText + (p.expanded ? " illumination" : ""));
    if (p.lunation) AddLine(out, LunationLine(m.ageText, p.expanded));
}

}  // namespace

std::string LogEntry(const DisplayedMoment& moment, const LogPreferences& p) {
    const bool chinese = p.Chinese(), western = p.Western(), astronomical = p.Astronomical();
    if (!chinese && !western && !astronomical) return {};
    std::string out;
    if (chinese) AddChineseLines(out, moment, p);
    if (chinese && (western || astronomical)) AddLine(out, Separator);
    if (western) AddWesternLines(out, moment, p);
    if (western && astronomical) AddLine(out, Separator);
    if (astronomical) AddAstronomicalLines(out, moment, p);
    out += LogLineEnd;
    return out;
}

std::string AutoLogOperationLine(int16_t operation, const LogOperationControls& c) {
    switch (operation) {
    case 1: return "Now";
    case 2: {
        const std::string days(Trim(c.plusMinusText));
        if (days.empty()) return {};
        std::string number = days;
        std::erase(number, ',');
        return (c.plus ? "Plus " : "Minus ") + days + " day" + (LeadingNumber(number) == 1.0 ? "" : "s");
    }
    case 3: return std::string("Move ") + (c.forward ? "forward 1 " : "back 1 ") + c.moveStep;
    case 4: return std::string("Search for ") + (c.next ? "next " : "previous ") + c.target;
    case 5: return std::string("Move ") + (c.forward ? "forward one day" : "back one day");
    default: return {};
    }
}

}  // namespace orbel
