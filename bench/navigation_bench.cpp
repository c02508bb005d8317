// Costs of moving the displayed moment: one press of Move for each step of
// the step list, display included, and the lunar and solar step operations
// alone. Warm: the moment goes forward and back between the same two days, so
// after the first pair every year's data comes from the memo.
#include <benchmark/benchmark.h>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "engine/chinese_calendar.h"
#include "navigation/lunar_solar_steps.h"
#include "app/move_model.h"

namespace {

using namespace orbel;

// One Move, forward and back in turn from 2023-03-21 CE (a lunar 30th, so the
// lunar steps fall back), as the main window does it.
void BM_MoveStep(benchmark::State& state) {
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.clock = [] { return 2460025.0; };  // 2023-03-21 12:00 GMT
    model.Load("1");
    MoveModel move(model);
    model.cboMoveStep.listIndex = static_cast<int>(state.range(0));
    bool forward = true;
    for (auto _ : state) {
        move.optMoveDirection_Click(forward ? 0 : 1);
        move.cmdMove_Click();
        forward = !forward;
    }
    if (!port.messages.empty()) state.SkipWithError(port.messages.front().text.c_str());
    state.SetLabel(std::string(MoveStepItems[static_cast<size_t>(state.range(0))]));
}
BENCHMARK(BM_MoveStep)->DenseRange(0, MoveStepCount - 1)->Unit(benchmark::kMicrosecond);

// The step operations without the display: a lunar month from 79-40-02-30
// (which falls back to the 29th of the leap month) and back.
void BM_StepLunarMonth(benchmark::State& state) {
    const CalendarSettings settings;
    ChlDate date{-2696, 79, 40, -1, -1, 2, 30, 0, 0, 0};
    bool forward = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StepLunarMonth(date, forward, false, settings));
        forward = !forward;
    }
}
BENCHMARK(BM_StepLunarMonth)->Unit(benchmark::kMicrosecond);

void BM_StepLunarYear(benchmark::State& state) {
    const CalendarSettings settings;
    ChlDate date{-2696, 79, 40, -1, -1, 2, 30, 0, 0, 1};
    bool forward = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StepLunarYear(date, forward, LunarKeep{}, settings));
        forward = !forward;
    }
}
BENCHMARK(BM_StepLunarYear)->Unit(benchmark::kMicrosecond);

void BM_StepSolarTerm(benchmark::State& state) {
    const CalendarSettings settings;
    ChsDate date{-2696, 79, 41, -1, -1, 1, 15, 0, 0};
    bool forward = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StepSolarTermOrCycle(date, forward, false, settings));
        forward = !forward;
    }
}
BENCHMARK(BM_StepSolarTerm)->Unit(benchmark::kMicrosecond);

}  // namespace
