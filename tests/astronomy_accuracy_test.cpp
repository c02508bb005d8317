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

// Every lunation from 1600 to 2100 and every 7th over the whole range
// (-3000 to 3000); term n is counted in 15-degree steps from the March
// equinox of 2000.
TEST(AstronomyAccuracy, PhasesAndSolarTermsAgreeWithReference) {
    struct Span {
        const char* name;
        int64_t first, last, step;
        double limitSeconds;
    };
    const Span phaseSpans[] = {{"1600-2100", kLunation1600, kLunation2100, 1, 20.0},
                               {"-3000..3000", -61800, 12380, 7, 600.0}};
    const Span termSpans[] = {{"1600-2100", -24 * 400, 24 * 100, 1, 20.0},
                              {"-3000..3000", -24 * 5000, 24 * 1000, 13, 600.0}};
    int32_t scratch = 0;
    for (const Span& span : phaseSpans) {
        Worst worst;
        for (int64_t k = span.first; k <= span.last; k += span.step)
            for (int p = 0; p < 4; ++p) {
                const double t = quenta(static_cast<int32_t>(k), p, &scratch);
                worst.Add(t - RefPhase(t, p), t);
            }
        std::printf("phases %s: max difference %.1f s at JD %.4f\n", span.name, worst.seconds, worst.at);
        EXPECT_LT(worst.seconds, span.limitSeconds) << span.name;
    }
    for (const Span& span : termSpans) {
        Worst worst;
        for (int64_t n = span.first; n <= span.last; n += span.step) {
            const double t = SolarTermMomentTT(n);
            worst.Add(t - RefTerm(t, 15.0 * static_cast<double>(((n % 24) + 24) % 24)), t);
        }
        std::printf("solar terms %s: max difference %.1f s at JD %.4f\n", span.name, worst.seconds, worst.at);
        EXPECT_LT(worst.seconds, span.limitSeconds) << span.name;
    }
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
