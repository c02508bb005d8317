#pragma once
// Western calendar arithmetic: CE (proleptic Gregorian) and JC (proleptic
// Julian) dates to and from Julian day numbers, astronomical year numbering.
#include <cstdint>
#include "services/euro_date.h"

namespace orbel {

// Reads year, month, day and letter ('G' or 'J'); writes and returns the JDN.
int32_t euro_date_to_jdn(EuroDate* date);
// Reads jdn and letter; writes year, month and day. Returns 0.
int32_t jdn_to_euro_date(EuroDate* date);
// 0 Sunday ... 6 Saturday.
int32_t euro_day_of_week(int32_t jdn);

// A record of the given calendar date, day number not yet set.
EuroDate MakeEuroDate(int32_t year, int32_t month, int32_t day, char letter);
// Day number of a CE date, and the CE year of a day number.
int32_t GregorianDayNumber(int32_t year, int32_t month, int32_t day);
int32_t GregorianYearOfDay(int32_t jdn);

// Status codes of str_to_date.
inline constexpr int32_t StrToDateOk = 0;
inline constexpr int32_t StrToDateNotADate = -1;    // not year-month-day, or no string
inline constexpr int32_t StrToDateBadOrder = -2;    // an order code other than 2
inline constexpr int32_t StrToDateBadMonth = -3;    // month outside 1..12 (1..13 for 'P')
inline constexpr int32_t StrToDateBadDay = -4;      // day not in that month ('G', 'J'), or 0
inline constexpr int32_t StrToDateYearRange = -5;   // |year| > StrToDateMaxYear
inline constexpr int32_t StrToDateMaxYear = 999999;
inline constexpr int32_t StrToDateOrderYMD = 2;

// Reads `text` as year-month-day (order code 2, the only one supported): an
// optional "-" before the year, then three runs of digits joined by "-", and
// nothing else. `letter` is 'G' (CE) or 'J' (JC), whose dates must exist, or
// 'P' (Pantheon), for which only month 1..13 and day >= 1 are checked here.
// On success writes year, month, day and letter into `date` and returns 0;
// otherwise returns one of the negative codes above and leaves `date` as it
// was. Null pointers give StrToDateNotADate.
int32_t str_to_date(const char* text, int32_t order, EuroDate* date, int32_t letter);

// Writes `number` into `out` (a buffer of exactly 20 characters) with
// `separator` between groups of three digits, counted from the right, of its
// leading run of digits; a leading "-" or "+" and whatever follows the digits
// (such as ".5000") are copied unchanged. Ends the text with a zero character
// and returns 0. If the result would not fit in 19 characters, or a pointer is
// null, writes an empty text (when `out` is not null) and returns -1: it never
// writes beyond out[19].
int32_t separate_thousands(const char* number, int32_t separator, char* out);

// The system's present offset from GMT in seconds, positive west of
// Greenwich: a clock at GMT + 8 gives -28800. Daylight saving time included.
int32_t get_timezone();

}  // namespace orbel
