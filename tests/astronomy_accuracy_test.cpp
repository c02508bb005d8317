// Accuracy of our astronomy against an independent ephemeris: Swiss Ephemeris
// in its Moshier mode (analytical theories fitted to JPL DE404), used only here.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "services/astronomy.h"

using namespace orbel;

namespace {

double Wrap180(double d) { return d - 360.0 * std::floor((d + 180.0) / 360.0); }

double RefLongitude(double jdTT, int body) {
    char err[AS_MAXCH];
    double xx[6];
    swe_calc(jdTT, body, SEFLG_MOSEPH, xx, err);
    return xx[0];
}

// The reference moment (TDT) at which f(t) reaches `target` degrees, found by
// the secant method from our own answer.
template <class F>
double RefSolve(double t, double target, double rate, F f) {
    for (int i = 0; i < 8; ++i) {
        const double e = Wrap180(f(t) - target);
        t -= e / rate;
        if (std::fabs(e) < 1e-7) break;
    }
    return t;
}

double RefPhase(double guess, int phase) {
    return RefSolve(guess, 90.0 * phase, 12.19,
                    [](double t) { return RefLongitude(t, SE_MOON) - RefLongitude(t, SE_SUN); });
}

double RefTerm(double guess, double longitude) {
    return RefSolve(guess, longitude, 0.9856, [](double t) { return RefLongitude(t, SE_SUN); });
}

constexpr double kSecondsPerDay = 86400.0;
// Lunation of the dark moon nearest 1600-01-01 and 2100-01-01.
constexpr int kLunation1600 = -4947;
constexpr int kLunation2100 = 1237;

struct Worst {
    double seconds = 0.0;
    double at = 0.0;
    void Add(double diffDays, double t) {
        if (std::fabs(diffDays) * kSecondsPerDay > seconds) {
            seconds = std::fabs(diffDays) * kSecondsPerDay;
            at = t;
        }
    }
};

}  // namespace

TEST(AstronomyAccuracy, PhaseMomentsAgreeWithReferenceFrom1600To2100) {
    Worst worst;
    int32_t scratch = 0;
    for (int k = kLunation1600; k <= kLunation2100; ++k)
        for (int p = 0; p < 4; ++p) {
            const double t = quenta(k, p, &scratch);
            worst.Add(t - RefPhase(t, p), t);
        }
    RecordProperty("max_seconds", std::to_string(worst.seconds));
    std::printf("phases 1600-2100: max difference %.1f s at JD %.4f\n", worst.seconds, worst.at);
    EXPECT_LT(worst.seconds, 20.0);
}

TEST(AstronomyAccuracy, PhaseMomentsAgreeWithReferenceOverTheWholeRange) {
    Worst worst;
    int32_t scratch = 0;
    // Every 7th lunation from -3000 to 3000 CE.
    for (int k = -61800; k <= 12380; k += 7)
        for (int p = 0; p < 4; ++p) {
            const double t = quenta(k, p, &scratch);
            worst.Add(t - RefPhase(t, p), t);
        }
    std::printf("phases -3000..3000: max difference %.1f s at JD %.4f\n", worst.seconds, worst.at);
    EXPECT_LT(worst.seconds, 600.0);
}

TEST(AstronomyAccuracy, SolarTermsAgreeWithReference) {
    Worst modern, all;
    // Term n is counted in 15-degree steps from the March equinox of 2000.
    const auto termAt = [](int64_t n) { return SolarTermMomentTT(n); };
    for (int64_t n = -24 * 400; n <= 24 * 100; ++n) {  // 1600 to 2100
        const double t = termAt(n);
        modern.Add(t - RefTerm(t, 15.0 * static_cast<double>(((n % 24) + 24) % 24)), t);
    }
    for (int64_t n = -24 * 5000; n <= 24 * 1000; n += 13) {
        const double t = termAt(n);
        all.Add(t - RefTerm(t, 15.0 * static_cast<double>(((n % 24) + 24) % 24)), t);
    }
    std::printf("solar terms 1600-2100: max difference %.1f s at JD %.4f\n", modern.seconds, modern.at);
    std::printf("solar terms -3000..3000: max difference %.1f s at JD %.4f\n", all.seconds, all.at);
    EXPECT_LT(modern.seconds, 20.0);
    EXPECT_LT(all.seconds, 600.0);
}

// The Sun's apparent longitude itself, every 10 days from 1600 to 2100 and
// every 97 days over the whole range; the solar terms above follow from it.
TEST(AstronomyAccuracy, SunLongitudeAgreesWithReference) {
    double modern = 0.0, all = 0.0;
    for (double t = 2305448.0; t <= 2488070.0; t += 10.0)
        modern = std::fmax(modern, std::fabs(Wrap180(SunApparentLongitudeTT(t) * 180.0 / M_PI - RefLongitude(t, SE_SUN))));
    for (double t = 626000.0; t <= 2816000.0; t += 97.0)
        all = std::fmax(all, std::fabs(Wrap180(SunApparentLongitudeTT(t) * 180.0 / M_PI - RefLongitude(t, SE_SUN))));
    std::printf("Sun 1600-2100: max difference %.3f\"; -3000..3000: %.3f\"\n", modern * 3600.0, all * 3600.0);
    EXPECT_LT(modern * 3600.0, 0.15);
    EXPECT_LT(all * 3600.0, 10.0);
}
