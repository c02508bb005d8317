#pragma once
// The year-data text of the data window: the dark moons and, on request, the
// solar terms of three sui around a moment, with their dates, times and CJDs
// and the sui and nian classification.
#include <cstdint>
#include <string>
#include <string_view>

#include "dates/date_entry.h"
#include "engine/names.h"
#include "services/calendar_settings.h"

namespace orbel {

// Everything the text depends on besides the engine.
struct YearDataRequest {
    double ajd = 0.0;  // the displayed moment, AJD (GMT)
    CalendarSettings settings;
    int country = 1;        // index of the country list: 0 Vietnam, 1 China, 2 Japan, 3 Korea
    bool julian = false;    // European dates in the Julian Calendar instead of CE
    bool majorTerms = true;
    bool minorTerms = false;
    bool termNames = false;  // and, in words other than English, month names
    Names names = Names::English;
};

// The whole text, lines ending in CRLF.
std::string YearDataText(const YearDataRequest& request);


// The CE ('G') or JC ('J') date of a day number as year-month-day with the
// thousands separator, preceded by the blanks that make the year five
// characters wide (none when it is five or more).
std::string PaddedEuroDate(int32_t jdn, char letter);

}  // namespace orbel
