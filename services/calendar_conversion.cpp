#include "services/calendar_conversion.h"

namespace orbel {
namespace {

// Floor division and modulo, so that the formulas below hold for negative years.
constexpr int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days from 0000-03-01 of the calendar to y-m-d, with March as month 0 so that
// the leap day falls at the end of the counted year (after H. Hinnant's
// days_from_civil). JDN of 0000-03-01: Gregorian 1721120, Julian 1721118.
int64_t GregorianToJdn(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;                                  // [0, 399]
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
    return era * 146097 + doe + 1721120;
}

int64_t JulianToJdn(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = FloorDiv(y, 4);
    const int64_t yoe = y - era * 4;                                    // [0, 3]
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 1461 + yoe * 365 + doy + 1721118;
}

void JdnToGregorian(int64_t jdn, EuroDate& r) {
    const int64_t z = jdn - 1721120;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;                                        // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                 // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                      // [0, 11]
    r.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    r.month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    r.year = static_cast<int32_t>(yoe + era * 400 + (r.month <= 2));
}

void JdnToJulian(int64_t jdn, EuroDate& r) {
    const int64_t z = jdn - 1721118;
    const int64_t era = FloorDiv(z, 1461);
    const int64_t doe = z - era * 1461;                  // [0, 1460]
    const int64_t yoe = (doe - doe / 1460) / 365;        // [0, 3]
    const int64_t doy = doe - 365 * yoe;                 // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;
    r.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    r.month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    r.year = static_cast<int32_t>(yoe + era * 4 + (r.month <= 2));
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

int32_t euro_day_of_week(int32_t jdn) {
    // JDN 0 was a Monday.
    return static_cast<int32_t>(((static_cast<int64_t>(jdn) + 1) % 7 + 7) % 7);
}

}  // namespace orbel
