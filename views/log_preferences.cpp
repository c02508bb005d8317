#include "views/log_preferences.h"

#include <algorithm>

namespace orbel {

LogPreferencesModel::LogPreferencesModel() {
    caption = "Configure log entries";
    lblInclude.caption = "Include in log entries:";
    fraChinese.caption = "Chinese";
    fraWestern.caption = "Western";
    fraAstronomical.caption = "Astronomical";
    chkIncludeChS.caption = "ChS (Chinese Solar Calendar)";
    chkIncludeChL.caption = "ChL (Chinese Lunar Calendar)";
    chkIncludeCJDC.caption = "CJDC (Chronological Julian Date, China)";
    chkEpochEtc.caption = "Epoch, method, longitude";
    chkIncludeCE.caption = "CE (Common Era Calendar)";
    chkIncludeJC.caption = "JC (Julian Calendar)";
    chkIncludeCJDL.caption = "CJDL (Chronological Julian Date, London)";
    chkIncludeAJD.caption = "AJD (Astronomical Julian Date)";
    chkIncludePhaseOfMoonAndIllumination.caption = "Phase of Moon and illumination";
    chkIncludeLunationAndAgeOfMoon.caption = "Lunation and age of Moon";
    chkVerbose.caption = "Expanded log entries";
    chkIncludeGanzhi.caption = "Include Chinese terms";
    chkViewLogWhenAdd.caption = "View log after adding an entry";
    cmdSetClear[0].caption = "Set all";
    cmdSetClear[1].caption = "Clear all";
    cmdClose.caption = "Close";
    chkVerbose_Click();
}

std::array<CheckBox*, 13> LogPreferencesModel::CheckBoxes() {
    return {&chkIncludeChS, &chkIncludeChL, &chkIncludeCJDC, &chkEpochEtc, &chkIncludeCE, &chkIncludeJC,
            &chkIncludeCJDL, &chkIncludeAJD, &chkIncludePhaseOfMoonAndIllumination, &chkIncludeLunationAndAgeOfMoon,
            &chkVerbose, &chkIncludeGanzhi, &chkViewLogWhenAdd};
}

LogPreferences LogPreferencesModel::Preferences() const {
    LogPreferences p;
    p.expanded = chkVerbose.value;
    p.chineseTerms = chkIncludeGanzhi.value;
    p.viewAfterAdding = chkViewLogWhenAdd.value;
    p.chs = chkIncludeChS.value;
    p.chl = chkIncludeChL.value;
    p.cjdc = chkIncludeCJDC.value;
    p.epochEtc = chkEpochEtc.value;
    p.ce = chkIncludeCE.value;
    p.jc = chkIncludeJC.value;
    p.cjdl = chkIncludeCJDL.value;
    p.ajd = chkIncludeAJD.value;
    p.phase = chkIncludePhaseOfMoonAndIllumination.value;
    p.lunation = chkIncludeLunationAndAgeOfMoon.value;
    return p;
}

void LogPreferencesModel::SetPreferences(const LogPreferences& p) {
    chkVerbose.value = p.expanded;
    chkIncludeGanzhi.value = p.chineseTerms;
    chkViewLogWhenAdd.value = p.viewAfterAdding;
    chkIncludeChS.value = p.chs;
    chkIncludeChL.value = p.chl;
    chkIncludeCJDC.value = p.cjdc;
    chkEpochEtc.value = p.epochEtc;
    chkIncludeCE.value = p.ce;
    chkIncludeJC.value = p.jc;
    chkIncludeCJDL.value = p.cjdl;
    chkIncludeAJD.value = p.ajd;
    chkIncludePhaseOfMoonAndIllumination.value = p.phase;
    chkIncludeLunationAndAgeOfMoon.value = p.lunation;
    chkVerbose_Click();
}

void LogPreferencesModel::chkVerbose_Click() { chkIncludeGanzhi.enabled = chkVerbose.value; }

void LogPreferencesModel::CheckBox_Click(CheckBox& box, bool ticked) {
    box.value = ticked;
    if (&box == &chkVerbose) chkVerbose_Click();
    onChanged();
}

void LogPreferencesModel::cmdSetClear_Click(int index) {
    for (CheckBox* box : CheckBoxes()) box->value = index == 0;
    chkVerbose_Click();
    onChanged();
}

void LogPreferencesModel::cmdClose_Click() {
    visible = false;
    const auto boxes = CheckBoxes();
    if (std::none_of(boxes.begin(), boxes.end(), [](const CheckBox* box) { return box->value; })) {
        chkIncludeChL.value = true;
        onChanged();
    }
    onClosed();
}

void LogPreferencesModel::Form_Activate() {
    visible = true;
    focus = "cmdClose";
}

}  // namespace orbel
