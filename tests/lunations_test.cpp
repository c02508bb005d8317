// Dark moons, lunations and phases on the GMT scale.
#include <gtest/gtest.h>

#include <cmath>

#include "dates/day_numbers.h"
#include "engine/quenta_module.h"
#include "services/astronomy.h"
#include "services/calendar_conversion.h"

using namespace orbel;

namespace {
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 1.0 / 1440.0;

// AJD of a GMT moment given as a CE date and a time.
double Moment(int y, int m, int d, int hour, int minute) {
    return GregorianDayNumber(y, m, d) - 0.5 + (hour * 60 + minute) * kMinute;
}
}  // namespace

TEST(Lunations, DarkMoonsFallAtTheirAlmanacTimes) {
    // Lunation 0: 2000-01-06 18:13 GMT (published: 18:14 UT).
    EXPECT_NEAR(Lunation0DarkMoon(), Moment(2000, 1, 6, 18, 13), 90 * kSecond);
    // 2012-01-23 07:39 GMT (Chinese new year 2012); 2009-07-22 02:35 GMT (the
    // total solar eclipse).
    EXPECT_NEAR(PhaseMomentGMT(LunationAt(Moment(2012, 1, 23, 12, 0)), 0), Moment(2012, 1, 23, 7, 39), 1.5 * kMinute);
    EXPECT_NEAR(PhaseMomentGMT(LunationAt(Moment(2009, 7, 22, 12, 0)), 0), Moment(2009, 7, 22, 2, 35), 1.5 * kMinute);
}

TEST(Lunations, LunationAtChangesExactlyAtEachDarkMoon) {
    // Every 37th lunation across the whole range: it begins at its dark moon
    // and lasts until two seconds before the next.
    for (int32_t k = -61900; k <= 12400; k += 37) {
        const double t = PhaseMomentGMT(k, 0);
        ASSERT_EQ(LunationAt(t), k) << k;
        ASSERT_EQ(LunationAt(std::nextafter(t, -INFINITY)), k - 1) << k;
        ASSERT_EQ(LunationAt(PhaseMomentGMT(k + 1, 0) - 2.0 / 86400.0), k) << k;
    }
}

TEST(Lunations, PhaseMomentsMatchTheServiceAfterTheMemoIsCleared) {
    const double first = PhaseMomentTDT(-30000, 2);
    ClearPhaseMomentCache();
    int32_t scratch = 0;
    EXPECT_EQ(PhaseMomentTDT(-30000, 2), quenta(-30000, 2, &scratch));
    EXPECT_EQ(PhaseMomentTDT(-30000, 2), first);
}

TEST(Lunations, GetPhaseWithinAndOutsideTheLunation) {
    const int32_t k = 250;
    bool exact = false;
    const double full = PhaseMomentGMT(k, 2);
    EXPECT_EQ(GetPhase(k, full, exact), 2);
    EXPECT_TRUE(exact);
    EXPECT_EQ(GetPhase(k, full + 5 * kSecond, exact), 2);
    EXPECT_FALSE(exact);
    EXPECT_EQ(GetPhase(k, full - 60 * kSecond, exact), 1);
    EXPECT_EQ(GetPhase(k, PhaseMomentGMT(k + 1, 0), exact), -1);
    EXPECT_EQ(GetPhase(k, PhaseMomentGMT(k, 0) - 60 * kSecond, exact), -2);
    EXPECT_EQ(GetPhase(k, PhaseMomentGMT(k, 3) + 1.0, exact), 3);
}

TEST(Lunations, MoonLongitudeOnlyFrom1600To2099) {
    double scratch = 0.0;
    const double start1600 = 2305448.0 - 0.5;  // 1600-01-01 00:00 GMT
    EXPECT_NE(MoonLongitude(start1600, &scratch), MoonLongitudeBefore1600);
    EXPECT_EQ(MoonLongitude(start1600 - 60 * kSecond, &scratch), MoonLongitudeBefore1600);
    EXPECT_EQ(MoonLongitude(2488070.0 - 0.5, &scratch), MoonLongitudeAfter2099);  // 2100-01-01 00:00 GMT
    EXPECT_NE(MoonLongitude(2488070.0 - 0.5 - 60 * kSecond, &scratch), MoonLongitudeAfter2099);
}
