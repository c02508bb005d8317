// Calendar files: 100 years of solar terms and principal moon phases (about
// 7,400 events) computed and turned into file text, cold (every memo of the
// engine emptied first) and warm.
#include <benchmark/benchmark.h>

#include "engine/chinese_calendar.h"
#include "views/calendar_export.h"

namespace orbel {
namespace {

ExportChoice HundredYears() {
    ExportChoice c;
    c.kinds = {ExportKind::Terms, ExportKind::Phases};
    c.firstYear = 2000;
    c.years = 100;
    return c;
}

void Export(benchmark::State& state, bool cold) {
    const ExportChoice c = HundredYears();
    size_t events = 0;
    for (auto _ : state) {
        if (cold) ClearCalendarCaches();
        const ExportResult r = BuildCalendarExport(c);
        const std::string text = CalendarExportText(r, "20260101T000000Z");
        events = r.events.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["events"] = static_cast<double>(events);
}

void BM_TermsAndPhasesCold(benchmark::State& state) { Export(state, true); }
void BM_TermsAndPhasesWarm(benchmark::State& state) { Export(state, false); }

BENCHMARK(BM_TermsAndPhasesCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TermsAndPhasesWarm)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbel
