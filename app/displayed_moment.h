#pragma once
#include "app/main_window_model.h"
#include "views/displayed_moment.h"

namespace orbel {

// The moment as the main window stands: its settings and value labels.
DisplayedMoment DisplayedMomentOf(const MainWindowModel& main);

}  // namespace orbel
