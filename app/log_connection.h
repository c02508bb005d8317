#pragma once
// The main window and the two log windows joined: Add to log, View log,
// Clear log, Configure log and Auto log of the main window act on the log
// window and the log preferences window, whose ticks the main window keeps
// with its saved state.
#include <array>

#include "app/displayed_moment.h"
#include "app/main_window_model.h"
#include "views/log_entry.h"
#include "views/log_preferences.h"
#include "views/log_window.h"

namespace orbel {

LogPreferences LogPreferencesOfTicks(const std::array<bool, SavedLogTickCount>& ticks);
std::array<bool, SavedLogTickCount> LogTicksOf(const LogPreferences& preferences);

LogOperationControls LogOperationControlsOf(const MainWindowModel& main);

// Sets the main window's log links and the log windows' callbacks. The
// three models must outlive one another's use: they live together.
void ConnectLog(MainWindowModel& main, LogWindowModel& log, LogPreferencesModel& preferences);

}  // namespace orbel
