#pragma once
// Dark moons, lunations and delta T: the lunar-phase and delta T services
// turned into the few operations the calendars use. Every moment that leaves
// this module is an astronomical Julian date on the GMT scale (AJD); TDT, the
// scale of the phase service, stays inside.
//
// Phase numbers: 0 dark moon, 1 first quarter, 2 full moon, 3 last quarter.
// Lunation k runs from its own dark moon to the dark moon of lunation k + 1;
// lunation 0 begins with the dark moon of 2000-01-06 at 18:13 GMT.
#include <cstdint>

namespace orbel {

inline constexpr double MeanSynodicMonth = 29.5305888531;  // days

// AJD of the dark moon of lunation 0.
double Lunation0DarkMoon();

// Delta T (TDT - GMT) in minutes for a CE year (astronomical numbering).
double DeltaTMinutes(int32_t year);

// Delta T in minutes for the CE year of the GMT civil day containing `moment`
// (AJD rounded to the nearest whole number, halves to even); not a number
// for a moment that does not fit the day arithmetic.
double DeltaTOfMoment(double moment);

// TDT moment of phase `phase` of lunation `lunation`. Memoised.
double PhaseMomentTDT(int32_t lunation, int16_t phase);

// AJD (GMT) of that phase; delta T is taken at the TDT moment itself.
double PhaseMomentGMT(int32_t lunation, int16_t phase);

// The lunation k with PhaseMomentGMT(k, 0) <= moment < PhaseMomentGMT(k + 1, 0),
// or NoLunation for a moment that is not a number, infinite or beyond any
// calendar (FitsDayArithmetic).
inline constexpr int32_t NoLunation = INT32_MIN;
int32_t LunationAt(double moment);

// The principal phase (0..3) most recently reached within lunation k at the
// moment (AJD); -1 if the moment is at or after the next dark moon, -2 if it
// is before the dark moon of lunation k, -3 for NoLunation or a moment that
// LunationAt refuses. `exact` is set when the moment lies within 0.00005 day
// (about 4.3 s) of that phase.
int16_t GetPhase(int32_t lunation, double moment, bool& exact);

// What MoonLongitude gives outside the years its series serves.
inline constexpr double MoonLongitudeBefore1600 = -99.0;  // days before 1600-01-01 CE
inline constexpr double MoonLongitudeAfter2099 = -100.0;  // days after 2099-12-31 CE

// The Moon's ecliptic longitude in radians at the moment (AJD), or one of the
// two values above outside 1600-2099; not a number for a moment that is not
// a number.
double MoonLongitude(double moment, double* scratch);

// Empties the phase-moment memo (benchmarks measure cold costs with it).
void ClearPhaseMomentCache();

}  // namespace orbel
