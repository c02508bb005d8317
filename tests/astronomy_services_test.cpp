// Contracts of the astronomical services: time scales, orders and units.
#include <gtest/gtest.h>

#include <cmath>

#include "services/astronomy.h"

using namespace orbel;

namespace {
constexpr double kDeg = M_PI / 180.0;
double AngleDiff(double a, double b) { return std::remainder(a - b, 2 * M_PI); }
}  // namespace

// The six terms start from the multiple of 15 degrees nearest the Sun at
// `start`, so a start a few minutes before or after the quarter point (as the
// approximate quarter-point series gives) yields the same six moments.
TEST(AstronomyServices, SolarTermsFromAStartNearTheQuarterPoint) {
    double exact[6];
    const double june2024 = SolarTermMomentTT(24 * 24 + 6);  // June solstice of 2024
    solar_terms_true_sun(june2024, june2024 + 93.0, exact);
    EXPECT_NEAR(SunApparentLongitudeTT(exact[0]), 90.0 * kDeg, 1e-7);
    for (double offsetMinutes : {-30.0, -1.0, 1.0, 30.0, 600.0}) {
        double six[6];
        solar_terms_true_sun(june2024 + offsetMinutes / 1440.0, june2024 + 93.0, six);
        for (int j = 0; j < 6; ++j) {
            EXPECT_DOUBLE_EQ(six[j], exact[j]) << offsetMinutes << " " << j;
        }
    }
    for (int j = 0; j < 6; ++j)
        EXPECT_NEAR(AngleDiff(SunApparentLongitudeTT(exact[j]), (90.0 + 15.0 * j) * kDeg), 0.0, 2e-8);  // 4 ms of the Sun's motion
}

TEST(AstronomyServices, PhasesInOrderAtTheRightElongation) {
    int32_t scratch = 0;
    for (int32_t k : {-61800, -1, 0, 1, 12380}) {
        double previous = quenta(k - 1, 3, &scratch);
        for (int p = 0; p < 4; ++p) {
            const double t = quenta(k, p, &scratch);
            EXPECT_GT(t, previous);
            previous = t;
            const double e = MoonApparentLongitudeTT(t) - SunApparentLongitudeTT(t);
            EXPECT_NEAR(AngleDiff(e, p * 90.0 * kDeg), 0.0, 1e-6) << k << " " << p;
        }
    }
    EXPECT_EQ(scratch, 0);
}

// sun_app and moonpos take GMT moments; the positions themselves are on TDT.
TEST(AstronomyServices, GmtArgumentsAreShiftedByDeltaT) {
    const double gmt = 2451545.0;
    const double tt = gmt + deltat(2000, 1915) / 1440.0;
    double out = 0.0;
    EXPECT_NEAR(sun_app(gmt, &out), SunApparentLongitudeTT(tt), 1e-9);
    EXPECT_EQ(out, sun_app(gmt, nullptr));
    double a = 0.0, b = 0.0;
    EXPECT_NEAR(moonpos(gmt - 2451545.0, &a, &b), MoonApparentLongitudeTT(tt), 1e-9);
}
