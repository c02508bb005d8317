// The main window's choice of words for the calendar terms, and the label
// that writes the displayed lunar date in them.
#include <algorithm>

#include "app/main_window_model.h"
#include "engine/lunar_date_words.h"

namespace orbel {

void MainWindowModel::FillNamesList() {
    if (!cboNames.items.empty()) return;
    std::vector<std::string> labels;
    for (const NamesChoice& choice : NamesChoices) labels.emplace_back(choice.label);
    cboNames.SetItems(std::move(labels));
    cboNames.listIndex = 0;
}

// Like the country, the choice lives in the settings store (written by Save
// state and Quit), not in the state file.
void MainWindowModel::cboNames_Click() {
    const int index = std::clamp(cboNames.listIndex, 0, static_cast<int>(NamesChoices.size()) - 1);
    cboNames.listIndex = index;
    state.ChosenNames = NamesChoices[static_cast<size_t>(index)].names;
    lblLunarDateWords.visible = state.ChosenNames != Names::English;
    if (!state.Ready) return;
    DisplayChineseDates();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void MainWindowModel::DisplayLunarDateWords(const ChsDate& chs, const ChlDate& chl) {
    lblLunarDateWords.visible = state.ChosenNames != Names::English;
    if (!lblLunarDateWords.visible) {
        lblLunarDateWords.caption.clear();
        lblLunarDateWords.toolTip.clear();
        return;
    }
    lblLunarDateWords.caption = LunarDateWords(state.ChosenNames, chl, TermBeginningOn(chs));
    lblLunarDateWords.toolTip = YearAnimalWords(state.ChosenNames, chl.position);
}

}  // namespace orbel
