#include "services/calendar_conversion.h"

#include <cstring>
#include <ctime>

#include "services/floor_division.h"

namespace orbel {
namespace {

// Days from 0000-03-01 of the calendar to y-m-d, with March as month 0 so that
// the leap day falls at the end of the counted year (after H. Hinnant's
// days_from_civil). JDN of 0000-03-01: Gregorian 1721120, Julian 1721118.
constexpr int64_t GregorianToJdn(int64_t y, int64_t m, int64_t d) noexcept {
    y -= m <= 2;
    const int64_t era = FloorDiv<int64_t>(y, 400);
    const int64_t yoe = y - era * 400;                                  // [0, 399]
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
    return era * 146097 + doe + 1721120;
}

constexpr int64_t JulianToJdn(int64_t y, int64_t m, int64_t d) noexcept {
    y -= m <= 2;
    const int64_t era = FloorDiv<int64_t>(y, 4);
    const int64_t yoe = y - era * 4;                                    // [0, 3]
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 1461 + yoe * 365 + doy + 1721118;
}

constexpr void JdnToGregorian(int64_t jdn, EuroDate& r) noexcept {
    const int64_t z = jdn - 1721120;
    const int64_t era = FloorDiv<int64_t>(z, 146097);
    const int64_t doe = z - era * 146097;                                        // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                 // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                      // [0, 11]
    r.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    r.month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    r.year = static_cast<int32_t>(yoe + era * 400 + (r.month <= 2));
}

constexpr void JdnToJulian(int64_t jdn, EuroDate& r) noexcept {
    const int64_t z = jdn - 1721118;
    const int64_t era = FloorDiv<int64_t>(z, 1461);
    const int64_t doe = z - era * 1461;                  // [0, 1460]
    const int64_t yoe = (doe - doe / 1460) / 365;        // [0, 3]
    const int64_t doy = doe - 365 * yoe;                 // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;
    r.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    r.month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    r.year = static_cast<int32_t>(yoe + era * 4 + (r.month <= 2));
}

// Anchors: J2000.0's day, the first day of the Julian period, and the first
// and last days of the program's range.
static_assert(GregorianToJdn(2000, 1, 1) == 2451545);
static_assert(JulianToJdn(-4712, 1, 1) == 0);
static_assert(GregorianToJdn(-3000, 1, 1) == 625333 && GregorianToJdn(3000, 1, 1) == 2816788);
static_assert(GregorianToJdn(1582, 10, 15) == JulianToJdn(1582, 10, 5));  // the same day
static_assert([] {
    EuroDate g, j;
    JdnToGregorian(625333, g);
    JdnToJulian(2299160, j);
    return g.year == -3000 && g.month == 1 && g.day == 1 && j.year == 1582 && j.month == 10 && j.day == 4;
}());

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of digits at `p`, advancing it. Returns false when there is no
// digit. Values above `cap` are reported as cap + 1, so that no digit count
// overflows.
bool ReadDigits(const char*& p, int64_t cap, int64_t& value) {
    if (!IsDigit(*p)) return false;
    value = 0;
    for (; IsDigit(*p); ++p) {
        if (value <= cap) value = value * 10 + (*p - '0');
        if (value > cap) value = cap + 1;
    }
    return true;
}

bool IsGregorianLeap(int64_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

int32_t DaysInMonth(int64_t y, int64_t m, int32_t letter) {
    static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2) return 28 + (letter == 'J' ? y % 4 == 0 : IsGregorianLeap(y));
    return kDays[m - 1];
}

}  // namespace

int32_t euro_date_to_jdn(EuroDate* date) {
    const int64_t jdn = date->letter == 'J' ? JulianToJdn(date->year, date->month, date->day)
                                            : GregorianToJdn(date->year, date->month, date->day);
    date->jdn = static_cast<int32_t>(jdn);
    return date->jdn;
}

int32_t jdn_to_euro_date(EuroDate* date) {
    if (date->letter == 'J')
        JdnToJulian(date->jdn, *date);
    else
        JdnToGregorian(date->jdn, *date);
    return 0;
}

EuroDate MakeEuroDate(int32_t year, int32_t month, int32_t day, char letter) {
    EuroDate date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.letter = letter;
    return date;
}

int32_t GregorianDayNumber(int32_t year, int32_t month, int32_t day) {
    EuroDate date = MakeEuroDate(year, month, day, 'G');
    return euro_date_to_jdn(&date);
}

int32_t GregorianYearOfDay(int32_t jdn) {
    EuroDate date;
    date.letter = 'G';
    date.jdn = jdn;
    jdn_to_euro_date(&date);
    return date.year;
}

int32_t euro_day_of_week(int32_t jdn) {
    // JDN 0 was a Monday.
    return static_cast<int32_t>(((static_cast<int64_t>(jdn) + 1) % 7 + 7) % 7);
}

int32_t str_to_date(const char* text, int32_t order, EuroDate* date, int32_t letter) {
    if (text == nullptr || date == nullptr) return StrToDateNotADate;
    if (order != StrToDateOrderYMD) return StrToDateBadOrder;
    if (letter != 'G' && letter != 'J' && letter != 'P') return StrToDateNotADate;

    const char* p = text;
    const bool negative = *p == '-';
    if (negative) ++p;
    int64_t year = 0, month = 0, day = 0;
    constexpr int64_t kCap = 99999999;  // far beyond every accepted field
    if (!ReadDigits(p, kCap, year) || *p++ != '-') return StrToDateNotADate;
    if (!ReadDigits(p, kCap, month) || *p++ != '-') return StrToDateNotADate;
    if (!ReadDigits(p, kCap, day) || *p != '\0') return StrToDateNotADate;

    if (year > StrToDateMaxYear) return StrToDateYearRange;
    if (negative) year = -year;
    if (month < 1 || month > (letter == 'P' ? 13 : 12)) return StrToDateBadMonth;
    if (day < 1) return StrToDateBadDay;
    if (letter == 'P') {
        if (day > 31) return StrToDateBadDay;  // the Pantheon Calendar checks the month's length
    } else if (day > DaysInMonth(year, month, letter)) {
        return StrToDateBadDay;
    }
    date->year = static_cast<int32_t>(year);
    date->month = static_cast<int32_t>(month);
    date->day = static_cast<int32_t>(day);
    date->letter = letter;
    return StrToDateOk;
}

int32_t separate_thousands(const char* number, int32_t separator, char* out) {
    constexpr std::size_t kBuffer = 20;  // the caller's buffer, terminator included
    if (out == nullptr) return -1;
    out[0] = '\0';
    if (number == nullptr) return -1;

    const std::size_t length = std::strlen(number);
    std::size_t sign = (number[0] == '-' || number[0] == '+') ? 1 : 0;
    std::size_t digits = 0;
    while (IsDigit(number[sign + digits])) ++digits;
    const std::size_t separators = (separator != 0 && digits > 0) ? (digits - 1) / 3 : 0;
    if (length + separators >= kBuffer) return -1;

    std::size_t o = 0;
    for (std::size_t i = 0; i < sign; ++i) out[o++] = number[i];
    for (std::size_t i = 0; i < digits; ++i) {
        if (separators > 0 && i > 0 && (digits - i) % 3 == 0) out[o++] = static_cast<char>(separator);
        out[o++] = number[sign + i];
    }
    for (std::size_t i = sign + digits; i < length; ++i) out[o++] = number[i];
    out[o] = '\0';
    return 0;
}

int32_t get_timezone() {
    tzset();  // localtime_r need not look at TZ again; a changed zone must count
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return static_cast<int32_t>(-local.tm_gmtoff);
}

}  // namespace orbel
