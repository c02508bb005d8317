#include "dates/pantheon_calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "dates/date_text.h"
#include "dates/day_numbers.h"

namespace orbel {
namespace {

constexpr int64_t kCycleYears = 1803;
constexpr int64_t kCycleDays = 658532;
constexpr int64_t kLeapYearsPerCycle = 664;
constexpr int64_t kLongTenthsPerCycle = 350;
constexpr int64_t kFirstCycleDay = 897474;  // day number of 442-01-01 PAN
constexpr int64_t kFirstShiftedYear = 443;  // shifted year of 442 PAN, cycle year 1

constexpr const char* kDayNames[10] = {"Sun Day",     "Mercury Day", "Venus Day",  "Earth Day",   "Mars Day",
                                       "Jupiter Day", "Saturn Day",  "Uranus Day", "Neptune Day", "Pluto Day"};
constexpr const char* kDayAbbrevs[10] = {"Sun",    "Merc", "Venus", "Earth", "Mars",
                                         "Jupit",  "Saturn", "Uran", "Nept",  "Pluto"};
constexpr const char* kMonthNames[13] = {"Apollo",  "Diana",      "Hermes",  "Aphrodite", "Ares",
                                         "Zeus",    "Chronos",    "Prometheus", "Orpheus", "Sophia",
                                         "Dionysus", "Demeter",   "Persephone"};
constexpr const char* kMonthAbbrevs[13] = {"Apol", "Diana", "Herm", "Aphro", "Ares", "Zeus", "Chron",
                                           "Prom", "Orph",  "Soph", "Dion",  "Demet", "Pers"};

constexpr int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
constexpr int64_t FloorMod(int64_t a, int64_t b) { return a - FloorDiv(a, b) * b; }

constexpr int32_t CycleYearOf(int64_t Y) { return static_cast<int32_t>(FloorMod(Y + 1360, kCycleYears) + 1); }
constexpr int64_t CycleOf(int64_t Y) { return FloorDiv(Y - kFirstShiftedYear, kCycleYears); }

// The leap years and the long tenth months are spread as evenly as their
// counts allow over the cycle: year p is chosen when the running fraction
// count * p / 1803 (offset by 901/1803) steps past a whole number.
constexpr bool LeapAt(int32_t p) { return (kLeapYearsPerCycle * p + 901) % kCycleYears < kLeapYearsPerCycle; }
constexpr bool LongTenthAt(int32_t p) { return (kLongTenthsPerCycle * p + 901) % kCycleYears < kLongTenthsPerCycle; }
constexpr int32_t DaysInCycleYear(int32_t p) { return 354 + (LongTenthAt(p) ? 1 : 0) + (LeapAt(p) ? 30 : 0); }

constexpr int32_t MonthLength(bool longTenth, int32_t month) {
    if (month % 2 == 1) return 30;
    return (month == 10 && longTenth) ? 30 : 29;
}

// kYearStarts[p - 1]: days of the cycle before cycle year p; the last entry is
// the length of the whole cycle.
constexpr std::array<int32_t, kCycleYears + 1> kYearStarts = [] {
    std::array<int32_t, kCycleYears + 1> starts{};
    for (int32_t p = 1; p <= kCycleYears; ++p) starts[p] = starts[p - 1] + DaysInCycleYear(p);
    return starts;
}();
static_assert(kYearStarts[kCycleYears] == kCycleDays);

// "(sp)n": a number written with room for its sign.
std::string Signed(int64_t n) { return (n < 0 ? "" : " ") + std::to_string(n); }

std::string TwoDigits(int32_t n) { return PadLeft(std::to_string(n), 2, '0'); }

std::string IsoText(const EuroDate& date) {
    return std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day);
}

// The number a text begins with, as far as it reads as digits; 0 when none.
int32_t LeadingNumber(std::string_view text) {
    int32_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

int32_t PanCycleYear(int32_t Y) { return CycleYearOf(Y); }

bool PanIsLeapYear(int32_t Y) { return LeapAt(CycleYearOf(Y)); }

bool PanHasLongMonth10(int32_t Y) { return LongTenthAt(CycleYearOf(Y)); }

int16_t PanCycleNumber(int32_t Y) { return static_cast<int16_t>(CycleOf(Y)); }

int16_t PanDaysInYear(int32_t Y) { return static_cast<int16_t>(DaysInCycleYear(CycleYearOf(Y))); }

int16_t PanDaysInMonth(int32_t Y, int32_t month) {
    if (month < 1 || month > 13) return -1;
    const int32_t p = CycleYearOf(Y);
    if (month == 13 && !LeapAt(p)) return -2;
    return static_cast<int16_t>(MonthLength(LongTenthAt(p), month));
}

bool PanDateToJDN(EuroDate& date) {
    const int64_t Y = static_cast<int64_t>(date.year) + 1;
    const int32_t p = CycleYearOf(Y);
    const bool longTenth = LongTenthAt(p);
    const bool ok = date.day >= 1 && date.day <= 30 && date.month >= 1 && date.month <= 13 &&
                    (date.month != 13 || LeapAt(p)) && date.day <= MonthLength(longTenth, date.month);
    int64_t n = 0;
    if (ok) {
        n = kFirstCycleDay + kCycleDays * CycleOf(Y) + kYearStarts[p - 1];
        for (int32_t m = 1; m < date.month; ++m) n += MonthLength(longTenth, m);
        n += date.day - 1;
    }
    // Years millions away from the present would give day numbers that do
    // not fit the record; they are refused rather than wrapped.
    if (!ok || n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
        date.valid = 0;
        date.jdn = 0;
        return false;
    }
    date.jdn = static_cast<int32_t>(n);
    date.valid = 1;
    return true;
}

void JDNToPanDate(EuroDate& date) {
    int64_t d = static_cast<int64_t>(date.jdn) - kFirstCycleDay;
    const int64_t k = FloorDiv(d, kCycleDays);
    d -= k * kCycleDays;
    // The cycle year p with kYearStarts[p - 1] <= d < kYearStarts[p].
    const auto after = std::upper_bound(kYearStarts.begin(), kYearStarts.end(), static_cast<int32_t>(d));
    const int32_t p = static_cast<int32_t>(after - kYearStarts.begin());
    d -= kYearStarts[p - 1];
    const bool longTenth = LongTenthAt(p);
    int32_t m = 1;
    while (d >= MonthLength(longTenth, m)) d -= MonthLength(longTenth, m++);
    const int64_t Y = kFirstShiftedYear + kCycleYears * k + (p - 1);
    date.year = static_cast<int32_t>(Y - 1);
    date.month = m;
    date.day = static_cast<int32_t>(d) + 1;
    date.letter = 'P';
    date.valid = 1;
}

void PanStepMonth(EuroDate& date, bool forward) {
    const auto leap = [](int32_t year) { return LeapAt(CycleYearOf(static_cast<int64_t>(year) + 1)); };
    const auto longTenth = [](int32_t year) { return LongTenthAt(CycleYearOf(static_cast<int64_t>(year) + 1)); };
    if (forward) {
        if (date.month == 13 || (date.month == 12 && !leap(date.year))) {
            ++date.year;
            date.month = 1;
        } else {
            ++date.month;
        }
    } else if (date.month == 1) {
        --date.year;
        date.month = leap(date.year) ? 13 : 12;
    } else {
        --date.month;
    }
    if (date.month % 2 == 0 && date.day == 30 && !(date.month == 10 && longTenth(date.year))) {
        date.day = 29;
    }
    PanDateToJDN(date);
}

void PanStepYear(EuroDate& date, bool forward) {
    date.year += forward ? 1 : -1;
    const int32_t Y = date.year + 1;
    if (date.month == 13 && !PanIsLeapYear(Y)) date.month = 12;
    if (date.day > PanDaysInMonth(Y, date.month)) date.day = PanDaysInMonth(Y, date.month);
    PanDateToJDN(date);
}

std::string PanDateStr(const EuroDate& date, int style) {
    const std::string monthDay = PanMonthName(date.month) + Signed(date.day) + ", " + Signed(date.year);
    switch (style) {
        case 1: return IsoText(date) + " PAN";
        case 2: return IsoText(date) + " PAN (" + PanDayName(date.day) + ", " + monthDay + ")";
        case 3: return monthDay;
        case 4:
            return "The " + OrdinalStr(static_cast<int16_t>(date.day)) + " day of " + PanMonthName(date.month) +
                   " in the year" + Signed(date.year);
        case 5: return PanDayName(date.day) + ", " + monthDay;
        default: return {};
    }
}

std::string PanDayName(int32_t day) { return (day >= 1 && day <= 30) ? kDayNames[(day - 1) % 10] : ""; }

std::string PanDayAbbrev(int32_t day) { return (day >= 1 && day <= 30) ? kDayAbbrevs[(day - 1) % 10] : ""; }

std::string PanMonthName(int32_t month) { return (month >= 1 && month <= 13) ? kMonthNames[month - 1] : ""; }

std::string PanMonthAbbrev(int32_t month) { return (month >= 1 && month <= 13) ? kMonthAbbrevs[month - 1] : ""; }

namespace {

PantheonLabel LabelOfDay(double cjd, const std::string& timeText, const char* zoneWords) {
    EuroDate date;
    date.letter = 'P';
    date.jdn = static_cast<int32_t>(std::floor(cjd));
    JDNToPanDate(date);
    return {PanDateStr(date, 1) + " " + timeText + " " + PanDayName(date.day),
            PanDateStr(date, 4) + " in the Pantheon Calendar (" + zoneWords + " timezone)"};
}

}  // namespace

PantheonLabel PanLondonLabel(double ajd) {
    const double cjdl = AJDToCJDL(ajd);
    return LabelOfDay(cjdl, LondonTime(cjdl), "GMT");
}

PantheonLabel PanReferenceLabel(double ajd, int16_t referenceLongitude, std::string_view zoneName) {
    const double cjdc = ToReferenceCJD(ajd, referenceLongitude);
    return LabelOfDay(cjdc, BeijingTime(cjdc, zoneName), "CCT");
}

std::string PanChlComparisonNote(std::string_view panLabelText, const ChlDate& chl) {
    if (chl.valid == 0 || chl.leap != 0) return {};
    std::string s;
    for (char c : panLabelText)
        if (c != ' ') s += c;
    const size_t at = s.find("PAN");
    if (at == std::string::npos || at < 5) return {};
    const std::string_view monthDay = std::string_view(s).substr(at - 5, 5);  // "MM-DD"
    const int32_t pm = LeadingNumber(monthDay.substr(0, 2));
    const int32_t pd = LeadingNumber(monthDay.substr(3, 2));
    const int32_t cm = chl.month;
    const int32_t cd = chl.day;
    // The window's label shows "&&" as a single "&"; the note is kept as shown.
    if (pm == cm && pd == cd) return "PAN month & day same as CHL";
    if (pm == cm && pd == cd + 1) return "PAN date 1 day ahead of CHL";
    if (pm == cm && pd == cd - 1) return "PAN date 1 day behind CHL";
    if (pd == cd && pm == cm + 1) return "PAN date 1 month ahead of CHL";
    if (pd == cd && pm == cm - 1) return "PAN date 1 month behind CHL";
    if (pm == cm) return "PAN month no. same as CHL";
    if (pd == cd) return "PAN day no. same as CHL";
    return {};
}

}  // namespace orbel
