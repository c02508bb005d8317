// Move forward and back: the step table, the repeated move's loop and its
// Stop, Pause and Resume, the one-day button and the keep boxes.
#include "app/move_model.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>

#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "engine/chinese_calendar.h"
#include "navigation/event_search.h"
#include "navigation/lunar_solar_steps.h"

namespace orbel {

namespace {

constexpr int16_t MoveOperation = 3;    // the log's code for a move
constexpr int16_t OneDayOperation = 5;  // and for the one-day button
constexpr double SameMomentDays = 0.0007;  // about a minute: a typed date this close is the displayed one
constexpr int PausedPassMs = 100;
// A running move waits this long between passes that made no step, so that
// the loop yields the processor between the timer's ticks; Stop and Pause
// still act within a few milliseconds.
constexpr int IdlePassMs = 10;

constexpr std::string_view NoTitle = "";
constexpr std::string_view InvalidTitle = "Invalid";
constexpr std::string_view EarliestExceededText = "Earliest date exceeded.";
constexpr std::string_view LatestExceededText = "Latest date exceeded.";
constexpr std::string_view EarliestReachedText = "Earliest date reached.";
constexpr std::string_view LatestReachedText = "Latest date reached.";
constexpr std::string_view SolarDateInvalidText = "Solar date is invalid.";
constexpr std::string_view InvalidLunarResultText = "Invalid lunar date results";
constexpr std::string_view InvalidSolarResultText = "Invalid solar date results";

// The day and the time of day (fraction) of a chronological Julian date.
struct DayAndTime {
    int32_t day;
    double fraction;
};
DayAndTime SplitCJD(double cjd) {
    const double day = std::floor(cjd);
    return {static_cast<int32_t>(day), cjd - day};
}

// A CE or JC date exists when its day number leads back to it.
bool IsValidEuroDate(EuroDate date) {
    EuroDate back = date;
    back.jdn = EuroDateToJDN(date);
    JDNToEuroDate(back);
    return back.year == date.year && back.month == date.month && back.day == date.day;
}

}  // namespace

bool ApplyTypedDate(MainWindowModel& main) {
    std::string text = main.txbDate.text;
    const size_t first = text.find_first_not_of(" \t");
    text = first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text != main.txbDate.text) main.SetDateText(text);
    if (text.empty()) return true;
    int16_t error = 0;
    const double ajd = main.ParseDate(main.txbDate.text, error);
    if (error >= 1) {
        main.ShowDateError(error);
        main.SetTheFocus();
        return false;
    }
    if (main.CheckDateRange(ajd)) {
        main.SetTheFocus();
        return false;
    }
    if (std::abs(ajd - main.state.CurrentAJD) >= SameMomentDays) main.state.CurrentAJD = ajd;
    return true;
}

MoveModel::MoveModel(MainWindowModel& main)
    : Sleep([](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }), main_(main) {
    main_.links.UpdateKeep30th = [this] {
        UpdateKeep30th();
        UpdateKeepLeap();
    };
}

MoveModel::~MoveModel() {
    main_.links.UpdateKeep30th = [] {};
}

// --- Move ------------------------------------------------------------------------

void MoveModel::cmdMove_Click() {
    if (running_) return;
    if (!ApplyTypedDate(main_)) return;
    main_.SetDateText("");
    main_.txbTime.text.clear();
    main_.cboTimeZone.listIndex = -1;

    MainWindowState& state = main_.state;
    running_ = true;
    stopRequest_ = false;
    state.Repeating = main_.chkRepeatedly.value;
    if (state.Repeating) StartRepeating();
    state.Tick = true;
    // The move frame is disabled while a move runs: step and direction hold.
    const int step = main_.cboMoveStep.listIndex;
    const bool forward = main_.optMoveDirection[0].value;
    do {
        if (state.Tick) {
            state.Tick = false;
            const StepOutcome outcome = PerformStep(step, forward);
            if (outcome == StepOutcome::EndMove) break;
            if (outcome == StepOutcome::Moved) Stepped();
        }
        if (state.Repeating) {
            const bool early = state.CurrentAJD < state.EarliestAJD;
            if (early || state.CurrentAJD > state.LatestAJD) {
                cmdStop_Click();
                main_.port.ShowMessage(OutOfRangeTitle, early ? EarliestExceededText : LatestExceededText,
                                       MessageIcon::Exclamation);
                break;
            }
        }
        ProcessEvents();
        while (state.Paused) {
            Sleep(PausedPassMs);
            ProcessEvents();
        }
        if (stopRequest_) state.Repeating = false;
        if (state.Repeating && !state.Tick) Sleep(IdlePassMs);
    } while (state.Repeating);
    EndMove();
}

