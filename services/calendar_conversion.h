#pragma once
// Western calendar arithmetic: CE (proleptic Gregorian) and JC (proleptic
// Julian) dates to and from Julian day numbers, astronomical year numbering.
#include <cstdint>
#include "dates/euro_date.h"

namespace orbel {

// Reads year, month, day and letter ('G' or 'J'); writes and returns the JDN.
int32_t euro_date_to_jdn(EuroDate* date);
// Reads jdn and letter; writes year, month and day. Returns 0.
int32_t jdn_to_euro_date(EuroDate* date);
// 0 Sunday ... 6 Saturday.
int32_t euro_day_of_week(int32_t jdn);

}  // namespace orbel
