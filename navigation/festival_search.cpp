#include "navigation/festival_search.h"

#include <cmath>

#include "dates/day_numbers.h"
#include "engine/festivals.h"

namespace orbel {

SearchResult FindFestival(const SearchRequest& q) {
    const CalendarSettings& s = q.settings;
    const auto today = static_cast<int32_t>(std::floor(ToReferenceCJD(q.moment, s.referenceLongitude)));
    int32_t day = NextFestivalDay(today, q.next, q.festivalCountry, q.festival, s);
    // None within the computable days: the day past them stands for "beyond
    // the range", so the range check words it as for any other search.
    if (day == NoFestivalDay) day = q.next ? LastComputableDay + 1 : FirstComputableDay - 1;
    SearchResult found;
    found.moment = MiddayOfDay(day, s);
    return found;
}

}  // namespace orbel
