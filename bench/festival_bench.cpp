// The festivals: 1,000 lunar years of China's festivals listed in the data
// window, cold (every memo of the engine emptied first), and the festival
// days alone over the same years.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/festivals.h"
#include "support/scripted_user_port.h"
#include "views/data_window.h"

namespace orbel {
namespace {

constexpr double Moment = 2458993.0;  // 2020-05-23 12:00 GMT

void BM_FestivalList1000YearsCold(benchmark::State& state) {
    ScriptedUserPort port;
    DataWindowModel model{port};
    DisplayedMoment r;
    r.ajd = Moment;
    model.readMainWindow = [r] { return r; };
    for (auto _ : state) {
        ClearCalendarCaches();
        model.txbNumYears.text = "1000";
        model.ListKind = ListFestivalsKind;
        model.cmdList_Click();
        benchmark::DoNotOptimize(model.txbText.text.data());
    }
    state.counters["lines"] = static_cast<double>(std::count(model.txbText.text.begin(), model.txbText.text.end(), '\n'));
}
BENCHMARK(BM_FestivalList1000YearsCold)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FestivalDays1000YearsCold(benchmark::State& state) {
    const CalendarSettings s;
    const int32_t first = 2458849;  // 2020-01-01
    for (auto _ : state) {
        ClearCalendarCaches();
        benchmark::DoNotOptimize(FestivalDaysBetween(first, first + 365242, CountryChina, s).size());
    }
}
BENCHMARK(BM_FestivalDays1000YearsCold)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace orbel
