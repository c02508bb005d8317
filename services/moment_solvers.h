#pragma once
// The moments of the Moon's phases and of the Sun's fifteen-degree steps (the
// solar terms), found by solving the longitudes for them. Moments are TDT
// Julian dates.
#include <cstdint>

namespace orbel {

// Moment (TDT) of phase `phase` (0 dark moon, 1 first quarter, 2 full moon,
// 3 last quarter) of lunation `lunation`; lunation 0 is the one whose dark moon
// falls on 2000-01-06. `scratch` is not used.
double quenta(int32_t lunation, int32_t phase, int32_t* scratch);

// Mean length of a fifteen-degree step of the Sun (days), and the mean March
// equinox of 2000 (TDT) from which the steps are counted.
inline constexpr double SolarTermMeanDays = 365.2421897 / 24.0;
inline constexpr double Equinox2000TT = 2451623.80984;

// TDT moment at which the Sun's apparent longitude reaches 15 * n degrees,
// n counted from the spring equinox of 2000 (n = 0) through all years.
double SolarTermMomentTT(int64_t n);

// Fills six[0..5] with the TDT moments at which the Sun's apparent longitude
// reaches L, L + 15, ..., L + 75 degrees, where L is the multiple of 15 degrees
// nearest to the Sun's longitude at `start` (TDT). `end` is the next quarter
// point and is not otherwise needed. Returns six[0].
double solar_terms_true_sun(double start, double end, double* six);

// Empties the memo of solar-term moments (benchmarks measure cold costs with
// it empty).
void ClearAstronomyCaches();

}  // namespace orbel
