// Delta T of our model against the observed values that Swiss Ephemeris
// tabulates for the twentieth century and after (independent of our model).
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <utility>

#include "services/astronomy.h"

using namespace orbel;

TEST(DeltaT, WithinThreeSecondsOfObservedValues1900To2020) {
    double worst = 0.0;
    int worstYear = 0;
    for (int year = 1900; year <= 2020; ++year) {
        const double midYear = swe_julday(year, 7, 2, 0.0, SE_GREG_CAL);
        const double observed = swe_deltat_ex(midYear, SEFLG_MOSEPH, nullptr) * 86400.0;  // seconds
        const double ours = deltat(year, 1915) * 60.0;
        if (std::fabs(ours - observed) > worst) {
            worst = std::fabs(ours - observed);
            worstYear = year;
        }
    }
    std::printf("delta T 1900-2020: largest difference %.2f s in %d\n", worst, worstYear);
    EXPECT_LT(worst, 3.0);
}

TEST(DeltaT, AncientValueAndJoints) {
    // In minutes; far in the past delta T is hours: about 20.6 h at -3000.
    EXPECT_NEAR(deltat(-3000, 1915), 20.6 * 60.0, 0.2 * 60.0);
    // The pieces of the model join without jumps: the change across each
    // joint is close to the change of the year before.
    for (int year : {-500, 500, 1600, 1700, 1800, 1860, 1900, 1920, 1941, 1961, 1986, 2005, 2050, 2150}) {
        const double across = deltat(year, 1915) - deltat(year - 1, 1915);
        const double before = deltat(year - 1, 1915) - deltat(year - 2, 1915);
        EXPECT_NEAR(across, before, 3.0 / 60.0) << year;
    }
    EXPECT_TRUE(std::isnan(deltat(2000, 7)));  // no other model is offered
}

// A moment takes the delta T of its civil year, from its first minute on 1
// January; TT to GMT finds the moment whose own year's delta T leads to the
// TT moment, also in the minutes around that midnight, where the TT moment
// may already lie in the next year.
TEST(DeltaT, MidnightOfTheFirstOfJanuaryBelongsToTheNewYear) {
    for (const auto& [year, midnight] : {std::pair{2024, 2460310.5}, {-1000, 1355817.5}, {1, 1721425.5}}) {
        EXPECT_DOUBLE_EQ(DeltaTMinutesOfMoment(midnight), deltat(year, 1915)) << year;
        EXPECT_DOUBLE_EQ(DeltaTMinutesOfMoment(midnight - 1e-6), deltat(year - 1, 1915)) << year;
        for (double minutes = -30.0; minutes <= 30.0; minutes += 0.25) {
            const double tt = GmtToTT(midnight + minutes / 1440.0);
            EXPECT_NEAR(GmtToTT(TtToGmt(tt)), tt, 1e-9) << year << " " << minutes;
        }
    }
    EXPECT_TRUE(std::isnan(DeltaTMinutesOfMoment(std::nan(""))));
}
