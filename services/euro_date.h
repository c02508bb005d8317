#pragma once
#include <cstdint>

namespace orbel {

// A Western calendar date. The first five fields cross to the calendar
// conversion service as they stand; keep the layout.
struct EuroDate {
    int32_t year = 0;    // astronomical numbering: 0 is 1 BC
    int32_t month = 0;   // 1 to 12 (1 to 13 for the Pantheon Calendar)
    int32_t day = 0;
    int32_t letter = 'G';  // 'G' CE (proleptic Gregorian), 'J' JC, 'P' Pantheon
    int32_t jdn = 0;     // Julian day number
    int32_t valid = 0;   // 1 valid, 0 invalid
};
static_assert(sizeof(EuroDate) == 6 * sizeof(int32_t));

}  // namespace orbel
