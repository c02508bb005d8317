#include "app/log_connection.h"

namespace orbel {

namespace {

// The ticks' order in the saved state, beside the preference each keeps.
constexpr std::array<std::pair<SavedLogTick, bool LogPreferences::*>, SavedLogTickCount> TickFields = {{
    {LogTickExpandedEntries, &LogPreferences::expanded},
    {LogTickChineseTerms, &LogPreferences::chineseTerms},
    {LogTickViewLogAfterAdding, &LogPreferences::viewAfterAdding},
    {LogTickCHL, &LogPreferences::chl},
    {LogTickCHS, &LogPreferences::chs},
    {LogTickCJDC, &LogPreferences::cjdc},
    {LogTickEpochMethodLongitude, &LogPreferences::epochEtc},
    {LogTickCE, &LogPreferences::ce},
    {LogTickJC, &LogPreferences::jc},
    {LogTickCJDL, &LogPreferences::cjdl},
    {LogTickAJD, &LogPreferences::ajd},
    {LogTickPhaseAndIllumination, &LogPreferences::phase},
    {LogTickLunationAndAge, &LogPreferences::lunation},
}};

}  // namespace

LogPreferences LogPreferencesOfTicks(const std::array<bool, SavedLogTickCount>& ticks) {
    LogPreferences p;
    for (const auto& [tick, field] : TickFields) p.*field = ticks[tick];
    return p;
}

std::array<bool, SavedLogTickCount> LogTicksOf(const LogPreferences& p) {
    std::array<bool, SavedLogTickCount> ticks{};
    for (const auto& [tick, field] : TickFields) ticks[tick] = p.*field;
    return ticks;
}

LogOperationControls LogOperationControlsOf(const MainWindowModel& main) {
    LogOperationControls c;
    c.plus = main.optPlus.value;
    c.plusMinusText = main.txbPlusMinus.text;
    c.forward = main.optMoveDirection[0].value;
    c.moveStep = main.cboMoveStep.Text();
    c.next = main.optNext.value;
    c.target = main.cboTarget.Text();
    return c;
}

void ConnectLog(MainWindowModel& main, LogWindowModel& log, LogPreferencesModel& preferences) {
    auto logButtons = [&main] {
        main.cmdViewLog.visible = !main.links.LogText().empty();
        main.cmdClearLog.visible = main.cmdViewLog.visible;
    };
    main.links.LogText = [&log] { return log.Text(); };
    main.links.AutoLog = [&main, &log](int16_t& operation) {
        log.AutoLog(operation, main.chkAutoLog.value, LogOperationControlsOf(main), DisplayedMomentOf(main),
                    LogPreferencesOfTicks(main.logPreferenceTicks), main.caption);
    };
    main.links.AddToLog = [&main, &log] {
        log.AddToLog(DisplayedMomentOf(main), LogPreferencesOfTicks(main.logPreferenceTicks), main.caption);
    };
    main.links.ViewLog = [&log] { log.Show(); };
    main.links.ClearLog = [&log] { log.cmdClear_Click(); };
    main.links.HideLog = [&log] { log.visible = false; };
    main.links.MayEndProgram = [&log] { return log.QueryEndProgram(); };
    main.links.ConfigureLog = [&main, &preferences] {
        preferences.SetPreferences(LogPreferencesOfTicks(main.logPreferenceTicks));
        preferences.Form_Activate();
    };
    log.onEntryAdded = logButtons;
    log.onEmptied = logButtons;
    log.onClosed = [&main] { main.SetTheFocus(); };
    preferences.onChanged = [&main, &preferences] {
        main.logPreferenceTicks = LogTicksOf(preferences.Preferences());
        main.CmdSaveStateEnabled(true);
    };
    preferences.onClosed = [&main] {
        main.CmdSaveStateEnabled(true);
        main.SetTheFocus();
    };
}

// The main window's log buttons.
void MainWindowModel::cmdAddToLog_Click() { links.AddToLog(); }
void MainWindowModel::cmdViewLog_Click() { links.ViewLog(); }
void MainWindowModel::cmdClearLog_Click() { links.ClearLog(); }
void MainWindowModel::cmdLogPreferences_Click() { links.ConfigureLog(); }

}  // namespace orbel
