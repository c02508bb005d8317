// The data window's texts: year data for one moment (cold: every memo of the
// engine emptied first; warm: computed before), the month-start list over
// the whole range of 6,000 years, and 1,000 years of anniversaries.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "support/scripted_user_port.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "views/data_window.h"

namespace orbel {
namespace {

constexpr double Moment = 2458993.0;  // 2020-05-23 12:00 GMT

DisplayedMoment Readings() {
    DisplayedMoment r;
    r.ajd = Moment;
    const double cjdc = ToReferenceCJD(Moment, r.settings.referenceLongitude);
    ChsDate chs;
    chs.valid = -99;
    ChlDate chl;
    CJDateToChDates(cjdc, r.settings.epoch, chs, chl, r.settings);
    r.chlText = ChlDateShortStr(chl, 0, "CHL", r.settings, r.country);
    r.ceText = "0-05-23 CE";  // the month-start list centres on year 0
    return r;
}

struct Window {
    ScriptedUserPort port;
    DataWindowModel model{port};
    Window() {
        const DisplayedMoment r = Readings();
        model.readMainWindow = [r] { return r; };
    }
    void List(int16_t kind, const char* years) {
        model.txbNumYears.text = years;
        model.ListKind = kind;
        model.cmdList_Click();
    }
};

void BM_YearDataCold(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        ClearCalendarCaches();
        w.model.DisplayYearData();
        benchmark::DoNotOptimize(w.model.txbText.text.data());
    }
}
BENCHMARK(BM_YearDataCold)->Unit(benchmark::kMillisecond);

void BM_YearDataWarm(benchmark::State& state) {
    Window w;
    w.model.DisplayYearData();
    for (auto _ : state) {
        w.model.DisplayYearData();
        benchmark::DoNotOptimize(w.model.txbText.text.data());
    }
}
BENCHMARK(BM_YearDataWarm)->Unit(benchmark::kMillisecond);

void BM_MonthStartList6000YearsCold(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        ClearCalendarCaches();
        w.List(ListLeapMonthsKind, "6000");
        benchmark::DoNotOptimize(w.model.txbText.text.data());
    }
    state.counters["lines"] = static_cast<double>(std::count(w.model.txbText.text.begin(), w.model.txbText.text.end(), '\n'));
}
BENCHMARK(BM_MonthStartList6000YearsCold)->Unit(benchmark::kSecond)->Iterations(2);

void BM_Anniversaries1000YearsCold(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        ClearCalendarCaches();
        w.List(ListLunarNewYearsKind, "1000");
        benchmark::DoNotOptimize(w.model.txbText.text.data());
    }
}
BENCHMARK(BM_Anniversaries1000YearsCold)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace orbel
