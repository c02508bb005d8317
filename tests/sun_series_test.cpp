// The Sun's series and the cosine beneath it: the properties the solvers
// rely on (a coarse Sun close to the full one, with the right rate) and the
// cosine's accuracy over the arguments the series produce.
#include <gtest/gtest.h>

#include <cmath>

#include "services/fast_cosine.h"
#include "services/sun_series.h"

using namespace orbel;

namespace {
constexpr double kArcsecond = M_PI / (180.0 * 3600.0);
}  // namespace

// Arguments up to 1e6 radians (the Moon's fastest term over 5000 years is
// 4e5), stepped by an irrational amount so that every phase of the turn and
// both ends of each half turn are visited.
TEST(FastCosine, AgreesWithTheLibraryOverTheSeriesArguments) {
    double worstCos = 0.0, worstSin = 0.0;
    for (double x = -1e6; x <= 1e6; x += 0.7853981 * 3.1) {
        const double bound = 1e-15 + 3e-16 * std::fabs(x);
        worstCos = std::fmax(worstCos, std::fabs(FastCos(x) - std::cos(x)) / bound);
        worstSin = std::fmax(worstSin, std::fabs(FastSin(x) - std::sin(x)) / bound);
    }
    EXPECT_LE(worstCos, 1.0);
    EXPECT_LE(worstSin, 1.0);
    for (double x : {0.0, M_PI / 2, M_PI, 3 * M_PI / 2, -M_PI, 1e5 * M_PI}) {
        EXPECT_NEAR(FastCos(x), std::cos(x), 1e-10) << x;
    }
}

// The solvers take the coarse Sun's rate for every step, the fine ones
// included: one fine step is enough only while the coarse Sun lies within
// seconds of arc of the fine one and its rate within about 1e-4 of itself.
TEST(SunSeries, CoarseSunFollowsTheFullSeriesOverTheWholeRange) {
    double worstOffset = 0.0, worstRate = 0.0;
    for (double jd = 625000.0; jd <= 2817000.0; jd += 97.3) {  // -3000 to 3000
        double rate;
        const double coarse = SunLongitudeMeanOfDateCoarse(jd, rate);
        const double fine = SunLongitudeMeanOfDate(jd);
        worstOffset = std::fmax(worstOffset, std::fabs(std::remainder(coarse - fine, 2 * M_PI)) / kArcsecond);
        constexpr double h = 0.05;  // day
        const double slope =
            std::remainder(SunLongitudeMeanOfDate(jd + h) - SunLongitudeMeanOfDate(jd - h), 2 * M_PI) / (2 * h);
        worstRate = std::fmax(worstRate, std::fabs(rate / slope - 1.0));
    }
    EXPECT_LT(worstOffset, 15.0);
    EXPECT_LT(worstRate, 1.5e-4);
}
