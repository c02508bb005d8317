#include <gtest/gtest.h>
#include "services/calendar_conversion.h"
#include "services/calendar_settings.h"

using namespace orbel;


TEST(CalendarConversion, KnownDayNumbers) {
    EuroDate a = MakeEuroDate(2000, 1, 1, 'G');
    EXPECT_EQ(euro_date_to_jdn(&a), 2451545);
    EXPECT_EQ(a.jdn, 2451545);
    EuroDate b = MakeEuroDate(-3000, 1, 1, 'G');
    EXPECT_EQ(euro_date_to_jdn(&b), MinJDN);
    EuroDate c = MakeEuroDate(3000, 1, 1, 'G');
    EXPECT_EQ(euro_date_to_jdn(&c), MaxJDN);
    EuroDate d = MakeEuroDate(-4712, 1, 1, 'J');  // day 0 of the Julian day count
    EXPECT_EQ(euro_date_to_jdn(&d), 0);
    EuroDate e = MakeEuroDate(1582, 10, 15, 'G');  // the Gregorian reform: JC 1582-10-05
    EuroDate f = MakeEuroDate(1582, 10, 5, 'J');
    EXPECT_EQ(euro_date_to_jdn(&e), euro_date_to_jdn(&f));
}

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

TEST(CalendarConversion, DayOfWeek) {
    EXPECT_EQ(euro_day_of_week(2451545), 6);  // 2000-01-01 was a Saturday
    EXPECT_EQ(euro_day_of_week(2451546), 0);
    EXPECT_EQ(euro_day_of_week(MinJDN), (euro_day_of_week(MinJDN + 7 * 1000)));
    EXPECT_EQ(euro_day_of_week(-1), 0);  // JDN 0 was a Monday; negatives stay in 0..6
    EXPECT_EQ(euro_day_of_week(-2), 6);
}