void MoveModel::ProcessEvents() {
    BeforeEvents();
    main_.port.ProcessEvents();
}

void MoveModel::StartRepeating() {
    main_.SetMoveControlsEnabled(false);
    ShowListButtons(false);
    main_.cmdPauseResume.caption = "Pause";
    main_.state.Paused = false;
    main_.lblRefreshPeriod.visible = main_.cboRefreshPeriod.visible = false;
    main_.fraStopPauseResume.visible = true;
    main_.focus = "cmdStop";
    Clock.enabled = false;
    SetClockFromRefreshPeriod();
    Clock.enabled = true;
    stopRequest_ = false;
}

void MoveModel::EndMove() {
    MainWindowState& state = main_.state;
    state.Repeating = state.Paused = state.Tick = false;
    running_ = false;
    main_.chkRepeatedly.value = false;
    ColourCaption(main_.chkRepeatedly);
    Clock.enabled = false;
    main_.fraStopPauseResume.visible = false;
    main_.cmdPauseResume.caption = "Pause";
    main_.lblRefreshPeriod.visible = main_.cboRefreshPeriod.visible = true;
    main_.SetMoveControlsEnabled(true);
    ShowListButtons(true);
    main_.cmdViewLog.visible = main_.cmdClearLog.visible = !main_.links.LogText().empty();
    main_.CmdSaveStateEnabled(true);
    // The keep boxes belong to a repeated move; with Repeatedly unticked they go.
    UpdateKeep30th();
    UpdateKeepLeap();
    main_.cmdMoveSetFocus();
}

void MoveModel::ShowListButtons(bool show) {
    for (Control* c : std::initializer_list<Control*>{&main_.cmdListLunarNewYears, &main_.cmdListLeapMonths,
                                                      &main_.cmdListJulianCENewYears, &main_.cmdDisplayYearData,
                                                      &main_.cmdListFestivals, &main_.cmdNow, &main_.cboEpoch})
        c->visible = show;
}

void MoveModel::SetClockFromRefreshPeriod() {
    const std::string seconds = main_.cboRefreshPeriod.Text();
    const double value = seconds.empty() ? 1.0 : std::strtod(seconds.c_str(), nullptr);
    Clock.interval = static_cast<int>(std::lround(value * 1000.0));
}

// --- One step --------------------------------------------------------------------

MoveModel::StepOutcome MoveModel::PerformStep(int step, bool forward) {
    const double sign = forward ? 1.0 : -1.0;
    switch (step) {
        case MoveMinute: return TakeMoment(main_.state.CurrentAJD + sign / 1440.0, -1);
        case MoveHour: return TakeMoment(main_.state.CurrentAJD + sign / 24.0, -1);
        case MoveDay: return TakeMoment(main_.state.CurrentAJD + sign, -1);
        case Move60Days: return TakeMoment(main_.state.CurrentAJD + 60.0 * sign, -1);
        case MoveCEMonth:
        case MoveCEYear:
        case MoveCECentury:
        case MoveJC80Years: return StepWestern(step, forward);
        case MoveCHLMonth:
        case MoveCHLYear:
        case MoveCHLCycle: return StepLunar(step, forward);
        case MoveCHSTerm:
        case MoveCHSYear:
        case MoveCHSCycle: return StepSolar(step, forward);
        case MovePANMonth:
        case MovePANYear: return StepPantheon(step, forward);
        default: return StepOutcome::EndMove;  // no step chosen
    }
}

