#pragma once
// Connects the "Export to calendar" window to the main window: the displayed
// moment, settings and lunar date it reads, and the chosen words.
#include "app/main_window_model.h"
#include "views/calendar_export_window.h"

namespace orbel {

// Both models must outlive the connection.
void ConnectCalendarExportWindow(MainWindowModel& main, CalendarExportWindowModel& window);

}  // namespace orbel
