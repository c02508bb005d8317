#include "services/astronomy.h"

#include <erfa.h>

#include "services/angles.h"
#include "services/calendar_conversion.h"
#include "services/fast_cosine.h"
#include "services/memo_cache.h"
#include "services/sun_series.h"

#include <cmath>
#include <iterator>

namespace orbel {
namespace {

constexpr double kJ2000 = 2451545.0;

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

constexpr double kArcsecond = Pi / (180.0 * 3600.0);

// Geometric longitude of the Moon (radians) referred to the mean ecliptic and
// equinox of date: the mean longitude W1 (referred to the equinox of J2000),
// the periodic terms, and the general precession in longitude (IAU 2006,
// Capitaine et al. 2003) that carries it to the equinox of date.
double MoonLongitudeOfDateGeometric(double jdTT) {
    const double T = (jdTT - kJ2000) / 36525.0;
    const double w1 = 3.81034392032 + T * (8.39968473021e+03 + T * (-3.31919929753e-05 + T * (3.20170955005e-08 - T * 1.53637455544e-10)));
    const double precession = T * (5028.792262 + T * (1.1124406 + T * (0.00007699 + T * (-0.000023479 - T * 0.0000000178))));
    return w1 + (SumMoonSeries(kMoon_l, T) + precession) * kArcsecond;
}

// Mean-of-date longitude of the Moon as seen: taken at the time the light
// left it. The light time is taken for the mean distance (1.282 s); the
// Moon's distance changes it by at most 0.07 s, or 0.04 arcsecond.
constexpr double kMoonMeanLightTime = 1.282 / 86400.0;  // days

double MoonLongitudeOfDateFine(double jdTT) { return MoonLongitudeOfDateGeometric(jdTT - kMoonMeanLightTime); }

// The same from the series' largest terms (the first 40 periodic terms, down
// to 4", and the first 3 of those multiplied by T), within about half an
// arcminute, with its rate (radians/day): the coarse Moon of the solvers'
// first steps.
double MoonLongitudeOfDateCoarse(double jdTT, double& rate) {
    constexpr size_t kLargest[] = {40, 3};
    const double T = (jdTT - kMoonMeanLightTime - kJ2000) / 36525.0;
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
    rate = (w1Rate + (derivative + precessionRate) * kArcsecond) / 36525.0;
    return w1 + (value + precession) * kArcsecond;
}

// Nutation in longitude (radians), IAU 2000B.
double NutationInLongitude(double jdTT) {
    double dpsi, deps;
    eraNut00b(jdTT, 0.0, &dpsi, &deps);
    return dpsi;
}

// Nutation in longitude (radians) from its four largest terms (Meeus,
// Astronomical Algorithms, ch. 22), within 0.5": for the solvers' first steps,
// at a tenth of the cost of the full series.
double NutationInLongitudeCoarse(double jdTT) {
    const double T = (jdTT - kJ2000) / 36525.0;
    const double omega = (125.04452 - 1934.136261 * T) * Degree;  // Moon's ascending node
    const double L = (280.4665 + 36000.7698 * T) * Degree;        // Sun's mean longitude
    const double Lm = (218.3165 + 481267.8813 * T) * Degree;      // Moon's mean longitude
    return (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * L) - 0.23 * std::sin(2 * Lm) + 0.21 * std::sin(2 * omega)) *
           kArcsecond;
}

// Moon minus Sun apparent longitude (radians, unwrapped) and its rate, from
// the coarse models; nutation moves both longitudes alike.
void ElongationCoarse(double jdTT, double& e, double& rate) {
    double sunRate, moonRate;
    e = MoonLongitudeOfDateCoarse(jdTT, moonRate) - SunLongitudeMeanOfDateCoarse(jdTT, sunRate);
    rate = moonRate - sunRate;
}

// The same angle from the full models.
double ElongationFine(double jdTT) { return MoonLongitudeOfDateFine(jdTT) - SunLongitudeMeanOfDate(jdTT); }

// Apparent longitude of the Sun (radians) from the full models.
double SunLongitudeFine(double jdTT) { return SunLongitudeMeanOfDate(jdTT) + NutationInLongitude(jdTT); }

// Newton's method on f(t) = wrap(angle(t) - target); the starting guesses are
// within a day or so, where f is monotonic. The coarse models, with their
// analytic rates, bring t within a minute or so; the full models then finish
// with the last coarse rate, which differs from the true rate by about one
// part in 1e4, so that one fine step is nearly always enough.
// `enough` is the fine step below which one more would change t by less
// than about 1e-7 day, given how good the coarse rate is.
template <class Coarse, class Fine>
double SolveForAngle(double t, double target, Coarse coarse, Fine fine, double enough) {
    double rate = 1.0;
    for (int i = 0; i < 30; ++i) {
        double a;
        coarse(t, a, rate);
        const double dt = WrapPi(a - target) / rate;
        t -= dt;
        if (std::fabs(dt) < 1e-4) break;
    }
    for (int i = 0; i < 4; ++i) {
        const double dt = WrapPi(fine(t) - target) / rate;
        t -= dt;
        if (std::fabs(dt) < enough) break;
    }
    return t;
}

// Solar-term moments are pure functions of their number; a bounded memo
// lets the overlapping term spans of neighbouring years share them. (Phase
// moments are memoised by the lunation module, their one caller.)
// Consecutive terms take consecutive slots.
struct TermHash {
    std::size_t operator()(int64_t n) const { return static_cast<std::size_t>(static_cast<uint64_t>(n)); }
};

// 8192 slots hold every term of 340 consecutive years.
MemoCache<int64_t, double, TermHash>& TermMemo() {
    static MemoCache<int64_t, double, TermHash> memo(8192);
    return memo;
}

double PhaseMomentUncached(int32_t lunation, int32_t phase) {
    // Mean phase with its largest periodic corrections (Meeus, Astronomical
    // Algorithms, ch. 49) as the first guess: within half an hour, which
    // spares the solver two steps.
    const double k = lunation + phase / 4.0;
    const double T = k / 1236.85;
    double guess = 2451550.09766 + 29.530588861 * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
    const double M = (2.5534 + 29.10535670 * k) * Degree;       // Sun's mean anomaly
    const double Mm = (201.5643 + 385.81693528 * k) * Degree;   // Moon's mean anomaly
    const double F = (160.7108 + 390.67050284 * k) * Degree;    // Moon's argument of latitude
    if (phase == 0 || phase == 2)
        guess += -0.4067 * std::sin(Mm) + 0.1727 * std::sin(M) + 0.0161 * std::sin(2 * Mm) + 0.0104 * std::sin(2 * F);
    else
        guess += -0.6280 * std::sin(Mm) + 0.1717 * std::sin(M) + 0.0086 * std::sin(2 * Mm) + 0.0080 * std::sin(2 * F) +
                 (phase == 1 ? 0.0031 : -0.0031);
    // The elongation's coarse rate is good to about one part in 1e4: after a
    // step below 1e-3 day the error left is below 1e-7 day (9 ms).
    return SolveForAngle(guess, phase * (Pi / 2.0), ElongationCoarse, ElongationFine, 1e-3);
}


double SolarTermUncached(int64_t n) {
    const double guess = Equinox2000TT + static_cast<double>(n) * SolarTermMeanDays;
    const double target = WrapPi(static_cast<double>(n % 24) * 15.0 * Degree);
    const auto coarse = [](double t, double& a, double& rate) {
        a = SunLongitudeMeanOfDateCoarse(t, rate) + NutationInLongitudeCoarse(t);
    };
    // The fine steps stay within a few minutes of the coarse answer, in which
    // nutation changes by under 0.001": it is taken once, at the first of them.
    double nutation = 0.0;
    bool haveNutation = false;
    const auto fine = [&](double t) {
        if (!haveNutation) {
            nutation = NutationInLongitude(t);
            haveNutation = true;
        }
        return SunLongitudeMeanOfDate(t) + nutation;
    };
    // The Sun's coarse rate is good to about one part in 1e4 and its rate
    // changes slowly: after a step below 5e-3 day the error left is below
    // 5e-7 day (0.04 s).
    return SolveForAngle(guess, target, coarse, fine, 5e-3);
}

// Espenak & Meeus (2006), "Five Millennium Canon of Solar Eclipses", NASA
// TP-2006-214141: polynomial expressions for delta T (seconds), y a decimal year.
double DeltaTSeconds(double y) {
    if (y < -500.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    }
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 + u * (-1014.41 + u * (33.78311 + u * (-5.952053 + u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781 + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 + t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    if (y < 2150.0) return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    return -20.0 + 32.0 * u * u;
}

}  // namespace

// The delta T of a whole year is that of its middle; a moment takes the year
// of its civil day (a day begins at midnight, half a day before the AJD's
// whole number).
double DeltaTMinutesOfMoment(double ajd) {
    // Not a number, or beyond any day number: no year to take delta T from.
    if (!(std::fabs(ajd) < 1e9)) return std::nan("");
    return DeltaTSeconds(GregorianYearOfDay(static_cast<int32_t>(std::floor(ajd + 0.5))) + 0.5) / 60.0;
}

double GmtToTT(double ajd) { return ajd + DeltaTMinutesOfMoment(ajd) / 1440.0; }

// The GMT moment whose own year's delta T leads to `jdTT`, so that GmtToTT
// takes it back there: with the TT moment's year first, else with the year
// before (delta T is positive, so GMT is never in a later year). Only where
// delta T jumps up at midnight on 1 January does no such moment exist, and
// the first estimate stands.
double TtToGmt(double jdTT) {
    const double first = jdTT - DeltaTMinutesOfMoment(jdTT) / 1440.0;
    if (DeltaTMinutesOfMoment(first) == DeltaTMinutesOfMoment(jdTT)) return first;
    const double second = jdTT - DeltaTMinutesOfMoment(first) / 1440.0;
    return DeltaTMinutesOfMoment(second) == DeltaTMinutesOfMoment(first) ? second : first;
}

double SunApparentLongitudeTT(double jdTT) { return Wrap2Pi(SunLongitudeFine(jdTT)); }

double MoonApparentLongitudeTT(double jdTT) {
    return Wrap2Pi(MoonLongitudeOfDateFine(jdTT) + NutationInLongitude(jdTT));
}

void ClearAstronomyCaches() { TermMemo().Clear(); }

double SolarTermMomentTT(int64_t n) {
    return TermMemo().GetOrCompute(n, [n] { return SolarTermUncached(n); });
}

double quenta(int32_t lunation, int32_t phase, int32_t* /*scratch*/) { return PhaseMomentUncached(lunation, phase); }

double deltat(double year, int32_t model) {
    if (model != 1915) return std::nan("");
    // The middle of the year stands for the whole year.
    return DeltaTSeconds(year + 0.5) / 60.0;
}

double moonpos(double t, double* /*unused1*/, double* /*unused2*/) {
    return MoonApparentLongitudeTT(GmtToTT(t + kJ2000));
}

double solar_terms_true_sun(double start, double /*end*/, double* six) {
    // Which multiple of 15 degrees is nearest the Sun at `start`, and which
    // term that is, counted from the March equinox of 2000.
    // `start` lies close to a multiple of 15 degrees, so the coarse Sun is
    // ample to tell which.
    double rate;
    const double lon = Wrap2Pi(SunLongitudeMeanOfDateCoarse(start, rate) + NutationInLongitudeCoarse(start)) / Degree;
    const int64_t m = static_cast<int64_t>(std::llround(lon / 15.0)) % 24;  // 0..23 from the equinox
    const double estimate = (start - Equinox2000TT) / SolarTermMeanDays;
    const int64_t n = m + 24 * static_cast<int64_t>(std::llround((estimate - static_cast<double>(m)) / 24.0));
    for (int j = 0; j < 6; ++j) six[j] = SolarTermMomentTT(n + j);
    return six[0];
}

double sun_app(double ajdGmt, double* out) {
    const double lon = SunApparentLongitudeTT(GmtToTT(ajdGmt));
    if (out) *out = lon;
    return lon;
}

}  // namespace orbel