MoveModel::StepOutcome MoveModel::TakeMoment(double ajd, int16_t calendar) {
    MainWindowState& state = main_.state;
    // A century or cycle step near either end may land years beyond the
    // range, where the calendars are not computed: such a step is refused.
    const double referenceDay = std::floor(ToReferenceCJD(ajd, state.ReferenceLongitude));
    if (!std::isfinite(ajd) || referenceDay < FirstComputableDay || referenceDay > LastComputableDay) {
        main_.port.ShowMessage(OutOfRangeTitle, ajd < state.EarliestAJD ? EarliestExceededText : LatestExceededText,
                               MessageIcon::Exclamation);
        return StepOutcome::EndMove;
    }
    state.CurrentAJD = ajd;
    if (calendar >= 0) {
        state.InputCalendar = calendar;
        main_.HighlightInputCalendar();
    }
    int16_t operation = MoveOperation;
    main_.Recalculate(operation);
    return StepOutcome::Moved;
}

MoveModel::StepOutcome MoveModel::Fail(std::string_view title, std::string_view text, MessageIcon icon, bool endMove) {
    main_.port.ShowMessage(title, text, icon);
    if (endMove) return StepOutcome::EndMove;
    stopRequest_ = true;
    int16_t operation = MoveOperation;
    main_.Recalculate(operation);
    return StepOutcome::Unchanged;
}

MoveModel::StepOutcome MoveModel::StepWestern(int step, bool forward) {
    const DayAndTime london = SplitCJD(AJDToCJDL(main_.state.CurrentAJD));
    EuroDate date;
    date.letter = step == MoveJC80Years ? 'J' : 'G';
    date.jdn = london.day;
    JDNToEuroDate(date);
    if (CheckStepLimit(date.year, forward, main_.state.MinYear, main_.state.MaxYear, main_.port)) return StepOutcome::EndMove;
    const int sign = forward ? 1 : -1;
    if (step == MoveCEMonth) {
        date.month += sign;
        if (date.month > 12) {
            date.month = 1;
            ++date.year;
        } else if (date.month < 1) {
            date.month = 12;
            --date.year;
        }
        while (date.day > 1 && !IsValidEuroDate(date)) --date.day;
    } else {
        date.year += sign * (step == MoveCEYear ? 1 : step == MoveCECentury ? 100 : 80);
        if (!IsValidEuroDate(date)) --date.day;  // 29 February in a common year
    }
    const int32_t jdn = EuroDateToJDN(date);
    return TakeMoment(CJDLToAJD(jdn + london.fraction), step == MoveJC80Years ? CalendarJC : CalendarCE);
}

MoveModel::StepOutcome MoveModel::StepLunar(int step, bool forward) {
    const bool cycleStep = step == MoveCHLCycle;
    const CalendarSettings settings = main_.Settings();
    const DayAndTime reference = SplitCJD(ToReferenceCJD(main_.state.CurrentAJD, settings.referenceLongitude));
    ChlDate date;
    if (!main_.parseChl(main_.lblChineseLunarDate[1].caption, date))
        return Fail(cycleStep ? InvalidTitle : NoTitle, LunarDateInvalidText, MessageIcon::None, cycleStep);
    if (CheckStepLimit(date.cycle, forward, main_.state.MinCycle, main_.state.MaxCycle, main_.port)) return StepOutcome::EndMove;

    const LunarKeep keep{.keep30th = KeepBoxFlag(main_.chkKeep30th), .keepLeap = KeepBoxFlag(main_.chkKeepLeap)};
    bool stepped = false;
    std::string_view unit;
    switch (step) {
        case MoveCHLMonth:
            stepped = StepLunarMonth(date, forward, keep.keep30th, settings);
            unit = "lunar month";
            break;
        case MoveCHLYear:
            stepped = StepLunarYear(date, forward, keep, settings);
            unit = "lunar year";
            break;
        default:
            stepped = StepLunarCycle(date, forward, keep, settings);
            unit = "60-year cycle (CHL)";
            break;
    }
    if (!stepped) return Fail(InabilityTitle, InabilityText(forward, unit), MessageIcon::Exclamation, cycleStep);
    if (ChLDateToJDN(date, settings) != ChlDateFound)
        return Fail(NoTitle, cycleStep ? std::string(InvalidLunarResultText) + "." : std::string(InvalidLunarResultText),
                    MessageIcon::None, cycleStep);
    return TakeMoment(FromReferenceCJD(date.jdn + reference.fraction, settings.referenceLongitude), CalendarCHL);
}

