#include "app/data_window_link.h"

#include "app/displayed_moment.h"

namespace orbel {

void ConnectDataWindow(MainWindowModel& main, DataWindowModel& data) {
    data.readMainWindow = [&main] { return DisplayedMomentOf(main); };
    data.focusMainWindow = [&main] { main.SetTheFocus(); };
    data.parseChl = [&main](std::string_view text, ChlDate& r) { return main.parseChl(text, r); };
    main.links.DisplayYearData = [&data] { data.DisplayYearData(); };
    main.links.ShowList = [&data](int16_t kind) { data.ShowList(kind); };
    main.links.ChooseListsCalendar = [&data](char letter) { data.ChooseCalendar(letter); };
}

}  // namespace orbel
