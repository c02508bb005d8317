#pragma once
// The log window and the log preferences window of the running program,
// joined to the main window.
#include "app/main_window_model.h"
#include "ui/frm_log.h"
#include "ui/frm_log_preferences.h"
#include "ui/frm_main.h"
#include "views/log_preferences.h"
#include "views/log_window.h"

namespace orbel {

class LogWindows {
public:
    // Before the main window's Load, so that its log links are in place.
    LogWindows(MainWindowModel& main, FrmMain& mainWindow, UserPort& port);

    LogWindowModel logModel;
    LogPreferencesModel preferencesModel;
    FrmLog frmLog;
    FrmLogPreferences frmLogPreferences;

private:
    void MirrorLogWindows();
};

}  // namespace orbel
