#include <gtest/gtest.h>

#include <cmath>

#include "dates/day_numbers.h"
#include "engine/quenta_module.h"
#include "services/astronomy.h"

namespace {

// AJD of a GMT moment given as a CE date and a time.
double Moment(int y, int m, int d, int hour, int minute) {
    orbel::EuroDate date;
    date.year = y;
    date.month = m;
    date.day = d;
    date.letter = 'G';
    return orbel::EuroDateToJDN(date) - 0.5 + (hour * 60 + minute) / 1440.0;
}

constexpr double Minute = 1.0 / 1440.0;

}  // namespace

TEST(Lunations, DarkMoonsFallAtTheirAlmanacTimes) {
    EXPECT_NEAR(orbel::Lunation0DarkMoon(), Moment(2000, 1, 6, 18, 13), 1.0 * Minute);
    EXPECT_EQ(orbel::LunationAt(orbel::Lunation0DarkMoon()), 0);
    // 2012-01-23 07:39 GMT (Chinese new year 2012); 2009-07-22 02:35 GMT (the
    // total solar eclipse).
    EXPECT_NEAR(orbel::PhaseMomentGMT(orbel::LunationAt(Moment(2012, 1, 23, 12, 0)), 0), Moment(2012, 1, 23, 7, 39),
                1.5 * Minute);
    EXPECT_NEAR(orbel::PhaseMomentGMT(orbel::LunationAt(Moment(2009, 7, 22, 12, 0)), 0), Moment(2009, 7, 22, 2, 35),
                1.5 * Minute);
}

TEST(Lunations, LunationAtChangesExactlyAtEachDarkMoon) {
    // Every 37th lunation across the whole range, in both directions.
    for (int32_t k = -61900; k <= 12400; k += 37) {
        const double t = orbel::PhaseMomentGMT(k, 0);
        ASSERT_EQ(orbel::LunationAt(t), k) << k;
        ASSERT_EQ(orbel::LunationAt(std::nextafter(t, -INFINITY)), k - 1) << k;
        ASSERT_EQ(orbel::LunationAt(t + 15.0), k) << k;
    }
}

TEST(Lunations, PhasesComeInOrderWithinALunation) {
    for (int32_t k = -61900; k <= 12400; k += 101) {
        double previous = orbel::PhaseMomentTDT(k, 0);
        for (int16_t p = 1; p <= 3; ++p) {
            const double t = orbel::PhaseMomentTDT(k, p);
            ASSERT_GT(t, previous) << k << " " << p;
            previous = t;
        }
        ASSERT_GT(orbel::PhaseMomentTDT(k + 1, 0), previous) << k;
    }
}

TEST(Lunations, PhaseMomentsMatchTheServiceAfterTheMemoIsCleared) {
    const double first = orbel::PhaseMomentTDT(-30000, 2);
    orbel::ClearPhaseMomentCache();
    int32_t scratch = 0;
    EXPECT_EQ(orbel::PhaseMomentTDT(-30000, 2), orbel::quenta(-30000, 2, &scratch));
    EXPECT_EQ(orbel::PhaseMomentTDT(-30000, 2), first);
}

TEST(GetPhase, MostRecentPhaseAndExactness) {
    const int32_t k = 150;
    const double fullMoon = orbel::PhaseMomentGMT(k, 2);
    bool exact = false;
    EXPECT_EQ(orbel::GetPhase(k, fullMoon, exact), 2);
    EXPECT_TRUE(exact);
    EXPECT_EQ(orbel::GetPhase(k, fullMoon + 5.0 / 86400.0, exact), 2);
    EXPECT_FALSE(exact);
    EXPECT_EQ(orbel::GetPhase(k, fullMoon - 60.0 / 86400.0, exact), 1);
    EXPECT_FALSE(exact);
    EXPECT_EQ(orbel::GetPhase(k, orbel::PhaseMomentGMT(k, 0), exact), 0);
    EXPECT_TRUE(exact);
    EXPECT_EQ(orbel::GetPhase(k, orbel::PhaseMomentGMT(k + 1, 0) + Minute, exact), -1);
    EXPECT_EQ(orbel::GetPhase(k, orbel::PhaseMomentGMT(k, 0) - Minute, exact), -2);
}

TEST(MoonLongitude, CallsTheServiceOnlyFrom1600To2099) {
    double scratch = 0.0;
    const double at1600 = orbel::MoonLongitude(Moment(1600, 1, 1, 0, 0), &scratch);
    EXPECT_NE(at1600, -99.0);
    EXPECT_GE(at1600, -7.0);
    EXPECT_LE(at1600, 7.0);
    EXPECT_EQ(orbel::MoonLongitude(Moment(1599, 12, 31, 23, 59), &scratch), -99.0);
    EXPECT_NE(orbel::MoonLongitude(Moment(2099, 12, 31, 23, 59), &scratch), -100.0);
    EXPECT_EQ(orbel::MoonLongitude(Moment(2100, 1, 1, 0, 0), &scratch), -100.0);
}

TEST(DeltaT, MomentTakesTheYearOfTheNearestDayHalvesToEven) {
    // 2451910 is 2000-12-31 and 2451911 is 2001-01-01 (GMT civil days).
    ASSERT_NE(orbel::DeltaTMinutes(2000), orbel::DeltaTMinutes(2001));
    EXPECT_EQ(orbel::DeltaTOfMoment(2451910.5), orbel::DeltaTMinutes(2000));  // 2451910 is even
    EXPECT_EQ(orbel::DeltaTOfMoment(2451910.5001), orbel::DeltaTMinutes(2001));
    EXPECT_EQ(orbel::DeltaTOfMoment(2451910.4999), orbel::DeltaTMinutes(2000));
    // 2451911 is odd: its half goes up to 2451912, still 2001.
    EXPECT_EQ(orbel::DeltaTOfMoment(2451911.5), orbel::DeltaTMinutes(2001));
    // Delta T is about a minute now and many hours three thousand years ago.
    EXPECT_NEAR(orbel::DeltaTMinutes(2000), 64.0 / 60.0, 0.1);
    EXPECT_GT(orbel::DeltaTMinutes(-3000), 600.0);
}
