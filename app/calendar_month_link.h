#pragma once
// What the calendar month view reads from the main window at every draw.
#include "app/main_window_model.h"
#include "views/calendar_month.h"

namespace orbel {

CalendarMainWindow CalendarMainWindowOf(const MainWindowModel& model);

}  // namespace orbel
