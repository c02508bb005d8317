#pragma once
// Day numbers and the moments the program keeps: AJD (days from noon GMT),
// CJDL (days from midnight at London), CJDC (days from midnight at the
// reference meridian), JDN (the floor of a CJD).
#include <cstdint>
#include "dates/euro_date.h"

namespace orbel {

inline double AJDToCJDL(double ajd) { return ajd + 0.5; }
inline double CJDLToAJD(double cjdl) { return cjdl - 0.5; }
// `longitude`: reference meridian, whole degrees East.
inline double ToReferenceCJD(double ajd, int16_t longitude) { return (ajd + 0.5) + longitude / 360.0; }
inline double FromReferenceCJD(double cjdc, int16_t longitude) { return (cjdc - longitude / 360.0) - 0.5; }

// Writes the record's day number from year, month, day and letter; returns it.
int32_t EuroDateToJDN(EuroDate& date);
// Fills year, month and day from the record's day number and letter.
void JDNToEuroDate(EuroDate& date);

}  // namespace orbel
