#include <gtest/gtest.h>
#include "services/calendar_conversion.h"
#include "services/calendar_settings.h"

using namespace orbel;


// Every day over and beyond the program's range converts to a date and back,
// and consecutive days give consecutive, valid calendar dates.
TEST(CalendarConversion, RoundTripAndContinuity) {
    for (char letter : {'G', 'J'}) {
        EuroDate prev;
        prev.letter = letter; prev.jdn = MinJDN - 400000;
        jdn_to_euro_date(&prev);
        for (int32_t jdn = MinJDN - 400000 + 1; jdn <= MaxJDN + 400000; ++jdn) {
            EuroDate r;
            r.letter = letter; r.jdn = jdn;
            jdn_to_euro_date(&r);
            EuroDate back = MakeEuroDate(r.year, r.month, r.day, letter);
            ASSERT_EQ(euro_date_to_jdn(&back), jdn) << letter << " " << r.year << "-" << r.month << "-" << r.day;
            const bool nextDay = r.year == prev.year && r.month == prev.month && r.day == prev.day + 1;
            const bool nextMonth = r.year == prev.year && r.month == prev.month + 1 && r.day == 1;
            const bool nextYear = r.year == prev.year + 1 && r.month == 1 && r.day == 1 && prev.month == 12 && prev.day == 31;
            ASSERT_TRUE(nextDay || nextMonth || nextYear) << letter << " jdn " << jdn;
            if (nextMonth) {
                const int len = prev.day;
                const bool leap = letter == 'J' ? (prev.year % 4 == 0)
                                                : (prev.year % 4 == 0 && (prev.year % 100 != 0 || prev.year % 400 == 0));
                const int expected = prev.month == 2 ? (leap ? 29 : 28)
                                     : (prev.month == 4 || prev.month == 6 || prev.month == 9 || prev.month == 11) ? 30 : 31;
                ASSERT_EQ(len, expected) << letter << " " << prev.year << "-" << prev.month;
            }
            prev = r;
        }
    }
}