MoveModel::StepOutcome MoveModel::StepSolar(int step, bool forward) {
    const bool cycleStep = step == MoveCHSCycle;
    const CalendarSettings settings = main_.Settings();
    const DayAndTime reference = SplitCJD(ToReferenceCJD(main_.state.CurrentAJD, settings.referenceLongitude));
    ChsDate date;
    if (!main_.parseChs(main_.lblChineseSolarDate[1].caption, date))
        return Fail(NoTitle, SolarDateInvalidText, MessageIcon::None, cycleStep);
    if (CheckStepLimit(date.cycle, forward, main_.state.MinCycle, main_.state.MaxCycle, main_.port)) return StepOutcome::EndMove;

    const bool stepped = step == MoveCHSYear ? StepSolarYear(date, forward, settings)
                                             : StepSolarTermOrCycle(date, forward, cycleStep, settings);
    if (!stepped) {
        const std::string_view unit = step == MoveCHSTerm ? "solar term" : step == MoveCHSYear ? "solar year"
                                                                                                : "60-year cycle (CHS)";
        return Fail(InabilityTitle, InabilityText(forward, unit), MessageIcon::Exclamation, cycleStep);
    }
    if (!ChSDateToJDN(date, settings))
        return Fail(NoTitle, cycleStep ? std::string(InvalidSolarResultText) + "." : std::string(InvalidSolarResultText),
                    MessageIcon::None, cycleStep);
    return TakeMoment(FromReferenceCJD(date.jdn + reference.fraction, settings.referenceLongitude), CalendarCHS);
}

MoveModel::StepOutcome MoveModel::StepPantheon(int step, bool forward) {
    const int16_t longitude = main_.state.ReferenceLongitude;
    const DayAndTime reference = SplitCJD(ToReferenceCJD(main_.state.CurrentAJD, longitude));
    EuroDate date;
    date.letter = 'P';
    date.jdn = reference.day;
    JDNToPanDate(date);
    if (step == MovePANMonth)
        PanStepMonth(date, forward);
    else
        PanStepYear(date, forward);
    return TakeMoment(FromReferenceCJD(date.jdn + reference.fraction, longitude), CalendarPANCCT);
}

// --- Stop, Pause, Resume and the timer ----------------------------------------------

void MoveModel::cmdStop_Click() {
    main_.state.Repeating = false;
    main_.state.Paused = false;
    main_.fraStopPauseResume.visible = false;
}

void MoveModel::cmdPauseResume_Click() {
    MainWindowState& state = main_.state;
    if (state.Paused) {
        main_.cmdPauseResume.caption = "Pause";
        state.Paused = false;
        main_.lblRefreshPeriod.visible = main_.cboRefreshPeriod.visible = false;
        SetClockFromRefreshPeriod();
        Clock.enabled = true;
        main_.focus = "cmdStop";
    } else {
        main_.cmdPauseResume.caption = "Resume";
        state.Paused = true;
        main_.lblRefreshPeriod.visible = main_.cboRefreshPeriod.visible = true;
        Clock.enabled = false;
        main_.focus = "cmdPauseResume";
    }
}

void MoveModel::cboRefreshPeriod_Click() {
    if (!main_.state.Paused || main_.state.Initializing) return;
    SetClockFromRefreshPeriod();
    main_.focus = "cmdPauseResume";
}

