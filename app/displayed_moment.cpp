#include "app/displayed_moment.h"

namespace orbel {

DisplayedMoment DisplayedMomentOf(const MainWindowModel& main) {
    DisplayedMoment m;
    m.ajd = main.state.CurrentAJD;
    m.settings = main.Settings();
    m.country = main.Country();
    m.names = main.state.ChosenNames;
    m.chsText = main.lblChineseSolarDate[1].caption;
    m.chlText = main.lblChineseLunarDate[1].caption;
    m.ceText = main.lblCommonEraDate[1].caption;
    m.jcText = main.lblJulianCalendarDate[1].caption;
    m.phaseText = main.lblPhaseOfMoon.caption;
    m.ageText = main.lblAgeOfMoon.caption;
    return m;
}

}  // namespace orbel
