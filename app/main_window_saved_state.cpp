// Save state, Restore state and Quit of the main window.
#include "app/main_window_model.h"
#include "dates/date_entry.h"

namespace orbel {

void MainWindowModel::SetDefaultLogPreferences() {
    logPreferenceTicks = {};
    for (SavedLogTick tick : {LogTickExpandedEntries, LogTickChineseTerms, LogTickCHL, LogTickCE,
                              LogTickPhaseAndIllumination})
        logPreferenceTicks[tick] = true;
    for (SavedLogTick tick : {LogTickAJD, LogTickCJDL, LogTickCJDC}) logPreferenceTicks[tick] = chkShowCJDs.value;
}

SavedState MainWindowModel::CaptureSavedState() const {
    SavedState s;
    s.CurrentAJD = state.CurrentAJD;
    s.InputCalendar = state.InputCalendar;
    s.forwardChosen = optMoveDirection[0].value;
    s.plusChosen = optPlus.value;
    s.nextChosen = optNext.value;
    s.moveStepIndex = static_cast<int16_t>(cboMoveStep.listIndex);
    s.targetIndex = static_cast<int16_t>(cboTarget.listIndex);
    s.refreshPeriodIndex = static_cast<int16_t>(cboRefreshPeriod.listIndex);
    s.methodIndex = static_cast<int16_t>(cboMethod.listIndex);
    s.epochYear = Epoch();
    s.logTicks = logPreferenceTicks;
    s.showPantheon = chkShowPAN.value;
    s.showChronologicalJDs = chkShowCJDs.value;
    s.autoLog = chkAutoLog.value;
    for (size_t i = 0; i < s.zoneLabels.size() && i < state.LongitudeLabels.size(); ++i)
        s.zoneLabels[i] = state.LongitudeLabels[i];
    s.longitudeIndex = static_cast<int16_t>(cboLongitude.listIndex);
    s.searchRows = multipleSearchRows;
    return s;
}

void MainWindowModel::cmdSaveState_Click() {
    links.SaveCountry(Country());
    links.SaveNames(cboNames.listIndex);
    const StateFileWriteResult written = WriteStateFile(state.StateFilePath, CaptureSavedState());
    if (!written.ok) {
        port.ShowMessage(SaveStateTitle, written.message, MessageIcon::Exclamation);
        CmdSaveStateEnabled(true);
        return;
    }
    CmdSaveStateEnabled(false);
    SetTheFocus();
}

// The file is read whole before anything changes, so a truncated or garbled
// file leaves the window as it was.
bool MainWindowModel::RestoreState() {
    const StateFileReadResult read = ReadStateFile(state.StateFilePath);
    if (!read.ok()) return false;
    const SavedState& s = read.state;
    state.Restoring = true;
    state.CurrentAJD = s.CurrentAJD;
    state.InputCalendar = s.InputCalendar;
    optMoveDirection[0].value = s.forwardChosen;
    optMoveDirection[1].value = !s.forwardChosen;
    SetOptionColours(s.forwardChosen ? optMoveDirection[0] : optMoveDirection[1],
                     s.forwardChosen ? optMoveDirection[1] : optMoveDirection[0]);
    optPlus.value = s.plusChosen;
    optMinus.value = !s.plusChosen;
    SetOptionColours(s.plusChosen ? optPlus : optMinus, s.plusChosen ? optMinus : optPlus);
    optNext.value = s.nextChosen;
    optPrevious.value = !s.nextChosen;
    SetOptionColours(s.nextChosen ? optNext : optPrevious, s.nextChosen ? optPrevious : optNext);
    cboMoveStep.listIndex = s.moveStepIndex;
    cboTarget.listIndex = s.targetIndex;
    if (IsElementAnimalTarget()) DateTextChanged();
    cboRefreshPeriod.listIndex = s.refreshPeriodIndex;
    cboTimeZone.listIndex = -1;
    cboMethod.listIndex = s.methodIndex;
    chkRepeatedly.value = chkKeep30th.value = chkKeepLeap.value = false;
    chkKeep30th.visible = chkKeepLeap.visible = false;
    cboEpoch.listIndex = s.EpochItemIndex();
    state.EpochYear = static_cast<int16_t>(LeadingNumber(cboEpoch.Text()));
    if (!state.Ready ||
        port.AskYesNo(RestoreStateTitle, RestoreLogConfigurationQuestion, MessageIcon::Question))
        logPreferenceTicks = s.logTicks;
    chkShowPAN.value = s.showPantheon;
    chkShowCJDs.value = s.showChronologicalJDs;
    chkAutoLog.value = s.autoLog;
    chkShowPAN_Click();
    chkShowCJDs_Click();
    for (size_t i = 0; i < s.zoneLabels.size() && i < state.LongitudeLabels.size(); ++i)
        state.LongitudeLabels[i] = s.zoneLabels[i];
    // The longitude follows the chosen country; without a country the saved
    // longitude chooses one. The list, the meridian and the zone name are set
    // together, so that a restore after a change of longitude shows every
    // time at the meridian whose name it carries.
    int longitudeIndex = s.longitudeIndex;
    if (cboRefLong.listIndex >= 0) {
        longitudeIndex = Countries[static_cast<size_t>(cboRefLong.listIndex)].longitudeIndex;
    } else {
        cboRefLong.listIndex = longitudeIndex == Countries[CountryVietnam].longitudeIndex ? CountryVietnam
                               : longitudeIndex == Countries[CountryJapan].longitudeIndex ? CountryJapan
                                                                                          : CountryChina;
    }
    SetLongitudeIndex(longitudeIndex);
    multipleSearchRows = s.searchRows;
    state.Restoring = false;
    return true;
}

void MainWindowModel::cmdRestoreState_Click() {
    if (!RestoreState()) return;
    DisplayDatesAndTimes();
    DisplayMoonData(CountryColour());
    DisplayDeltaT();
    CmdSaveStateEnabled(false);
}

// Save state writes the country first, which is all Quit writes besides.
// Unsaved log text is offered for saving first; Cancel keeps the program.
void MainWindowModel::cmdQuit_Click() {
    if (!links.MayEndProgram()) return;
    cmdSaveState_Click();
    links.EndProgram();
}

void MainWindowModel::Form_QueryUnload() {
    links.HideLog();
    cmdQuit_Click();
}

}  // namespace orbel
