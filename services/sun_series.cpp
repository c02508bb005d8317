#include "services/sun_series.h"

#include <cstddef>
#include <iterator>

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

constexpr double kPi = 3.14159265358979323846;
constexpr double kArcsecond = kPi / (180.0 * 3600.0);
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
// Light time for one astronomical unit (IAU 2012), in days.
constexpr double kLightDaysPerAu = 149597870700.0 / 299792458.0 / 86400.0;
// From the dynamical equinox and ecliptic of VSOP87 to the FK5 frame
// (Bretagnon & Francou 1988; Meeus, Astronomical Algorithms, ch. 32). The
// companion term in the Sun's latitude, under 1e-6", is left out.
constexpr double kToFk5 = -0.09033 * kArcsecond;

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

// VSOP87D counts its longitudes from the equinox of date carried by its own
// precession, whose rate at J2000 is that of IAU 1976 (5029.0966" a
// century), 0.3" a century faster than the rate that today's observations
// support (IAU 2006, Capitaine et al. 2003). The correction (arcseconds) to
// the equinox of the long-term precession of Vondrak, Capitaine & Wallace
// (2011), which holds over the whole range: VSOP87B (ecliptic of J2000)
// carried to the date by that precession minus VSOP87D, fitted in powers of
// T (Julian centuries from J2000) over -3000..3000 by
// tools/fit_sun_precession.sh, within 0.03".
double PrecessionCorrection(double T) {
    return T * (-2.966277e-01 + T * (-6.811854e-03 + T * (1.098171e-06 + T * -8.986021e-07)));
}

// Geocentric longitude from the Earth's heliocentric longitude L, radius R
// (au) and rate of L (rad/day), at tau. Aberration displaces the Sun against
// its motion by the arc the Earth's longitude sweeps in the light time R/c.
double Apparent(double tau, double L, double R, double rate) {
    return L + kPi + kToFk5 + PrecessionCorrection(10.0 * tau) * kArcsecond - rate * R * kLightDaysPerAu;
}

}  // namespace

double SunLongitudeMeanOfDate(double jdTT) {
    const double tau = (jdTT - kJ2000) / kDaysPerMillennium;
    const ValueAndRate L = ShortSeries(kEarthL, tau);
    // The remaining terms move the rate by under 1e-6 of itself.
    return Apparent(tau, L.value + Sum(kEarthL, tau, false), Sum(kEarthR, tau, true), L.rate / kDaysPerMillennium);
}

double SunLongitudeMeanOfDateCoarse(double jdTT, double& rate) {
    const double tau = (jdTT - kJ2000) / kDaysPerMillennium;
    const ValueAndRate L = ShortSeries(kEarthL, tau);
    rate = L.rate / kDaysPerMillennium;
    return Apparent(tau, L.value, Sum(kEarthR, tau, true), rate);
}

}  // namespace orbel
