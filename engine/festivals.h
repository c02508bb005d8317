#pragma once
// The traditional festivals of the countries that keep the Chinese lunar
// calendar. Each country has one table of rules; every window, list, search
// and file reads it. A festival falls on
//   - a lunar month and day in an ordinary (not leap) month: no day in a year
//     whose month is one day too short for it;
//   - the first day of a solar term (at the reference meridian);
//   - the last day of the lunar year, the day before month 1 day 1: the 29th
//     or the 30th of month 12, whichever the year has.
// Some festivals last several days around that day (Tết, Seollal, Chuseok);
// each of those days is a festival day of the same name.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/names.h"
#include "services/calendar_settings.h"

namespace orbel {

enum class FestivalRule : uint8_t { LunarDate, SolarTerm, YearEnd };

struct Festival {
    FestivalRule rule = FestivalRule::LunarDate;
    int8_t month = 0;       // LunarDate: 1..12
    int8_t day = 0;         // LunarDate: 1..30
    int8_t term = 0;        // SolarTerm: table index 0 (winter solstice) .. 23
    int8_t firstDay = 0;    // days from the festival's own day to its first day (-1 for "the day before")
    int8_t lastDay = 0;     // days from the festival's own day to its last day
    std::array<std::string_view, 6> names;  // by Names

    std::string_view Name(Names chosen) const { return names[static_cast<size_t>(chosen)]; }
};

struct FestivalCountry {
    std::string_view name;       // "Korea"
    std::string_view adjective;  // "Korean"
    int16_t meridian = 120;      // the country's reference meridian, degrees East
    std::span<const Festival> festivals;
};

// The festival tables by country index: Vietnam, China, Japan, Korea (the
// order of the country list). An index outside them gives China's.
const FestivalCountry& FestivalsOf(int country);
inline constexpr int FestivalCountryCount = 4;

// One day of one festival.
struct FestivalDay {
    int32_t jdn = 0;       // at the reference meridian of the settings
    int16_t festival = 0;  // index in the country's table
    bool operator==(const FestivalDay&) const = default;
};

// Every festival day of `country` from day `first` to day `last` (both
// included), by day and, within a day, in the order of the table. The lunar
// months and terms are those of the settings' reference longitude, so the
// days agree with the lunar dates shown for it. Days outside the computable
// range are left out.
std::vector<FestivalDay> FestivalDaysBetween(int32_t first, int32_t last, int country,
                                             const CalendarSettings& settings);
// The same for any table of rules; `festival` indexes `rules`.
std::vector<FestivalDay> FestivalDaysBetween(int32_t first, int32_t last, std::span<const Festival> rules,
                                             const CalendarSettings& settings);

// The names of the festivals of day `jdn`, joined by ", "; empty on other days.
std::string FestivalsOfDayText(int32_t jdn, int country, Names names, const CalendarSettings& settings);

// The first day after (next) or before `from` on which festival `festival`
// (-1: any festival) of `country` falls, or NoFestivalDay when none falls
// within the computable days.
inline constexpr int32_t NoFestivalDay = INT32_MIN;
int32_t NextFestivalDay(int32_t from, bool next, int country, int festival, const CalendarSettings& settings);

// The index of the festival of `country` that has `name` in any choice of
// names (letters compared without regard to case), or -1.
int FestivalIndexOfName(int country, std::string_view name);

}  // namespace orbel
