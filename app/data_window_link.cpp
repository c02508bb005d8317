#include "app/data_window_link.h"

namespace orbel {

MainWindowReadings ReadMainWindow(const MainWindowModel& main) {
    MainWindowReadings r;
    r.currentAJD = main.state.CurrentAJD;
    r.settings = main.Settings();
    r.country = main.Country();
    r.lunarDateText = main.lblChineseLunarDate[1].caption;
    r.ceDateText = main.lblCommonEraDate[1].caption;
    return r;
}

void ConnectDataWindow(MainWindowModel& main, DataWindowModel& data) {
    data.readMainWindow = [&main] { return ReadMainWindow(main); };
    data.focusMainWindow = [&main] { main.SetTheFocus(); };
    data.parseChl = [&main](std::string_view text, ChlDate& r) { return main.parseChl(text, r); };
    main.links.DisplayYearData = [&data] { data.DisplayYearData(); };
    main.links.ShowList = [&data](int16_t kind) { data.ShowList(kind); };
    main.links.ChooseListsCalendar = [&data](char letter) { data.ChooseCalendar(letter); };
}

}  // namespace orbel
