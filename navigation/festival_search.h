#pragma once
// The event search's "Festival" target: the next or previous day of a
// festival of the chosen country, or of any of its festivals.
#include "navigation/event_search.h"

namespace orbel {

// The midday of the festival day found; past the computable days, a moment
// beyond the range, which the main window refuses as out of range.
SearchResult FindFestival(const SearchRequest& request);

}  // namespace orbel
