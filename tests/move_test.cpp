// Move forward and back driven as a user drives it: type a date, choose the
// step and direction, press Move or one day, read the value labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/move_model.h"
#include "tests/golden.h"
#include "tests/main_window_fixture.h"

namespace orbel {
namespace {

class MoveTest : public testing::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        model->visible = true;
        move = std::make_unique<MoveModel>(*model);
        move->Sleep = [this](int ms) { sleeps.push_back(ms); };
        move->Stepped = [this] { ++steps; };
    }
    // Shows the date typed; "Calendar dates unchanged." when it is shown already.
    void Convert(std::string_view text) {
        MainWindowFixture::Convert(text);
        std::erase_if(port.messages, [](const RecordedMessage& m) { return m.text == "Calendar dates unchanged."; });
        ASSERT_TRUE(port.messages.empty()) << text << ": " << port.messages[0].text;
    }
    // Chooses the step and direction; what Move shows and logs is recorded from here.
    void ChooseStep(int step, bool forward) {
        model->cboMoveStep.listIndex = step;
        move->cboMoveStep_Click();
        move->optMoveDirection_Click(forward ? 0 : 1);
        port.messages.clear();
        autoLogs.clear();
    }

    std::unique_ptr<MoveModel> move;
    std::vector<int> sleeps;
    int steps = 0;
};

// --- Calendar steps and their fall-backs -------------------------------------------

// Move pressed once: tests/data/move_steps.txt holds each step beside the
// calendar in force, the values, messages and logged operations after it. A refused
// step moves nothing and leaves Move enabled.
TEST_F(MoveTest, StepsKeepTheTimeAndCalendarStepsFallBackToAValidDay) {
    using Args = const std::vector<std::string>&;
    const auto readChl = model->parseChl;
    const auto readChs = model->parseChs;
    // What the window shows after a step from `before`.
    const auto shown = [this](double before) {
        const MainWindowModel& m = *model;
        std::string text = "calendar " + std::to_string(m.state.InputCalendar) + " | " + m.lblCommonEraDate[1].caption +
                            " | " + m.lblJulianCalendarDate[1].caption + " | " + m.lblChineseLunarDate[1].caption +
                            " | " + m.lblChineseSolarDate[1].caption + " | " + m.lblPantheonCalendarCCT[1].caption +
                            " | date box '" + m.txbDate.text + "'";
        for (const RecordedMessage& message : port.messages)
            text += " | " + message.title + (message.icon == MessageIcon::Exclamation ? " (!): " : ": ") + message.text;
        for (const int16_t op : autoLogs) text += " | logged " + std::to_string(op);
        if (!port.messages.empty()) {
            EXPECT_EQ(m.state.CurrentAJD, before) << text;
            EXPECT_TRUE(m.cmdMove.enabled) << text;
        }
        return text;
    };
    const auto press = [&](const std::string& step, bool forward) {
        const double before = model->state.CurrentAJD;
        const auto& items = model->cboMoveStep.items;
        ChooseStep(int(std::find(items.begin(), items.end(), step) - items.begin()), forward);
        move->cmdMove_Click();
        return shown(before);
    };
    testing::ExpectCaseTable("move_steps.txt", {{"Step", [&](Args a) {
        model->txbTime.text = a.size() > 3 ? a[3] : "";
        Convert(a[0]);
        return press(a[1], a[2] == "forward");
    }}, {"OneDay", [&](Args a) {
        const bool forward = a[1] == "forward";
        model->state.CurrentAJD = (forward ? model->state.LatestAJD : model->state.EarliestAJD) + std::stod(a[0]);
        ChooseStep(MoveDay, forward);
        model->chkRepeatedly.value = true;
        const double before = model->state.CurrentAJD;
        move->cmdMoveOneDay_Click();
        EXPECT_FALSE(model->chkRepeatedly.value);
        return std::to_string(model->state.CurrentAJD - before) + " days, focus " + model->focus + " | " + shown(before);
    }}, {"Typed", [&](Args a) {
        model->txbTime.text = a[1];
        Convert(a[0]);
        model->SetDateText(a[2]);
        model->txbTime.text = a[3];
        model->cboTimeZone.listIndex = -1;
        return press(a[4], true);
    }}, {"Failing", [&](Args a) {
        // The lunar and solar readers give no date, or the 31st of a month.
        const bool day31 = a[2] == "day31";
        model->parseChl = [day31](std::string_view, ChlDate& d) {
            d = ChlDate{-2696, 79, 40, -1, -1, 2, 31, 1, 0, 0};
            return day31;
        };
        model->parseChs = [day31](std::string_view, ChsDate& d) {
            d = ChsDate{-2696, 79, 40, -1, -1, 3, 31, 1, 0};
            return day31;
        };
        Convert("2023-03-21 CE");
        model->chkRepeatedly.value = true;
        port.onProcessEvents = [this](int) { move->Clock_Timer(); };  // would step on and on
        const std::string shown = press(a[0], a[1] == "forward");
        EXPECT_FALSE(model->state.Repeating || model->fraStopPauseResume.visible) << a[0];
        model->parseChl = readChl;
        model->parseChs = readChs;
        return shown;
    }}});
}

