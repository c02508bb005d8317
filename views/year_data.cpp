#include "views/year_data.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "dates/month_label.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/lunar_date_words.h"
#include "engine/sol_eq.h"

namespace orbel {

namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr std::array<std::string_view, CountryCount> ZoneOfCountry = {"ICT", "CCT", "JST", "JST"};

std::string_view LengthWord(int months) {
    switch (months) {
        case 11: return "short";
        case 12: return "normal";
        case 13: return "long";
        default: return {};
    }
}

// "Sui 79-37 was a normal sui, with 12 months." and its CRLF, or nothing for
// a count other than 11, 12 or 13.
std::string Classification(std::string_view word, std::string_view lower, const CyclePosition& year, int months) {
    const std::string_view length = LengthWord(months);
    if (length.empty()) return {};
    return std::string(word) + SignedNumberStr(year.cycle) + "-" + std::to_string(year.position) + " was a " +
           std::string(length) + " " + std::string(lower) + ", with " + std::to_string(months) + " months." +
           std::string(CRLF);
}

// Date, calendar, time at the reference meridian and zone of a moment
// (CJDC) whose day number is `day`.
std::string DateTimeColumns(int32_t day, double moment, char letter, std::string_view cal, std::string_view zone) {
    return PaddedEuroDate(day, letter) + " " + std::string(cal) + " " + TimeOfDayStr(moment - day, false) + " " +
           std::string(zone);
}

}  // namespace

std::string PaddedEuroDate(int32_t jdn, char letter) {
    EuroDate date;
    date.letter = letter;
    date.jdn = jdn;
    JDNToEuroDate(date);
    const std::string text = EuroDateToStr(date);
    const size_t yearLength = text.find('-', 1);  // a negative year's sign is not the separator
    const size_t width = 5;
    return yearLength < width ? std::string(width - yearLength, ' ') + text : text;
}

namespace {

// How every dated line of the text is written: calendar and zone.
struct Columns {
    char letter;
    std::string_view cal;
    std::string_view zone;
};

std::string Heading(const YearDataRequest& r, int32_t year, const CyclePosition& first, const Columns& c, int country) {
    const CalendarSettings& s = r.settings;
    std::string text = "Dates, times and chronological Julian dates of dark moons";
    text += CRLF;
    if (r.majorTerms || r.minorTerms) text += "and solar terms ";
    text += "for 3 solar years beginning" + SignedNumberStr(first.cycle) + "-" + std::to_string(first.position) + " (" +
            std::to_string(year) + " " + std::string(c.cal) + ")," + std::string(CRLF);
    text += EpochMethod(true, s) + ".  Times are " + std::string(c.zone) + " times," + std::string(CRLF);
    text += "which assume longitude" + SignedNumberStr(s.referenceLongitude) + std::string(OrdinalSign) + " E (" +
            std::string(CountryName(country)) + ") as reference meridian." + std::string(CRLF);
    if (s.asObserved)
        text += "The months are those observed in China; dark moons and solar terms are astronomical." +
                std::string(CRLF);
    return text;
}

// The dark moon's own day and time; a month of the calendar as observed that
// begins on another day says so. With names in words other than English the
// month's name ends the line.
std::string DarkMoonLine(const YearData& data, int i, const Columns& c, const YearDataRequest& r) {
    const double moon = data.DarkMoonMoments[i];
    const auto moonDay = static_cast<int32_t>(std::floor(moon));
    const LunarMonthLabel& label = data.MonthLabels[static_cast<size_t>(i)];
    std::string line = DateTimeColumns(moonDay, moon, c.letter, c.cal, c.zone) + "  " + DayCountStr(moon, nullptr) +
                       "  LN" + SignedNumberStr(data.FirstLunation + i) + " M" + MonthLabelStr(label) + " (" +
                       std::to_string(data.MajorTermCount[i]) + " zq)";
    if (data.DarkMoonDays[i] != moonDay) {
        const std::string first = PaddedEuroDate(data.DarkMoonDays[i], c.letter);
        line += ", month begins " + first.substr(first.find_first_not_of(' ')) + " " + std::string(c.cal);
    }
    if (r.termNames && r.names != Names::English) line += " " + MonthWords(r.names, label.number, label.leap);
    return line + std::string(CRLF);
}

// The lines of the terms asked for from term `j` up to the day `before`;
// `j` is left at the first term not written.
std::string TermLines(const YearData& data, int& j, int32_t before, const YearDataRequest& r, const Columns& c) {
    std::string text;
    for (; j <= 78 && data.TermDays[j] < before; ++j) {
        const bool major = j % 2 == 0;
        if (!(major ? r.majorTerms : r.minorTerms)) continue;
        const size_t code = static_cast<size_t>(j % 24);
        text += DateTimeColumns(data.TermDays[j], data.TermMoments[j], c.letter, c.cal, c.zone) + " " +
                DayCountStr(data.TermMoments[j], nullptr) + "  ST" + SignedNumberStr(j % 24 + 1) + " " +
                std::string(TermCodes[code]);
        if (r.termNames && r.names != Names::English)
            text += " " + TermWords(r.names, j % 24);
        else if (r.termNames)
            text += " " + std::string(TermNames[code].pinyin) + " (" + std::string(TermNames[code].english) + ")";
        text += CRLF;
    }
    return text;
}

}  // namespace

