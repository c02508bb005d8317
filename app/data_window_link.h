#pragma once
// Connects the data window to the main window: its four buttons, the
// displayed moment and settings it reads, and the calendar chosen by a click
// on the CE or JC value label.
#include "app/main_window_model.h"
#include "views/data_window.h"

namespace orbel {

// Both models must outlive the connection.
void ConnectDataWindow(MainWindowModel& main, DataWindowModel& data);

}  // namespace orbel
