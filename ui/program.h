#pragma once
// Start-up of the desktop program, apart from main() so that the window tests
// can start, quit and start the program again without an event loop.
#include <functional>
#include <memory>
#include <string>

#include "app/main_window_model.h"
#include "support/now_loading_notice.h"
#include "ui/frm_calendar.h"
#include "ui/frm_calendar_export.h"
#include "ui/frm_data.h"
#include "ui/frm_main.h"
#include "ui/frm_msg_now_loading.h"
#include "ui/frm_stem_branch.h"
#include "ui/log_windows.h"
#include "ui/today_panel.h"
#include "views/today.h"

namespace orbel {

struct ProgramPaths {
    std::string programFolder;  // where orbel.dat, liborbel2.so and pictures/ are, ending in "/"
    std::string stateFilePath;  // orbel.usr
};

// The running program: the main window and its model.
struct ProgramSession {
    explicit ProgramSession(UserPort& port)
        : port(port), model(port), window(model), logWindows(model, window, port), dataModel(port), dataWindow(dataModel) {}
    UserPort& port;
    MainWindowModel model;
    FrmMain window;
    LogWindows logWindows;
    DataWindowModel dataModel;
    FrmData dataWindow;
    std::unique_ptr<FrmStemBranch> stemBranch;  // made on first use
    std::unique_ptr<FrmCalendar> calendar;      // made, with its pictures, on first use
    std::unique_ptr<CalendarExportWindowModel> calendarExportModel;  // made on first use
    std::unique_ptr<FrmCalendarExport> calendarExport;
    NowLoadingNotice nowLoading;
    FrmMsgNowLoading nowLoadingWindow;
    CalendarGlanceWords dayWords;  // the lunar date in the chosen names and the day's festival
    std::unique_ptr<TodayPanel> panel;
};

// Show lunar calendar month: opens the calendar month view at the lunar month
// of the displayed moment; the first time, the loading notice stands over the
// move frame while the view loads its Moon pictures.
void OpenCalendarMonth(ProgramSession& session);
// The same at the lunar month of `moment` (AJD, GMT).
void OpenCalendarMonth(ProgramSession& session, double moment);

// Export to calendar: opens the window of calendar files at the displayed
// date; from the data window with the anniversary alone ticked.
void OpenCalendarExport(ProgramSession& session, bool anniversaryOnly);

// Loads the program texts, reads the country from the settings store, starts
// the main window (restoring the saved state or showing the present moment)
// and shows it. When the texts cannot be loaded the port shows why and the
// result is null: the program must end. `endProgram` is called by Quit after
// the state has been saved. With `inPanel` (orbel --tray) the program starts
// as an icon in the desktop's panel and the main window stays hidden; a
// desktop without a panel is told once and the window shows.
std::unique_ptr<ProgramSession> StartProgram(UserPort& port, const ProgramPaths& paths,
                                             std::function<void()> endProgram, bool inPanel = false);

// The paths of an installed or built program: its own folder and the user's
// state file.
ProgramPaths DefaultProgramPaths();

}  // namespace orbel