// Repeated lunar steps from a 30th or a leap month: the fall-backs give the
// 29th or the ordinary month; with the keep box ticked the 30th and the leap
// month return where the calendar has them (2042 has a leap second month).
TEST_F(MoveTest, KeepBoxesReturnToThe30thAndTheLeapMonth) {
    const struct { const char* typed; int step, count; CheckBox MainWindowModel::*box; bool keep; const char* expected; }
        cases[] = {{"2023-03-21 CE", MoveCHLMonth, 3, &MainWindowModel::chkKeep30th, false, "79-40-04-29"},
                 {"2023-03-22 CE", MoveCHLYear, 19, &MainWindowModel::chkKeepLeap, false, "79-59-02-01"},
                 {"2023-03-22 CE", MoveCHLYear, 19, &MainWindowModel::chkKeepLeap, true, "79-59-2*-01"}};
    for (const auto& c : cases) {
        Convert(c.typed);
        ChooseStep(c.step, true);
        model->chkRepeatedly.value = true;
        move->chkRepeatedly_Click();
        ASSERT_TRUE(((*model).*c.box).visible) << "shown for a repeated lunar step from a 30th or a leap month";
        ((*model).*c.box).value = c.keep;
        port.onProcessEvents = [this, &c](int) { steps < c.count ? move->Clock_Timer() : move->cmdStop_Click(); };
        steps = 0;
        move->cmdMove_Click();
        EXPECT_EQ(model->lblChineseLunarDate[1].caption.substr(0, 11), c.expected) << c.keep;
    }
}

// --- Limits and failures -----------------------------------------------------------

// --- One day and a typed date ---------------------------------------------------------

// --- The repeated move ------------------------------------------------------------------

TEST_F(MoveTest, RepeatedMoveRunsPausesResumesAndStops) {
    Convert("2000-06-01 CE");
    const double start = model->state.CurrentAJD;
    ChooseStep(MoveDay, true);
    model->cboRefreshPeriod.listIndex = 0;  // 0.5 s
    model->chkRepeatedly.value = true;
    move->chkRepeatedly_Click();
    struct Seen { bool frame, moveEnabled, nowVisible, refreshVisible, clock; int interval; std::string pause, focus; };
    std::vector<Seen> seen;
    port.onProcessEvents = [&](int pass) {
        seen.push_back({model->fraStopPauseResume.visible, model->cmdMove.enabled, model->cmdNow.visible,
                        model->cboRefreshPeriod.visible, move->Clock.enabled, move->Clock.interval,
                        model->cmdPauseResume.caption, model->focus});
        switch (pass) {
            case 1: move->Clock_Timer(); break;
            case 2: move->cmdPauseResume_Click(); break;
            case 3:
                model->cboRefreshPeriod.listIndex = 3;  // 5 s, chosen while paused
                move->cboRefreshPeriod_Click();
                break;
            case 4: move->cmdPauseResume_Click(); break;
            case 5: move->Clock_Timer(); break;
            case 7: move->cmdStop_Click(); break;
        }
    };
    move->cmdMove_Click();

    // The first step at once, then one per tick.
    EXPECT_EQ(steps, 3);
    EXPECT_DOUBLE_EQ(model->state.CurrentAJD, start + 3);
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_TRUE(seen[0].frame && !seen[0].moveEnabled && !seen[0].nowVisible && !seen[0].refreshVisible && seen[0].clock);
    EXPECT_EQ(seen[0].interval, 500);
    EXPECT_EQ(seen[0].focus, "cmdStop");
    EXPECT_TRUE(seen[2].pause == "Resume" && seen[2].refreshVisible && !seen[2].clock);
    EXPECT_EQ(seen[3].interval, 5000);
    EXPECT_EQ(seen[3].focus, "cmdPauseResume");
    EXPECT_TRUE(seen[4].pause == "Pause" && seen[4].clock && !seen[4].refreshVisible);
    EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 100), 2) << "one 100 ms sleep per paused pass";

    // At rest again.
    EXPECT_FALSE(model->state.Repeating);
    EXPECT_FALSE(model->fraStopPauseResume.visible);
    EXPECT_FALSE(move->Clock.enabled);
    EXPECT_FALSE(model->chkRepeatedly.value);
    EXPECT_TRUE(model->cmdMove.enabled && model->cmdNow.visible && model->cboEpoch.visible);
    EXPECT_TRUE(model->cmdSaveState.enabled);
    EXPECT_EQ(model->focus, "cmdMove");
}

// A repeated move ends on its last step inside the range, from which a search goes on.
TEST_F(MoveTest, RepeatedMovesStopOnTheLastStepInsideTheRange) {
    for (const bool forward : {true, false}) {
        model->state.CurrentAJD = forward ? model->state.LatestAJD - 2.5 : model->state.EarliestAJD + 2.5;
        ChooseStep(MoveDay, forward);
        model->chkRepeatedly.value = true;
        port.onProcessEvents = [this](int) { move->Clock_Timer(); };
        steps = 0;
        move->cmdMove_Click();
        EXPECT_EQ(steps, 2);
        ExpectOneMessage("Out of range", forward ? "Latest date reached." : "Earliest date reached.");
        EXPECT_FALSE(model->state.Repeating || model->fraStopPauseResume.visible);
        forward ? model->optPrevious_Click() : model->optNext_Click();
        const double reached = model->state.CurrentAJD;
        port.messages.clear();
        model->cmdSearch_Click();
        EXPECT_TRUE(port.messages.empty() && model->state.CurrentAJD != reached);
    }
}

}  // namespace
}  // namespace orbel
