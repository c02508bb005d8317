#pragma once
// The log preferences window (frmLogPreferences, "Configure log entries")
// without a screen: which calendars and forms an entry records, in three
// frames, with the wording and viewing choices below them.
#include <array>
#include <functional>
#include <string>

#include "support/controls.h"
#include "views/log_entry.h"

namespace orbel {

class LogPreferencesModel {
public:
    LogPreferencesModel();

    // The ticks as preferences, and back (which also enables "Include
    // Chinese terms" exactly with "Expanded log entries").
    LogPreferences Preferences() const;
    void SetPreferences(const LogPreferences& preferences);

    void chkVerbose_Click();
    // A box ticked or unticked: the preference holds at once.
    void CheckBox_Click(CheckBox& box, bool ticked);
    // Index 0 "Set all", 1 "Clear all".
    void cmdSetClear_Click(int index);
    // Hides the window; with no box ticked at all ChL is ticked.
    void cmdClose_Click();
    // The window is shown: the focus goes to Close.
    void Form_Activate();

    // Every check box, in the order of the window.
    std::array<CheckBox*, 13> CheckBoxes();

    // A tick changed (a box, Set all, Clear all, or ChL ticked by Close):
    // the main window takes the preferences and the program state has changed.
    std::function<void()> onChanged = [] {};
    // The main window takes the focus back.
    std::function<void()> onClosed = [] {};

    std::string caption;  // "Configure log entries"
    bool visible = false;
    std::string focus;
    Label lblInclude;
    Label fraChinese, fraWestern, fraAstronomical;  // frame captions
    CheckBox chkIncludeChS, chkIncludeChL, chkIncludeCJDC, chkEpochEtc;
    CheckBox chkIncludeCE, chkIncludeJC, chkIncludeCJDL;
    CheckBox chkIncludeAJD, chkIncludePhaseOfMoonAndIllumination, chkIncludeLunationAndAgeOfMoon;
    CheckBox chkVerbose, chkIncludeGanzhi, chkViewLogWhenAdd;
    std::array<Button, 2> cmdSetClear;
    Button cmdClose;
};

}  // namespace orbel
