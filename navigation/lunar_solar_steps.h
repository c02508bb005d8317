#pragma once
// Calendar steps of the Chinese lunar and solar dates: one month, year or
// 60-year cycle of a lunar date and one term, year or cycle of a solar date,
// each falling back to the nearest valid day. The move controls, the event
// search and the multiple element-animal search all step with these.
#include <cstdint>
#include <string>
#include <string_view>

#include "support/user_port.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"

namespace orbel {

// The lunar date of a day number, under the settings' epoch.
ChlDate LunarDateOfDay(int32_t day, const CalendarSettings& s);

// What a lunar step keeps of the date it starts from when the month it
// lands in allows it.
struct LunarKeep {
    bool keep30th = false;  // a 30th stays the 30th
    bool keepLeap = false;  // a leap month stays a leap month
};

// Each step changes `date` in place; true when the result is a valid date
// (ChLDateToJDN or ChSDateToJDN converts it, and its jdn is set).
bool StepLunarMonth(ChlDate& date, bool forward, bool keep30th, const CalendarSettings& settings);
bool StepLunarYear(ChlDate& date, bool forward, LunarKeep keep, const CalendarSettings& settings);
bool StepLunarCycle(ChlDate& date, bool forward, LunarKeep keep, const CalendarSettings& settings);
// The nearest valid date to `date` in its year: the same day, then day 29
// for a 30th, then the ordinary month for a leap month.
bool FitLunarDate(ChlDate& date, LunarKeep keep, const CalendarSettings& settings);
// One solar term (or, with `cycle`, one 60-year cycle) on or back.
bool StepSolarTermOrCycle(ChsDate& date, bool forward, bool cycle, const CalendarSettings& settings);
bool StepSolarYear(ChsDate& date, bool forward, const CalendarSettings& settings);

// Where the lunar or solar year of a cycle and position lies: -1 before the
// first year of the range (-3000), 1 after its last (3000), else 0. A step
// that lands there fails because the range ends, not because the calendar
// lacks the day.
int YearBeyondRange(int32_t cycle, int32_t position, int32_t epoch);

// True, after the "Out of range" message, when a step from `value` (a CE or
// JC year) in the given direction would leave [lowest, highest].
bool CheckStepLimit(int32_t value, bool forward, int32_t lowest, int32_t highest, UserPort& port);

// "Unable to add a lunar month." / "Unable to subtract a solar year."
std::string InabilityText(bool forward, std::string_view unit);

inline constexpr std::string_view InabilityTitle = "Inability";
inline constexpr std::string_view OutOfRangeTitle = "Out of range";
inline constexpr std::string_view EarliestAdmissibleText = "Earliest admissible date reached.";
inline constexpr std::string_view LatestAdmissibleText = "Latest admissible date reached.";

}  // namespace orbel
