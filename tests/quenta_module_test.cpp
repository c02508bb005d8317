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
    // 2012-01-23 07:39 GMT (Chinese new year 2012); 2009-07-22 02:35 GMT (the
    // total solar eclipse).
    EXPECT_NEAR(orbel::PhaseMomentGMT(orbel::LunationAt(Moment(2012, 1, 23, 12, 0)), 0), Moment(2012, 1, 23, 7, 39),
                1.5 * Minute);
    EXPECT_NEAR(orbel::PhaseMomentGMT(orbel::LunationAt(Moment(2009, 7, 22, 12, 0)), 0), Moment(2009, 7, 22, 2, 35),
                1.5 * Minute);
}

TEST(Lunations, LunationAtChangesExactlyAtEachDarkMoon) {
    // Every 37th lunation across the whole range: it begins at its dark moon
    // and lasts until two seconds before the next.
    for (int32_t k = -61900; k <= 12400; k += 37) {
        const double t = orbel::PhaseMomentGMT(k, 0);
        ASSERT_EQ(orbel::LunationAt(t), k) << k;
        ASSERT_EQ(orbel::LunationAt(std::nextafter(t, -INFINITY)), k - 1) << k;
        ASSERT_EQ(orbel::LunationAt(orbel::PhaseMomentGMT(k + 1, 0) - 2.0 / 86400.0), k) << k;
    }
}

TEST(Lunations, PhaseMomentsMatchTheServiceAfterTheMemoIsCleared) {
    const double first = orbel::PhaseMomentTDT(-30000, 2);
    orbel::ClearPhaseMomentCache();
    int32_t scratch = 0;
    EXPECT_EQ(orbel::PhaseMomentTDT(-30000, 2), orbel::quenta(-30000, 2, &scratch));
    EXPECT_EQ(orbel::PhaseMomentTDT(-30000, 2), first);
}
