#include "app/calendar_month_link.h"

namespace orbel {

CalendarMainWindow CalendarMainWindowOf(const MainWindowModel& model) {
    CalendarMainWindow main;
    main.settings = model.Settings();
    main.country = model.Country();
    main.showPan = model.chkShowPAN.value;
    main.lunarText = model.lblChineseLunarDate[1].caption;
    main.backColour = model.backColour;
    main.names = model.state.ChosenNames;
    return main;
}

}  // namespace orbel
