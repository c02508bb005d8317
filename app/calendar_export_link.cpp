#include "app/calendar_export_link.h"

#include "app/displayed_moment.h"

namespace orbel {

void ConnectCalendarExportWindow(MainWindowModel& main, CalendarExportWindowModel& window) {
    window.readMainWindow = [&main] { return DisplayedMomentOf(main); };
    window.parseChl = [&main](std::string_view text, ChlDate& r) { return main.parseChl(text, r); };
    window.chosenNames = [&main] { return main.state.ChosenNames; };
}

}  // namespace orbel
