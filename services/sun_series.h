#pragma once
// The Sun's geocentric longitude from the theory of the Earth VSOP87
// (Bretagnon & Francou 1988), version D, truncated for the calendars (see
// tools/make_sun_series.sh): referred to the mean ecliptic and equinox of
// date, so that no rotation of frames is needed. Nutation is the caller's.

namespace orbel {

// Apparent geocentric ecliptic longitude of the Sun (radians, not reduced to
// one turn), referred to the mean equinox and ecliptic of date, at a TDT
// Julian date: the full truncation, carried to the ICRS axes and corrected
// for aberration. Within 0.05" of the whole VSOP87D over 1600-2100.
double SunLongitudeMeanOfDate(double jdTT);

// The same from the series' largest terms (within about 10" over -3000..3000),
// and its rate in radians per day: the first steps of the solvers.
double SunLongitudeMeanOfDateCoarse(double jdTT, double& rate);

}  // namespace orbel
