#pragma once
#include <cstdint>

namespace orbel {

// A Chinese lunar date. The layout is also the binary interface of the
// date-string library; keep it as ten 32-bit integers in this order.
struct ChlDate {
    int32_t epoch = -2696;
    int32_t cycle = 0;
    int32_t position = 0;  // 1 to 60
    int32_t element = -1;  // 0 to 4, or -1
    int32_t animal = -1;   // 0 to 11, or -1
    int32_t month = 0;     // 1 to 12
    int32_t day = 0;       // 1 to 30
    int32_t valid = 0;
    int32_t jdn = 0;       // day number at the reference meridian
    int32_t leap = 0;      // 1 for a leap month
};
static_assert(sizeof(ChlDate) == 10 * sizeof(int32_t));

// A Chinese solar date: day of a solar term of a sui. Nine 32-bit integers.
struct ChsDate {
    int32_t epoch = -2696;
    int32_t cycle = 0;
    int32_t position = 0;  // 1 to 60
    int32_t element = -1;
    int32_t animal = -1;
    int32_t term = 0;      // 1 (winter solstice) to 24
    int32_t day = 0;       // 1 to 16
    int32_t valid = 0;     // ChsSkipSolarDate on input to CJDateToChDates
    int32_t jdn = 0;
};
static_assert(sizeof(ChsDate) == 9 * sizeof(int32_t));

// The valid flag of a ChsDate given to CJDateToChDates when only the lunar
// date is wanted: the solar date is skipped, and the flag is left as it was.
inline constexpr int32_t ChsSkipSolarDate = -99;

}  // namespace orbel
