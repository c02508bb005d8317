#pragma once
// Delta T = TDT - GMT, and the moments taken between the two scales.
#include <cstdint>

namespace orbel {

// Delta T in minutes for a whole CE year (astronomical numbering).
// `model` must be 1915 (the only model offered); any other gives not a number.
double deltat(double year, int32_t model);

// Delta T in minutes at a moment (its civil year's value), and the moment
// taken from GMT (AJD) to Terrestrial Time and back; the two directions pick
// the same year, also at midnight on 1 January.
double DeltaTMinutesOfMoment(double ajd);
double GmtToTT(double ajd);
double TtToGmt(double jdTT);

}  // namespace orbel
