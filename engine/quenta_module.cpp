#include "engine/quenta_module.h"

#include <cmath>
#include <limits>
#include <cstddef>

#include "dates/day_numbers.h"
#include "services/calendar_settings.h"
#include "services/calendar_conversion.h"
#include "services/memo_cache.h"
#include "services/delta_t.h"
#include "services/moment_solvers.h"
#include "services/moon_series.h"

namespace orbel {
namespace {

struct PhaseKey {
    int32_t lunation = 0;
    int16_t phase = 0;
    bool operator==(const PhaseKey&) const = default;
};

struct PhaseKeyHash {
    // Consecutive phases of consecutive lunations take consecutive slots.
    std::size_t operator()(const PhaseKey& k) const {
        return static_cast<std::size_t>(static_cast<uint32_t>(k.lunation) * 4u + static_cast<uint32_t>(k.phase & 3));
    }
};

// 8192 slots hold every phase of 2048 consecutive lunations (about 165 years).
MemoCache<PhaseKey, double, PhaseKeyHash>& PhaseCache() {
    static MemoCache<PhaseKey, double, PhaseKeyHash> cache(8192);
    return cache;
}

constexpr int32_t FirstMoonServiceDay = 2305448;  // 1600-01-01 CE
constexpr int32_t LastMoonServiceDay = 2488069;   // 2099-12-31 CE

}  // namespace

double Lunation0DarkMoon() {
    static const double moment = PhaseMomentGMT(0, 0);
    return moment;
}

double DeltaTMinutes(int32_t year) { return deltat(static_cast<double>(year), 1915); }

double DeltaTOfMoment(double moment) {
    if (!FitsDayArithmetic(moment)) return std::numeric_limits<double>::quiet_NaN();
    return DeltaTMinutesOfMoment(moment);
}

double PhaseMomentTDT(int32_t lunation, int16_t phase) {
    return PhaseCache().GetOrCompute(PhaseKey{lunation, phase}, [&] {
        int32_t scratch = 0;
        return quenta(lunation, phase, &scratch);
    });
}

double PhaseMomentGMT(int32_t lunation, int16_t phase) {
    const double t = PhaseMomentTDT(lunation, phase);
    return FitsDayArithmetic(t) ? TtToGmt(t) : std::numeric_limits<double>::quiet_NaN();
}

int32_t LunationAt(double moment) {
    // Not a number never compares, and the walk below would never end.
    if (!FitsDayArithmetic(moment)) return NoLunation;
    auto k = static_cast<int32_t>(std::floor((moment - Lunation0DarkMoon()) / MeanSynodicMonth));
    // The mean-month estimate is off by at most one lunation; walk to the right one.
    for (;;) {
        const double t0 = PhaseMomentGMT(k, 0);
        if (t0 > moment) {
            --k;
            continue;
        }
        if (moment < PhaseMomentGMT(k + 1, 0)) return k;
        ++k;
    }
}

// The comparisons are made with the GMT phase moments that LunationAt uses.
// Moving the moment to TDT with the delta T of its own year instead would,
// whenever a phase falls within delta T's step at a new year (up to half a
// minute a year in the far past), put a moment that LunationAt places in
// lunation k after the next dark moon, and the Moon display would report an
// error for an ordinary moment.
int16_t GetPhase(int32_t lunation, double moment, bool& exact) {
    exact = false;
    if (lunation == NoLunation || !FitsDayArithmetic(moment)) return -3;
    if (PhaseMomentGMT(lunation + 1, 0) <= moment) return -1;
    for (int16_t p = 3; p >= 0; --p) {
        const double t = PhaseMomentGMT(lunation, p);
        if (t <= moment) {
            exact = std::fabs(t - moment) < 0.00005;
            return p;
        }
    }
    return -2;
}

double MoonLongitude(double moment, double* scratch) {
    if (std::isnan(moment)) return moment;
    const double day = std::floor(moment + 0.5);
    if (day < FirstMoonServiceDay) return MoonLongitudeBefore1600;
    if (day > LastMoonServiceDay) return MoonLongitudeAfter2099;
    double local = 0.0;
    return moonpos(moment - 2451545.0, scratch, &local);
}

void ClearPhaseMomentCache() { PhaseCache().Clear(); }

}  // namespace orbel
