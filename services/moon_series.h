#pragma once
// The Moon's geocentric longitude from the lunar theory ELP-2000/82
// (Chapront-Touze & Chapront), truncated for the calendars (see
// tools/make_moon_series.sh).

namespace orbel {

// Longitude of the Moon as seen (radians, not reduced to one turn), referred
// to the mean ecliptic and equinox of date, at a TDT Julian date: the fuller
// truncation, good to a few arcseconds over 1600-2100. Nutation is the caller's.
double MoonLongitudeOfDate(double jdTT);

// The same from the series' largest terms, within about half an arcminute,
// with its rate (radians/day): the coarse Moon of the solvers' first steps.
double MoonLongitudeOfDateCoarse(double jdTT, double& rate);

// Apparent geocentric ecliptic longitude of the Moon (radians, 0..2pi, true
// equinox and ecliptic of date) at a TDT Julian date.
double MoonApparentLongitudeTT(double jdTT);

// The same at `t` = AJD (GMT) - 2451545.0, the scale of sun_app.
double moonpos(double t, double* unused1, double* unused2);

}  // namespace orbel
