#include "services/sun_series.h"

#include <cstddef>
#include <iterator>

#include "services/angles.h"
#include "services/fast_cosine.h"

namespace orbel {
namespace {

// A cos(B + C tau), tau in Julian millennia from J2000.
struct SunTerm {
    double a, b, c;
};
// The terms multiplied by tau^k, by decreasing amplitude; the first `coarse`
// of them are the short series.
struct SunSeries {
    const SunTerm* terms;
    std::size_t count;
    std::size_t coarse;
};
#include "services/sun_series_data.inc"

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
// Light time for one astronomical unit (IAU 2012), in days.
constexpr double kLightDaysPerAu = 149597870700.0 / 299792458.0 / 86400.0;

// Sum over the power series, sum_k tau^k sum_i A cos(B + C tau), of the
// short series (`shortOnly`) or of the terms after it.
template <std::size_t N>
double Sum(const SunSeries (&series)[N], double tau, bool shortOnly) {
    double total = 0.0;
    for (std::size_t k = N; k-- > 0;) {
        const SunSeries& s = series[k];
        const std::size_t first = shortOnly ? 0 : s.coarse;
        const std::size_t last = shortOnly ? s.coarse : s.count;
        double sum = 0.0;
        for (std::size_t i = first; i < last; ++i) sum += s.terms[i].a * FastCos(s.terms[i].b + s.terms[i].c * tau);
        total = total * tau + sum;
    }
    return total;
}

// The short series and its derivative by tau.
struct ValueAndRate {
    double value = 0.0;
    double rate = 0.0;
};

template <std::size_t N>
ValueAndRate ShortSeries(const SunSeries (&series)[N], double tau) {
    ValueAndRate v;
    for (std::size_t k = N; k-- > 0;) {
        const SunSeries& s = series[k];
        double sum = 0.0, derivative = 0.0;
        for (std::size_t i = 0; i < s.coarse; ++i) {
            const SunTerm& t = s.terms[i];
            const double arg = t.b + t.c * tau;
            sum += t.a * FastCos(arg);
            derivative -= t.a * t.c * FastSin(arg);
        }
        // Horner's rule for the value and, by the product rule, its derivative.
        v.rate = v.rate * tau + v.value + derivative;
        v.value = v.value * tau + sum;
    }
    return v;
}

// Correction (arcseconds) to VSOP87D's longitude, T in Julian centuries
// from J2000, fitted by tools/fit_sun_frame.sh in two parts:
//  - the equinox of date. VSOP87D carries it by a precession whose rate at
//    J2000 is that of IAU 1976 (5029.0966" a century), 0.3" a century faster
//    than the rate today's observations support (IAU 2006, Capitaine et al.
//    2003). The powers of T from c1 on take it to the equinox of the
//    long-term precession of Vondrak, Capitaine & Wallace (2011), which holds
//    over the whole range, within 0.03".
//  - the frame and the mean motion. VSOP87 was fitted to the JPL ephemeris
//    DE200; a0 and a1 turn it to the ICRS axes and to the mean motion of
//    DE405 (through ERFA's eraEpv00), which brings it from 0.13" to within
//    0.1" of Swiss Ephemeris over 1600-2100.
double FrameCorrection(double T) {
    constexpr double a0 = -0.072241, a1 = 0.037765;
    constexpr double c1 = -2.966277e-01, c2 = -6.811854e-03, c3 = 1.098171e-06, c4 = -8.986021e-07;
    return a0 + T * (a1 + c1 + T * (c2 + T * (c3 + T * c4)));
}

// Geometric geocentric longitude from the Earth's heliocentric longitude L
// at tau.
double Geocentric(double tau, double L) { return L + Pi + FrameCorrection(10.0 * tau) * Arcsecond; }

}  // namespace

double SunLongitudeMeanOfDate(double jdTT) {
    const double tau = (jdTT - kJ2000) / kDaysPerMillennium;
    // Aberration for the Earth's Keplerian motion, whose transverse velocity
    // goes as 1/R (Meeus, Astronomical Algorithms, ch. 25); the Earth's
    // monthly motion about the Earth-Moon barycentre, left out, changes it
    // by under 0.01".
    constexpr double kAberration = 20.4898 * Arcsecond;
    const double L = Sum(kEarthL, tau, true) + Sum(kEarthL, tau, false);
    return Geocentric(tau, L) - kAberration / Sum(kEarthR, tau, true);
}

double SunLongitudeMeanOfDateCoarse(double jdTT, double& rate) {
    const double tau = (jdTT - kJ2000) / kDaysPerMillennium;
    const ValueAndRate L = ShortSeries(kEarthL, tau);
    rate = L.rate / kDaysPerMillennium;
    // Aberration: the arc the Earth's longitude sweeps in the light time R/c.
    return Geocentric(tau, L.value) - rate * Sum(kEarthR, tau, true) * kLightDaysPerAu;
}

}  // namespace orbel