std::string YearDataText(const YearDataRequest& r) {
    const CalendarSettings& s = r.settings;
    const int country = KnownCountry(r.country);
    const Columns columns{r.julian ? 'J' : 'G', r.julian ? "JC" : "CE", ZoneOfCountry[static_cast<size_t>(country)]};
    const bool terms = r.majorTerms || r.minorTerms;

    const double x = ToReferenceCJD(r.ajd, s.referenceLongitude);
    const int32_t y = SuiOfDay(x, s);
    const CyclePosition first{CycleOfYear(y - 1, s.epoch), PositionOfYear(y - 1)};
    std::string text = Heading(r, y - 1, first, columns, country);

    const YearData data = ComputeYearData(x, s);
    const int count = std::clamp<int>(data.DarkMoonCount, 0, MaxDarkMoons);
    int j = 0;  // the first term on or after the first month's first day
    while (j <= 78 && data.TermDays[j] < data.DarkMoonDays[0]) ++j;

    // The months before the first sui or nian start are counted from far
    // below any length, so that they get no classification.
    constexpr int NotYetStarted = -100;
    int suiMonths = NotYetStarted, nianMonths = NotYetStarted, suiStarts = 0;
    CyclePosition sui = first, nian = first;
    sui.Retreat();
    nian.Retreat();
    for (int i = 0; i < count; ++i) {
        const LunarMonthLabel label = data.MonthLabels[static_cast<size_t>(i)];
        if (label.state == LunarMonthLabel::State::StopHere) break;
        const bool suiStart = label.IsSuiStart();
        const bool nianStart = label.IsNewYear();
        if (suiStart) {
            if (suiMonths > 10) text += Classification("Sui", "sui", sui, suiMonths);
            suiMonths = 0;
            if (++suiStarts == 4) break;
        } else if (nianStart) {
            if (nianMonths > 10) text += Classification("Nian", "nian", nian, nianMonths);
            nianMonths = 0;
        }
        if (terms) text += "---------- ";
        if (suiStart) {
            sui.Advance();
            text += "Sui" + SignedNumberStr(sui.cycle) + "-" + std::to_string(sui.position);
        } else if (nianStart) {
            nian.Advance();
            text += "Nian " + SignedNumberStr(nian.cycle) + "-" + std::to_string(nian.position);
        }
        if (suiStart || nianStart || terms) text += CRLF;
        text += DarkMoonLine(data, i, columns, r);
        text += TermLines(data, j, i + 1 < count ? data.DarkMoonDays[i + 1] : INT32_MAX, r, columns);
        ++suiMonths;
        ++nianMonths;
    }
    text += Classification("Sui", "sui", sui, suiMonths);
    return text;
}

}  // namespace orbel
