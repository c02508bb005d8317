#pragma once
// The Chinese lunar calendar as it was observed in China, beside the one
// computed with today's rule. Lunar years 1645 to 1911 take the months of
// the Qing court's calendar (the Shixian calendar) from a table; 1912 to
// 1928 the months computed on the Beijing meridian (116 25' East, the local
// mean time the calendar was reckoned on then); every other year today's
// rule at the reference meridian. Day numbers are civil dates, as
// everywhere in the engine: the table and the Beijing reckoning say which
// dates begin the months.
#include <cstdint>

#include "dates/month_label.h"
#include "services/calendar_settings.h"

namespace orbel {

inline constexpr int32_t QingFirstYear = 1645;
inline constexpr int32_t QingLastYear = 1911;
inline constexpr int32_t BeijingLastYear = 1928;
inline constexpr int16_t BeijingLongitude = 116;    // degrees East
inline constexpr int16_t BeijingArcMinutes = 25;    // and arc minutes
inline constexpr int32_t BeijingEndDay = 2425653;   // 1929-02-10, new year of 1929

// Where the months of a lunar year come from under the calendar as observed.
enum class MonthSource { Computed, QingTable, BeijingMeridian };

// The source of lunar year `year`, and of the lunar year holding day `day`.
MonthSource SourceOfYear(int32_t year);
MonthSource SourceOfDay(int32_t day);

// The settings that compute with today's rule: `s` without the observed
// calendar, at its own meridian or at Beijing's.
CalendarSettings ComputedSettings(const CalendarSettings& s);
CalendarSettings BeijingMeridianSettings(const CalendarSettings& s);

// One month of the Qing table.
struct ObservedMonth {
    int32_t year = 0;      // the lunar year (CE year of its month 1)
    int32_t firstDay = 0;  // day number
    int16_t length = 0;    // 29 or 30 days
    LunarMonthLabel label;
};

// The first day of the table (new year of 1645) and the day after its end
// (new year of 1912).
int32_t QingTableFirstDay();
int32_t QingTableEndDay();

// The month of the table that holds `day`, for QingTableFirstDay() <= day <
// QingTableEndDay().
ObservedMonth QingMonthOfDay(int32_t day);

// Month `label` of lunar year `year` (QingFirstYear..QingLastYear); false when
// the year has no such month (a leap month it lacks).
bool QingMonth(int32_t year, LunarMonthLabel label, ObservedMonth& month);

}  // namespace orbel
