#include "app/typed_date.h"

#include <cmath>
#include <string>

#include "dates/date_entry.h"
#include "dates/day_numbers.h"

namespace orbel {
namespace {

// About a minute: a typed date this close to the displayed moment is it.
constexpr double SameMomentDays = 0.0007;

// The typed calendar day (its moment at noon, as ParseDate reads an empty
// Time box) at the time of day of `shown`, both in the zone chosen: GMT
// (item 0) or the reference zone.
double AtShownTimeOfDay(double typedNoon, double shown, bool gmt, int16_t longitude) {
    const auto toCJD = [&](double ajd) { return gmt ? AJDToCJDL(ajd) : ToReferenceCJD(ajd, longitude); };
    const double day = std::floor(toCJD(typedNoon));
    const double timeOfDay = toCJD(shown) - std::floor(toCJD(shown));
    return gmt ? CJDLToAJD(day + timeOfDay) : FromReferenceCJD(day + timeOfDay, longitude);
}

bool IsDayCount(int16_t calendar) {
    return calendar == CalendarAJD || calendar == CalendarCJDC || calendar == CalendarCJDL;
}

}  // namespace

bool ApplyTypedDate(MainWindowModel& main) {
    main.SetDateText(Trim(main.txbDate.text));
    if (!main.txbDate.text.empty()) {
        const bool timeTyped = !main.txbTime.text.empty();
        int16_t error = 0;
        double ajd = main.ParseDate(main.txbDate.text, error);
        if (error >= 1) {
            main.ShowDateError(error);
            main.SetTheFocus();
            return false;
        }
        // A day count names its moment; a calendar date without a time names a day.
        if (!timeTyped && !IsDayCount(main.state.InputCalendar))
            ajd = AtShownTimeOfDay(ajd, main.state.CurrentAJD, main.cboTimeZone.listIndex == 0,
                                   main.state.ReferenceLongitude);
        if (main.CheckDateRange(ajd)) {
            main.SetTheFocus();
            return false;
        }
        if (std::abs(ajd - main.state.CurrentAJD) >= SameMomentDays) {
            main.state.CurrentAJD = ajd;
            main.DisplayDatesAndTimes();
            main.DisplayMoonData(main.CountryColour());
            main.DisplayDeltaT();
        }
    }
    main.SetDateText("");
    main.txbTime.text.clear();
    main.cboTimeZone.listIndex = -1;
    return true;
}

}  // namespace orbel
