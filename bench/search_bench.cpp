// Costs of the event search: one press of Search for each target, display
// included, warm (the year data and phase moments already memoised) and cold
// (every memo emptied first); and the multiple element-animal search over
// 1000 years from cold, with the longest wait between two passes of the
// window's event processing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "engine/chinese_calendar.h"
#include "navigation/event_search.h"

namespace {

using namespace orbel;
using SteadyClock = std::chrono::steady_clock;

constexpr double Start = 2460025.0;  // 2023-03-21 12:00 GMT

struct Window {
    ScriptedUserPort port;
    MainWindowModel model{port};
    explicit Window(int target) {
        model.clock = [] { return Start; };
        model.Load("1");
        model.cboTarget.listIndex = target;
        model.cboTarget_Click();
        // metal-monkey for the element-animal targets
        model.cboElement.listIndex = 3;
        model.cboAnimal.listIndex = 8;
    }
    void Search(bool next) {
        if (next)
            model.optNext_Click();
        else
            model.optPrevious_Click();
        model.cmdSearch_Click();
    }
    void Reset() {
        model.state.CurrentAJD = Start;
        model.DisplayDatesAndTimes();
    }
};

bool SingleSearch(int target) { return target != TargetSameDayAndMonth && target != TargetMultipleElementAnimal; }

// Next and previous in turn, so the moment stays within a few years.
void BM_SearchWarm(benchmark::State& state) {
    const int target = static_cast<int>(state.range(0));
    Window w(target);
    bool next = true;
    for (auto _ : state) {
        w.Search(next);
        next = !next;
    }
    if (!w.port.messages.empty()) state.SkipWithError(w.port.messages.front().text.c_str());
    state.SetLabel(std::string(TargetItems[static_cast<size_t>(target)]));
}

void BM_SearchCold(benchmark::State& state) {
    const int target = static_cast<int>(state.range(0));
    Window w(target);
    for (auto _ : state) {
        state.PauseTiming();
        w.Reset();
        ClearCalendarCaches();
        state.ResumeTiming();
        w.Search(true);
    }
    if (!w.port.messages.empty()) state.SkipWithError(w.port.messages.front().text.c_str());
    state.SetLabel(std::string(TargetItems[static_cast<size_t>(target)]));
}

void SearchTargets(benchmark::internal::Benchmark* b) {
    for (int target = 0; target < SearchTargetCount; ++target)
        if (SingleSearch(target)) b->Arg(target);
}
BENCHMARK(BM_SearchWarm)->Apply(SearchTargets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchCold)->Apply(SearchTargets)->Unit(benchmark::kMillisecond)->Iterations(5);

// The multiple element-animal search window from cold, within 1000 years.
// Case 0: a metal-tiger month in a wood year, which never occurs: nothing is
// found. Case 1: a metal-monkey day in a fire-tiger month of a wood-rat year,
// a rare day: found after many candidate years. The counter max_gap_ms is the
// longest time the window's events waited (start and end of the search
// included).
void BM_MultipleSearchCold(benchmark::State& state) {
    Window w(TargetMultipleElementAnimal);
    w.model.cmdSearch_Click();
    MultipleElementAnimalWindow& m = w.model.frmMultiple_El_An;
    m.cboWithin.listIndex = 3;
    if (state.range(0) == 0) {
        m.SetRow(MonthRow, 3, 2);
        m.SetRow(YearRow, 0, 12);
    } else {
        m.SetRow(DayRow, 3, 8);
        m.SetRow(MonthRow, 1, 2);
        m.SetRow(YearRow, 0, 0);
    }
    double maxGapMs = 0.0;
    SteadyClock::time_point last;
    auto gap = [&] {
        const SteadyClock::time_point now = SteadyClock::now();
        maxGapMs = std::max(maxGapMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    };
    w.port.onProcessEvents = [&](int) { gap(); };
    for (auto _ : state) {
        state.PauseTiming();
        w.Reset();
        ClearCalendarCaches();
        m.visible = true;
        w.port.messages.clear();
        state.ResumeTiming();
        last = SteadyClock::now();
        m.cmdSearch_Click();
        gap();
    }
    const bool nothingFound = !w.port.messages.empty() && w.port.messages.front().title == "Not found";
    if (nothingFound != (state.range(0) == 0)) state.SkipWithError("unexpected outcome");
    state.counters["max_gap_ms"] = maxGapMs;
    state.SetLabel(state.range(0) == 0 ? "nothing found in 1000 years" : "a rare day");
}
BENCHMARK(BM_MultipleSearchCold)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
