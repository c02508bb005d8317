#pragma once
// The Earth's side of an apparent place: the epoch of the series' time
// argument, nutation in longitude, and the Sun's apparent longitude built from
// the Earth's series (services/sun_series.h).
#include <cmath>

#include "services/angles.h"
#include "services/sun_series.h"

namespace orbel {

inline constexpr double J2000 = 2451545.0;               // 2000-01-01 12:00 TDT, Julian date
inline constexpr double DaysPerJulianCentury = 36525.0;  // the unit T of the series

// Nutation in longitude (radians), IAU 2000B, at a TDT Julian date.
double NutationInLongitude(double jdTT);

// Nutation in longitude (radians) from its four largest terms (Meeus,
// Astronomical Algorithms, ch. 22), within 0.5": for the solvers' first steps,
// at a tenth of the cost of the full series. Inline: it sits in the solvers'
// innermost loop.
inline double NutationInLongitudeCoarse(double jdTT) {
    const double T = (jdTT - J2000) / DaysPerJulianCentury;
    const double omega = (125.04452 - 1934.136261 * T) * Degree;  // Moon's ascending node
    const double L = (280.4665 + 36000.7698 * T) * Degree;        // Sun's mean longitude
    const double Lm = (218.3165 + 481267.8813 * T) * Degree;      // Moon's mean longitude
    return (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * L) - 0.23 * std::sin(2 * Lm) + 0.21 * std::sin(2 * omega)) *
           Arcsecond;
}

// Apparent longitude of the Sun (radians, not reduced to one turn) from the
// coarse models, within about 10", and its rate (radians/day).
inline double SunApparentLongitudeCoarse(double jdTT, double& rate) {
    return SunLongitudeMeanOfDateCoarse(jdTT, rate) + NutationInLongitudeCoarse(jdTT);
}

// Apparent geocentric ecliptic longitude of the Sun (radians, 0..2pi, true
// equinox and ecliptic of date) at a TDT Julian date, from the full models.
double SunApparentLongitudeTT(double jdTT);

// The same at a GMT moment (AJD); also stored in `*out` unless it is null.
double sun_app(double ajdGmt, double* out);

}  // namespace orbel
