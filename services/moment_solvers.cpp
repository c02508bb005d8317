#include "services/moment_solvers.h"

#include <cmath>
#include <cstddef>

#include "services/earth_frames.h"
#include "services/memo_cache.h"
#include "services/moon_series.h"
#include "services/sun_series.h"

namespace orbel {
namespace {

// Moon minus Sun apparent longitude (radians, unwrapped) and its rate, from
// the coarse models; nutation moves both longitudes alike.
void ElongationCoarse(double jdTT, double& e, double& rate) {
    double sunRate, moonRate;
    e = MoonLongitudeOfDateCoarse(jdTT, moonRate) - SunLongitudeMeanOfDateCoarse(jdTT, sunRate);
    rate = moonRate - sunRate;
}

// The same angle from the full models.
double ElongationFine(double jdTT) { return MoonLongitudeOfDate(jdTT) - SunLongitudeMeanOfDate(jdTT); }

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
    const auto coarse = [](double t, double& a, double& rate) { a = SunApparentLongitudeCoarse(t, rate); };
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

}  // namespace

void ClearAstronomyCaches() { TermMemo().Clear(); }

double SolarTermMomentTT(int64_t n) {
    return TermMemo().GetOrCompute(n, [n] { return SolarTermUncached(n); });
}

double quenta(int32_t lunation, int32_t phase, int32_t* /*scratch*/) { return PhaseMomentUncached(lunation, phase); }

double solar_terms_true_sun(double start, double /*end*/, double* six) {
    // Which multiple of 15 degrees is nearest the Sun at `start`, and which
    // term that is, counted from the March equinox of 2000.
    // `start` lies close to a multiple of 15 degrees, so the coarse Sun is
    // ample to tell which.
    double rate;
    const double lon = Wrap2Pi(SunApparentLongitudeCoarse(start, rate)) / Degree;
    const int64_t m = static_cast<int64_t>(std::llround(lon / 15.0)) % 24;  // 0..23 from the equinox
    const double estimate = (start - Equinox2000TT) / SolarTermMeanDays;
    const int64_t n = m + 24 * static_cast<int64_t>(std::llround((estimate - static_cast<double>(m)) / 24.0));
    for (int j = 0; j < 6; ++j) six[j] = SolarTermMomentTT(n + j);
    return six[0];
}

}  // namespace orbel
