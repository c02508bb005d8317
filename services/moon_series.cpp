#include "services/moon_series.h"

#include <cstddef>
#include <iterator>

#include "services/delta_t.h"
#include "services/earth_frames.h"
#include "services/fast_cosine.h"

namespace orbel {
namespace {

// The fuller truncation of ELP-2000/82 for the Moon's longitude (about 600
// terms; see tools/make_moon_series.sh), good to a few arcseconds
// over 1600-2100, for the final steps of the solvers and the Moon's longitude.
struct MoonTerm {
    double a, b, c, d, e, f;
};
struct MoonSeries {
    const MoonTerm* terms;
    size_t count;
};
#include "services/moon_series_data.inc"

// Sum over the series of A cos(B + C T + D T^2/1e4 + E T^3/1e8 + F T^4/1e8),
// the k-th series multiplied by T^k.
template <size_t N>
double SumMoonSeries(const MoonSeries (&series)[N], double T) {
    const double t2 = T * T * 1e-4, t3 = T * T * T * 1e-8, t4 = T * T * T * T * 1e-8;
    double total = 0.0, power = 1.0;
    for (const MoonSeries& s : series) {
        double sum = 0.0;
        for (size_t i = 0; i < s.count; ++i) {
            const MoonTerm& k = s.terms[i];
            sum += k.a * FastCos(k.b + k.c * T + k.d * t2 + k.e * t3 + k.f * t4);
        }
        total += sum * power;
        power *= T;
    }
    return total;
}

// Geometric longitude of the Moon (radians) referred to the mean ecliptic and
// equinox of date: the mean longitude W1 (referred to the equinox of J2000),
// the periodic terms, and the general precession in longitude (IAU 2006,
// Capitaine et al. 2003) that carries it to the equinox of date.
double MoonLongitudeOfDateGeometric(double jdTT) {
    const double T = (jdTT - J2000) / DaysPerJulianCentury;
    const double w1 = 3.81034392032 + T * (8.39968473021e+03 + T * (-3.31919929753e-05 + T * (3.20170955005e-08 - T * 1.53637455544e-10)));
    const double precession = T * (5028.792262 + T * (1.1124406 + T * (0.00007699 + T * (-0.000023479 - T * 0.0000000178))));
    return w1 + (SumMoonSeries(kMoon_l, T) + precession) * Arcsecond;
}

// The Moon as seen is where it was when the light left it. The light time is
// taken for the mean distance (1.282 s); the Moon's distance changes it by at
// most 0.07 s, or 0.04 arcsecond.
constexpr double kMoonMeanLightTime = 1.282 / 86400.0;  // days

}  // namespace

double MoonLongitudeOfDate(double jdTT) { return MoonLongitudeOfDateGeometric(jdTT - kMoonMeanLightTime); }

// The first 40 periodic terms (down to 4") and the first 3 of those
// multiplied by T, differentiated term by term for the rate.
double MoonLongitudeOfDateCoarse(double jdTT, double& rate) {
    constexpr size_t kLargest[] = {40, 3};
    const double T = (jdTT - kMoonMeanLightTime - J2000) / DaysPerJulianCentury;
    const double w1 = 3.81034392032 + T * (8.39968473021e+03 + T * (-3.31919929753e-05 + T * (3.20170955005e-08 - T * 1.53637455544e-10)));
    const double w1Rate = 8.39968473021e+03 + T * (-6.63839859506e-05 + T * (9.60512865015e-08 - T * 6.14549822176e-10));
    const double precession = T * (5028.792262 + T * (1.1124406 + T * (0.00007699 + T * (-0.000023479 - T * 0.0000000178))));
    const double precessionRate = 5028.792262 + T * (2.2248812 + T * (0.00023097 + T * (-0.000093916 - T * 0.000000089)));
    const double t2 = T * T * 1e-4, t3 = T * T * T * 1e-8, t4 = T * T * T * T * 1e-8;
    double value = 0.0, derivative = 0.0;  // arcseconds, and per century
    for (size_t k = 0; k < std::size(kLargest); ++k) {
        const MoonSeries& s = kMoon_l[k];
        const double power = k == 0 ? 1.0 : T;
        double sum = 0.0, sumRate = 0.0;
        for (size_t i = 0; i < kLargest[k] && i < s.count; ++i) {
            const MoonTerm& m = s.terms[i];
            const double arg = m.b + m.c * T + m.d * t2 + m.e * t3 + m.f * t4;
            const double argRate = m.c + (2.0 * m.d * T * 1e-4) + (3.0 * m.e * T * T * 1e-8) + (4.0 * m.f * T * T * T * 1e-8);
            sum += m.a * FastCos(arg);
            sumRate -= m.a * argRate * FastSin(arg);
        }
        value += sum * power;
        derivative += sumRate * power + (k == 0 ? 0.0 : sum);
    }
    rate = (w1Rate + (derivative + precessionRate) * Arcsecond) / DaysPerJulianCentury;
    return w1 + (value + precession) * Arcsecond;
}

double MoonApparentLongitudeTT(double jdTT) { return Wrap2Pi(MoonLongitudeOfDate(jdTT) + NutationInLongitude(jdTT)); }

double moonpos(double t, double* /*unused1*/, double* /*unused2*/) { return MoonApparentLongitudeTT(GmtToTT(t + J2000)); }

}  // namespace orbel
