#pragma once
// What the main window shows of its moment, as the log and the data window
// read it.
#include <string>

#include "engine/names.h"
#include "services/calendar_settings.h"

namespace orbel {

struct DisplayedMoment {
    double ajd = 0.0;  // GMT
    CalendarSettings settings;
    int country = 1;  // 0 Vietnam, 1 China, 2 Japan, 3 Korea
    Names names = Names::English;  // the words of calendar terms
    // The value labels: "79-37-04-01 CHL 12:00 CCT", "2020-05-23 CE 04:00 GMT Saturday"...
    std::string chsText, chlText, ceText, jcText;
    std::string phaseText;  // "Crescent moon (waxing), 23.4%"
    std::string ageText;    // "[290] 5 days, 3 hrs, 27 mins (17.4%)"
};

}  // namespace orbel
