#pragma once
// The data window's list of festivals: one line per festival day, with its
// European date, weekday, lunar date and name, year by lunar year.
#include <cstdint>
#include <string>

#include "engine/names.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"

namespace orbel {

struct FestivalListRequest {
    CalendarSettings settings;
    int country = 1;               // whose festivals: 0 Vietnam, 1 China, 2 Japan, 3 Korea
    Names names = Names::English;  // the words of the festival names
    char letter = 'G';             // European dates: 'G' CE, 'J' JC
};

// The first and last days of a lunar year (nian), from its new year's day to
// the day before the next one; valid false when the calendar cannot compute it.
struct LunarYearDays {
    int32_t first = 0, last = 0;
    bool valid = false;
};
LunarYearDays LunarYearOf(int32_t cycle, int32_t position, const CalendarSettings& settings);

// "Chinese festivals for 3 lunar years from 79-41-01-01 CHL (2024-02-10 CE)",
// then the epoch, longitude and country, ending in ":" and CR LF.
std::string FestivalListHeading(int years, const ChlDate& newYear, const FestivalListRequest& request);

// The lines of the festival days from `first` to `last`, each ending in CR LF:
// "2024-02-10 CE  Saturday   79-41-01-01 CHL  Spring Festival".
std::string FestivalListLines(int32_t first, int32_t last, const FestivalListRequest& request);

}  // namespace orbel
