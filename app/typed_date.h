#pragma once
// The date typed into the main window's Date box and not yet converted: Move
// and Search both start from it, in one way.
#include "app/main_window_model.h"

namespace orbel {

// Makes a typed date the displayed moment before a move or a search. The
// Date box is trimmed; a text that is not a date, or a moment out of range,
// is reported and false returned (the caller ends, the boxes keep their
// text). A date typed without a time keeps the time of day of the moment
// shown, as a calendar step does. A moment that differs from the displayed
// one by 0.0007 day or more replaces it and is displayed at once, so that
// the lunar and solar steps read its labels. Then the Date and Time boxes
// are emptied and the zone list loses its selection, so that pressing Move
// or Search again goes on from the moment reached.
bool ApplyTypedDate(MainWindowModel& main);

}  // namespace orbel
