// Dark moons, lunations and phases on the GMT scale.
#include <gtest/gtest.h>

#include <cmath>

#include "dates/day_numbers.h"
#include "engine/quenta_module.h"

using namespace orbel;

namespace {
constexpr double kSecond = 1.0 / 86400.0;
}

TEST(Lunations, LunationZeroIsTheDarkMoonOf2000January6) {
    const double m = Lunation0DarkMoon();
    // 2000-01-06 18:13 GMT (published: 18:14 UT).
    const double expected = 2451549.5 + (18.0 + 13.0 / 60.0) / 24.0;
    EXPECT_NEAR(m, expected, 90 * kSecond);
    EXPECT_EQ(LunationAt(m), 0);
    EXPECT_EQ(LunationAt(m - 1e-6), -1);
}

TEST(Lunations, PhasesComeInOrderAndGmtTrailsTdtByDeltaT) {
    double previous = -1e300;
    for (int32_t k = -62000; k <= 12400; k += 997)
        for (int16_t p = 0; p < 4; ++p) {
            const double tdt = PhaseMomentTDT(k, p);
            const double gmt = PhaseMomentGMT(k, p);
            EXPECT_NEAR(tdt - gmt, DeltaTOfMoment(gmt) / 1440.0, 1e-9);
            if (p > 0) {
                EXPECT_GT(gmt, previous);
                EXPECT_LT(gmt - previous, 9.0);  // quarters are 6.5 to 8.5 days apart
            }
            previous = gmt;
        }
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

TEST(Lunations, DeltaTOfMomentUsesTheYearOfItsCivilDay) {
    // AJD 2451544.5 is 2000-01-01 00:00 GMT, the first moment of 2000.
    EXPECT_EQ(DeltaTOfMoment(2451544.5), DeltaTMinutes(2000));
    EXPECT_EQ(DeltaTOfMoment(2451544.4999), DeltaTMinutes(1999));
}

TEST(Lunations, MoonLongitudeOnlyFrom1600To2099) {
    double scratch = 0.0;
    const double start1600 = 2305448.0 - 0.5;  // 1600-01-01 00:00 GMT
    EXPECT_NE(MoonLongitude(start1600, &scratch), -99.0);
    EXPECT_EQ(MoonLongitude(start1600 - 60 * kSecond, &scratch), -99.0);
    EXPECT_EQ(MoonLongitude(2488070.0 - 0.5, &scratch), -100.0);  // 2100-01-01 00:00 GMT
    EXPECT_NE(MoonLongitude(2488070.0 - 0.5 - 60 * kSecond, &scratch), -100.0);
    // At a full moon the Moon stands opposite the Sun's longitude.
    const double full = PhaseMomentGMT(300, 2);
    const double moon = MoonLongitude(full, &scratch);
    const double sun = MoonLongitude(PhaseMomentGMT(300, 0), &scratch);  // at the dark moon
    // Half a month after the dark moon the Sun has moved on by about 15 degrees.
    EXPECT_NEAR(std::remainder(moon - sun, 2 * M_PI), -(M_PI - 14.8 / 180.0 * M_PI), 0.2);
}
