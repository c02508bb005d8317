// What the choice of names costs a conversion: the main window's display of
// one moment, warm, in each choice (English first), and the lunar date in
// words alone.
#include <benchmark/benchmark.h>

#include "app/main_window_model.h"
#include "engine/lunar_date_words.h"
#include "support/scripted_user_port.h"

namespace {

using namespace orbel;

// DisplayDatesAndTimes of 2024-02-10 and 2024-12-21 in turn, as Convert ends.
void BM_DisplayInNames(benchmark::State& state) {
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.clock = [] { return 2460351.0; };  // 2024-02-10 12:00 GMT
    model.Load("1");
    model.cboNames.listIndex = static_cast<int>(state.range(0));
    model.cboNames_Click();
    const double moments[2] = {2460351.0, 2460666.0};
    int i = 0;
    for (auto _ : state) {
        model.state.CurrentAJD = moments[i ^= 1];
        model.DisplayDatesAndTimes();
        benchmark::DoNotOptimize(model.lblChineseLunarDate[1].caption.data());
    }
    state.SetLabel(std::string(NamesChoices[static_cast<size_t>(state.range(0))].code));
}
BENCHMARK(BM_DisplayInNames)->DenseRange(0, static_cast<int>(NamesChoices.size()) - 1)->Unit(benchmark::kMicrosecond);

void BM_LunarDayWords(benchmark::State& state) {
    const CalendarSettings settings;
    int32_t jdn = 2460351;
    for (auto _ : state) benchmark::DoNotOptimize(LunarDayWordsOf(Names::SimplifiedChinese, jdn ^= 1, settings));
}
BENCHMARK(BM_LunarDayWords)->Unit(benchmark::kMicrosecond);

}  // namespace
