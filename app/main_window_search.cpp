// The search frame of the main window: the target list, Search, the progress
// label and the multiple element-animal search window it opens.
#include <algorithm>
#include <cmath>

#include "app/main_window_model.h"
#include "dates/day_numbers.h"
#include "engine/cycles.h"
#include "navigation/event_search.h"
#include "app/move_model.h"

namespace orbel {

std::string MainWindowModel::TargetItemText(int kind) const {
    const int e = cboElement.listIndex;
    const int a = cboAnimal.listIndex;
    const bool hasAnimal = a >= 0 && a < AnimalCount;
    return ::orbel::TargetItemText(kind, e, hasAnimal ? a : -1,
                                   hasAnimal ? std::string_view(AnimalNames[static_cast<size_t>(a)]) : "");
}

void MainWindowModel::cboTarget_Click() {
    for (int target = ElementAnimalDayTarget; target <= ElementAnimalYearTarget; ++target)
        cboTarget.items[static_cast<size_t>(target)] = std::string(TargetItems[static_cast<size_t>(target)]);
    if (IsElementAnimalTarget()) RefreshElementAnimalTarget();
    if (cmdSearch.enabled) focus = "cmdSearch";
    CmdSaveStateEnabled(true);
}

void MainWindowModel::ShowSearching(const std::string& text) {
    lblSearching.caption = text;
    lblSearching.visible = !text.empty();
    links.RepaintSearching();
}

void MainWindowModel::ShowFoundMoment(double ajd, bool lunarCalendar) {
    if (CheckDateRange(ajd)) return;
    state.CurrentAJD = ajd;
    if (lunarCalendar) {
        state.InputCalendar = GetCalendar("CHL");
        HighlightInputCalendar();
    }
    int16_t operation = 4;
    Recalculate(operation);
    FocusSearch();
}

void MainWindowModel::ConnectMultipleSearch() {
    MultipleElementAnimalWindow& w = frmMultiple_El_An;
    w.host.searchForward = [this] { return optNext.value; };
    w.host.displayedMoment = [this] { return state.CurrentAJD; };
    w.host.now = [this] { return clock(); };
    w.host.settings = [this] { return Settings(); };
    w.host.country = [this] { return std::clamp(Country(), 0, 2); };
    w.host.showSearching = [this](const std::string& text) { ShowSearching(text); };
    w.host.running = [this](bool running) { SetMoveControlsEnabled(!running); };
    w.host.found = [this](int32_t day) { ShowFoundMoment(MiddayOfDay(day, Settings()), false); };
    w.host.choicesChanged = [this] {
        for (int row = 0; row < 3; ++row) {
            multipleSearchRows[static_cast<size_t>(row)].elementIndex =
                static_cast<int16_t>(frmMultiple_El_An.cboElement[static_cast<size_t>(row)].listIndex);
            multipleSearchRows[static_cast<size_t>(row)].animalIndex =
                static_cast<int16_t>(frmMultiple_El_An.cboAnimal[static_cast<size_t>(row)].listIndex);
        }
        CmdSaveStateEnabled(true);
    };
    w.SetAnimalWords(AnimalNames);
    for (int row = 0; row < 3; ++row) {
        const ElementAnimalChoice& c = multipleSearchRows[static_cast<size_t>(row)];
        w.SetRow(row, c.elementIndex, c.animalIndex);
    }
}

void MainWindowModel::cmdSearch_Click() {
    const int target = cboTarget.listIndex;
    if (target < 0 || target >= SearchTargetCount) return;
    if (!ApplyTypedDate(*this)) return;
    if (target == TargetSameDayAndMonth || target == TargetMultipleElementAnimal) {
        ConnectMultipleSearch();
        frmMultiple_El_An.Show(target == TargetSameDayAndMonth);
        return;
    }
    SearchRequest request;
    request.target = target;
    request.next = optNext.value;
    request.moment = state.CurrentAJD;
    request.settings = Settings();
    const bool readsLunarDate = target == TargetLunarNewYear || target == TargetElementAnimalMonth ||
                                target == TargetElementAnimalYear || target == TargetIntercalaryMonth;
    ChlDate lunar;
    if (readsLunarDate && parseChl(lblChineseLunarDate[1].caption, lunar)) request.displayedLunar = lunar;
    const int e = cboElement.listIndex;
    const int a = cboAnimal.listIndex;
    request.choice.element = e >= 0 && e < ElementCount ? e : -1;
    request.choice.animal = a >= 0 && a < AnimalCount ? a : -1;
    if (target == TargetFullMoon || target == TargetDarkMoon) request.phase = cboTarget.itemData[static_cast<size_t>(target)];
    request.keep30th = chkKeep30th.value && chkKeep30th.visible;
    request.festivalCountry = Country();
    request.festival = cboFestival.listIndex - 1;

    SearchProgress progress;
    progress.text = state.SearchProgressPrefix;
    progress.repaint = [this, &progress] { ShowSearching(progress.text); };
    ShowSearching(progress.text);
    port.SetBusy(true);
    const SearchResult result = FindEvent(request, progress);
    port.SetBusy(false);
    ShowSearching("");
    if (result.message) {
        const SearchMessage& m = *result.message;
        port.ShowMessage(m.title, m.text, m.exclamation ? MessageIcon::Exclamation : MessageIcon::None);
    }
    if (result.redisplay) {
        int16_t operation = 4;
        Recalculate(operation);
    }
    if (result.moment) ShowFoundMoment(*result.moment, result.lunarCalendar);
}

}  // namespace orbel
