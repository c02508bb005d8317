#include "app/calendar_month_link.h"

namespace orbel {

CalendarMainWindow CalendarMainWindowOf(const MainWindowModel& model) {
    CalendarMainWindow main;
    main.settings = model.Settings();
    main.country = model.Country();
    main.names = model.state.ChosenNames;
    main.showPan = model.chkShowPAN.value;
    main.lunarText = model.lblChineseLunarDate[1].caption;
    main.ajd = model.state.CurrentAJD;
    main.backColour = model.backColour;
    main.names = model.state.ChosenNames;
    return main;
}

}  // namespace orbel