void MoveModel::Clock_Timer() {
    if (main_.state.Repeating) main_.state.Tick = true;
}

// --- One day -----------------------------------------------------------------------

void MoveModel::cmdMoveOneDay_Click() {
    MainWindowState& state = main_.state;
    main_.chkRepeatedly.value = false;
    ColourCaption(main_.chkRepeatedly);
    const bool forward = main_.optMoveDirection[0].value;
    const double ajd = state.CurrentAJD + (forward ? 1.0 : -1.0);
    if (forward && ajd > state.LatestAJD) {
        main_.port.ShowMessage(OutOfRangeTitle, LatestReachedText, MessageIcon::Exclamation);
        return;
    }
    if (!forward && ajd < state.EarliestAJD) {
        main_.port.ShowMessage(OutOfRangeTitle, EarliestReachedText, MessageIcon::Exclamation);
        return;
    }
    state.CurrentAJD = ajd;
    int16_t operation = OneDayOperation;
    main_.Recalculate(operation);
    main_.cmdViewLog.visible = main_.cmdClearLog.visible = !main_.links.LogText().empty();
    main_.CmdSaveStateEnabled(true);
    main_.cmdMoveSetFocus();
}

// --- Direction, step and options -------------------------------------------------------

void MoveModel::optMoveDirection_Click(int index) {
    OptionButton& chosen = main_.optMoveDirection[index == 0 ? 0 : 1];
    OptionButton& other = main_.optMoveDirection[index == 0 ? 1 : 0];
    chosen.value = true;
    other.value = false;
    chosen.foreColour = main_.state.SelectedColour;
    other.foreColour = main_.state.UnselectedColour;
    if (!main_.state.Ready) return;
    main_.CmdSaveStateEnabled(true);
    main_.cmdMoveSetFocus();
}

void MoveModel::ColourCaption(CheckBox& box) const {
    box.foreColour = box.value ? main_.state.SelectedColour : main_.state.UnselectedColour;
}

void MoveModel::chkRepeatedly_Click() {
    ColourCaption(main_.chkRepeatedly);
    if (!main_.visible) return;
    UpdateKeep30th();
    UpdateKeepLeap();
    main_.cmdMoveSetFocus();
}

void MoveModel::cboMoveStep_Click() {
    if (!main_.visible || main_.state.Initializing) return;
    UpdateKeep30th();
    UpdateKeepLeap();
    main_.CmdSaveStateEnabled(true);
    main_.cmdMoveSetFocus();
}

void MoveModel::chkKeep30th_Click() {
    ColourCaption(main_.chkKeep30th);
    if (main_.visible) main_.cmdMoveSetFocus();
}

void MoveModel::chkKeepLeap_Click() {
    ColourCaption(main_.chkKeepLeap);
    if (main_.visible) main_.cmdMoveSetFocus();
}

void MoveModel::UpdateKeep30th() {
    CheckBox& box = main_.chkKeep30th;
    const std::string& lunar = main_.lblChineseLunarDate[1].caption;
    ChlDate date;
    const int step = main_.cboMoveStep.listIndex;
    box.visible = !lunar.empty() && main_.parseChl(lunar, date) && main_.chkRepeatedly.value &&
                  step >= MoveCHLMonth && step <= MoveCHLCycle && date.day == 30;
    if (box.visible) ColourCaption(box);
}

void MoveModel::UpdateKeepLeap() {
    CheckBox& box = main_.chkKeepLeap;
    const std::string& lunar = main_.lblChineseLunarDate[1].caption;
    ChlDate date;
    const int step = main_.cboMoveStep.listIndex;
    box.visible = !lunar.empty() && main_.parseChl(lunar, date) && main_.chkRepeatedly.value &&
                  (step == MoveCHLYear || step == MoveCHLCycle) && date.leap == 1;
    if (box.visible) ColourCaption(box);
}

}  // namespace orbel
