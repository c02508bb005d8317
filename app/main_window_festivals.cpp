// The festivals in the main window: the value label of the day's festivals
// and the festival chooser of the search frame.
#include <cmath>

#include "app/main_window_model.h"
#include "dates/day_numbers.h"
#include "engine/festivals.h"
#include "navigation/event_search.h"

namespace orbel {

void MainWindowModel::DisplayFestivals() {
    RefreshFestivalChoices();
    const CalendarSettings s = Settings();
    const auto day = static_cast<int32_t>(std::floor(ToReferenceCJD(state.CurrentAJD, s.referenceLongitude)));
    lblFestivals[1].caption = FestivalsOfDayText(day, Country(), state.ChosenNames, s);
}

void MainWindowModel::RefreshFestivalChoices() {
    std::vector<std::string> items{std::string(AnyFestivalItem)};
    for (const Festival& f : FestivalsOf(Country()).festivals) items.emplace_back(f.Name(state.ChosenNames));
    if (items == cboFestival.items) return;
    // Another country's festivals begin again at "any"; other words for the
    // same festivals keep the choice.
    const bool sameFestivals = cboFestival.items.size() == items.size() && festivalChoicesCountry_ == Country();
    const int chosen = sameFestivals ? cboFestival.listIndex : 0;
    cboFestival.SetItems(std::move(items));
    cboFestival.listIndex = chosen;
    festivalChoicesCountry_ = Country();
}

void MainWindowModel::cboFestival_Click() {
    // Choosing a festival is choosing to search for it.
    if (cboTarget.listIndex != TargetFestival) {
        cboTarget.listIndex = TargetFestival;
        cboTarget_Click();
    }
    focus = cmdSearch.enabled ? "cmdSearch" : "cmdNow";
    CmdSaveStateEnabled(true);
}

}  // namespace orbel
