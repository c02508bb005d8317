// The Moon's lit fraction against an independent ephemeris: Swiss Ephemeris in
// its Moshier mode, used only here.
//
// Our positional fraction is (1 - cos e) / 2 of the difference e of the
// apparent ecliptic longitudes of the Moon and the Sun. The true illuminated
// fraction differs from it by the Moon's latitude (up to 5.3 degrees) and by
// the Sun's parallax as seen from the Moon; the largest differences are given
// in the messages below.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "engine/moon_data.h"
#include "engine/quenta_module.h"

using namespace orbel;

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kFirstMoment = 2305447.5;  // 1600-01-01 00:00 GMT
constexpr double kEndMoment = 2488069.5;    // 2100-01-01 00:00 GMT
// A step that is no simple fraction of a day or a lunation, so that the
// samples fall at every hour and at every age of the Moon.
constexpr double kStep = 3.3179;  // days

struct Largest {
    double diff = 0.0;
    double at = 0.0;
    void Add(double d, double ajd) {
        if (std::fabs(d) > diff) {
            diff = std::fabs(d);
            at = ajd;
        }
    }
};

// Illuminated fraction (0 to 1) of the Moon at a UT moment.
double RefIlluminated(double jdUT) {
    double attr[20];
    char err[AS_MAXCH];
    swe_pheno_ut(jdUT, SE_MOON, SEFLG_MOSEPH, attr, err);
    return attr[1];
}

// The longitude-only fraction from the reference's apparent longitudes.
double RefLongitudeFraction(double jdUT) {
    double moon[6], sun[6];
    char err[AS_MAXCH];
    swe_calc_ut(jdUT, SE_MOON, SEFLG_MOSEPH, moon, err);
    swe_calc_ut(jdUT, SE_SUN, SEFLG_MOSEPH, sun, err);
    return (1.0 - std::cos((moon[0] - sun[0]) * kDegree)) / 2.0;
}

double ApproximateAt(double ajd) {
    const int32_t k = LunationAt(ajd);
    bool exact = false;
    const int16_t p = GetPhase(k, ajd, exact);
    return ApproximateLitFraction(ajd, k, p < 0 ? 0 : p);
}

}  // namespace

TEST(MoonDataAccuracy, PositionalFraction1600To2100) {
    Largest vsTrue, vsLongitudes;
    int samples = 0;
    for (double m = kFirstMoment; m < kEndMoment; m += kStep, ++samples) {
        const std::optional<double> f = PositionalLitFraction(m);
        ASSERT_TRUE(f.has_value()) << m;
        vsTrue.Add(*f - RefIlluminated(m), m);
        vsLongitudes.Add(*f - RefLongitudeFraction(m), m);
    }
    std::printf("lit fraction, %d moments 1600-2099: largest difference from the reference's illuminated "
                "fraction %.5f (AJD %.4f), from the longitude formula on the reference's longitudes %.6f "
                "(AJD %.4f)\n",
                samples, vsTrue.diff, vsTrue.at, vsLongitudes.diff, vsLongitudes.at);
    EXPECT_LT(vsTrue.diff, 0.005) << "at AJD " << vsTrue.at;
    // Our longitudes themselves agree with the reference's to about an
    // arcminute at worst (0.0003 of f is 69 arcseconds at the quarters), the
    // rest being mostly the two models of delta T near 2100.
    EXPECT_LT(vsLongitudes.diff, 0.0003) << "at AJD " << vsLongitudes.at;
}

// At the start of 1600 the display changes from the approximate method to the
// positional one; the two must tell nearly the same Moon there.
TEST(MoonDataAccuracy, MethodsMeetIn1600) {
    Largest approxVsPositional, approxVsTrue;
    for (double m = kFirstMoment; m < kFirstMoment + 60.0; m += 0.25) {
        const double approx = ApproximateAt(m);
        approxVsPositional.Add(approx - *PositionalLitFraction(m), m);
        approxVsTrue.Add(approx - RefIlluminated(m), m);
    }
    std::printf("around 1600-01-01, 60 days every 6 hours: approximate minus positional up to %.4f (AJD %.2f); "
                "approximate minus reference up to %.4f\n",
                approxVsPositional.diff, approxVsPositional.at, approxVsTrue.diff);
    EXPECT_LT(approxVsPositional.diff, 0.03);
    // The last approximate moment and the first positional one.
    const MoonDisplay before = ComputeMoonDisplay(kFirstMoment - 1.0 / 1440.0);
    const MoonDisplay after = ComputeMoonDisplay(kFirstMoment);
    EXPECT_FALSE(before.positional);
    EXPECT_TRUE(after.positional);
    EXPECT_NEAR(before.f, after.f, 0.03);
}
