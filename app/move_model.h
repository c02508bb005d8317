#pragma once
// The move controls of the main window: one step of a chosen size forward or
// back, once or repeatedly at a refresh period with Stop, Pause and Resume,
// and the one-day button. The repeated move is a loop inside the Move handler
// on the window's thread: it lets the window process its events on every
// pass, and the refresh timer, Stop and Pause/Resume act through the flags
// Tick, Repeating and Paused of the main window's state.
#include <cstdint>
#include <functional>
#include <string_view>

#include "app/main_window_model.h"

namespace orbel {

// What a window's timer holds: whether it runs and its period.
struct Timer {
    bool enabled = false;
    int interval = 1000;  // ms
};

// The step list's indices.
enum MoveStep : int {
    MoveMinute = 0,
    MoveHour = 1,
    MoveDay = 2,
    MoveCEMonth = 3,
    MoveCEYear = 4,
    MoveCECentury = 5,
    MoveCHLMonth = 6,
    MoveCHLYear = 7,
    MoveCHLCycle = 8,
    MoveCHSTerm = 9,
    MoveCHSYear = 10,
    MoveCHSCycle = 11,
    Move60Days = 12,
    MoveJC80Years = 13,
    MovePANMonth = 14,
    MovePANYear = 15,
};
inline constexpr int MoveStepCount = 16;

class MoveModel {
public:
    // Connects the keep boxes to the main window's display; `main` must
    // outlive this model.
    explicit MoveModel(MainWindowModel& main);
    ~MoveModel();
    MoveModel(const MoveModel&) = delete;
    MoveModel& operator=(const MoveModel&) = delete;

    void cmdMove_Click();
    void cmdMoveOneDay_Click();
    void cmdStop_Click();
    void cmdPauseResume_Click();
    void cboRefreshPeriod_Click();
    // The refresh timer's tick: asks the running move for its next step.
    void Clock_Timer();
    void optMoveDirection_Click(int index);
    void chkRepeatedly_Click();
    void cboMoveStep_Click();
    void chkKeep30th_Click();
    void chkKeepLeap_Click();
    void UpdateKeep30th();
    void UpdateKeepLeap();

    // True while cmdMove_Click runs (its loop is processing events).
    bool Running() const { return running_; }

    Timer Clock;
    // Waits `ms` milliseconds without processing events (a paused move's
    // pass); the thread's sleep by default.
    std::function<void(int ms)> Sleep;
    // Called before each pass lets the window process its events, so that the
    // window shows the step just made and runs the timer the model asks for.
    std::function<void()> BeforeEvents = [] {};
    // Called after every step that moved the displayed moment.
    std::function<void()> Stepped = [] {};

private:
    enum class StepOutcome { Moved, Unchanged, EndMove };

    StepOutcome PerformStep(int step, bool forward);
    StepOutcome StepWestern(int step, bool forward);
    StepOutcome StepLunar(int step, bool forward);
    StepOutcome StepSolar(int step, bool forward);
    StepOutcome StepPantheon(int step, bool forward);
    // Takes the new moment and the calendar of the step; refused when the
    // moment lies outside the range.
    StepOutcome TakeMoment(double ajd, int16_t calendar);
    // "Earliest date reached." or "Latest date reached."; the move ends.
    StepOutcome RefuseBeyondRange(bool forward);
    // A failed step: the message, then the unchanged moment redisplayed and
    // the repeated move stopped, or (`endMove`) the move ended.
    StepOutcome Fail(std::string_view title, std::string_view text, MessageIcon icon, bool endMove);
    void StartRepeating();
    void EndMove();
    void SetClockFromRefreshPeriod();
    bool KeepBoxFlag(const CheckBox& box) const { return box.value && box.visible; }
    void ColourCaption(CheckBox& box) const;
    void ShowListButtons(bool show);
    void ProcessEvents();

    MainWindowModel& main_;
    bool stopRequest_ = false;
    bool running_ = false;
};

}  // namespace orbel
