#pragma once
// The astronomical services: lunar phases, delta T, and the apparent
// longitudes of the Moon and the Sun. Moments are astronomical Julian dates.
#include <cstdint>

namespace orbel {

// Moment (TDT) of phase `phase` (0 dark moon, 1 first quarter, 2 full moon,
// 3 last quarter) of lunation `lunation`; lunation 0 is the one whose dark moon
// falls on 2000-01-06. `scratch` is not used.
double quenta(int32_t lunation, int32_t phase, int32_t* scratch);

// Delta T = TDT - GMT in minutes for a whole CE year (astronomical numbering).
// `model` must be 1915 (the only model offered).
double deltat(double year, int32_t model);

// Apparent geocentric ecliptic longitude of the Moon (radians, true equinox
// and ecliptic of date) at `t` = AJD (GMT) - 2451545.0, the scale of sun_app.
double moonpos(double t, double* unused1, double* unused2);

// Fills six[0..5] with the TDT moments at which the Sun's apparent longitude
// reaches L, L + 15, ..., L + 75 degrees, where L is the multiple of 15 degrees
// nearest to the Sun's longitude at `start` (TDT). `end` is the next quarter
// point and is not otherwise needed. Returns six[0].
double solar_terms_true_sun(double start, double end, double* six);

// Apparent geocentric ecliptic longitude of the Sun (radians) at a GMT moment.
double sun_app(double ajdGmt, double* out);

// Below: the positions on the TDT scale, for callers that already have it.
double SunApparentLongitudeTT(double jdTT);   // radians, 0..2pi
double MoonApparentLongitudeTT(double jdTT);  // radians, 0..2pi
// Mean length of a fifteen-degree step of the Sun (days), and the mean March
// equinox of 2000 (TDT) from which the steps are counted.
inline constexpr double SolarTermMeanDays = 365.2421897 / 24.0;
inline constexpr double Equinox2000TT = 2451623.80984;

// TDT moment at which the Sun's apparent longitude reaches 15 * n degrees,
// n counted from the spring equinox of 2000 (n = 0) through all years.
double SolarTermMomentTT(int64_t n);

// Delta T in minutes at a moment (its civil year's value), and the moment
// taken from GMT (AJD) to Terrestrial Time and back; the two directions pick
// the same year, also at midnight on 1 January.
double DeltaTMinutesOfMoment(double ajd);
double GmtToTT(double ajd);
double TtToGmt(double jdTT);

// Empties the memo of solar-term moments (benchmarks measure cold costs with
// it empty).
void ClearAstronomyCaches();

}  // namespace orbel
