// Cold costs of the astronomical computations: every memo is emptied before
// each measured call, so each figure is the full computation.
#include <benchmark/benchmark.h>

#include "services/calendar_settings.h"
#include "engine/quenta_module.h"
#include "engine/sol_eq.h"
#include "services/earth_frames.h"
#include "services/moment_solvers.h"
#include "services/moon_series.h"

using namespace orbel;

namespace {

void ClearAll() {
    ClearAstronomyCaches();
    ClearPhaseMomentCache();
    ClearSolarTermCache();
}

void BM_PhaseMomentCold(benchmark::State& state) {
    int32_t k = -3000;
    for (auto _ : state) {
        state.PauseTiming();
        ClearAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(PhaseMomentGMT(k, static_cast<int16_t>(k & 3)));
        k = k < 1200 ? k + 37 : -3000;
    }
}
BENCHMARK(BM_PhaseMomentCold)->Unit(benchmark::kMicrosecond);

void BM_ComputeSolarTermsTrueSunCold(benchmark::State& state) {
    const CalendarSettings settings;
    double day = 2415021.0;  // 1900-01-01
    for (auto _ : state) {
        state.PauseTiming();
        ClearAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ComputeSolarTerms(day, 0, settings));
        day = day < 2488000.0 ? day + 3653.0 : 2415021.0;
    }
}
BENCHMARK(BM_ComputeSolarTermsTrueSunCold)->Unit(benchmark::kMillisecond);

void BM_LunationAtCold(benchmark::State& state) {
    double moment = 2415021.0;
    for (auto _ : state) {
        state.PauseTiming();
        ClearAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(LunationAt(moment));
        moment = moment < 2488000.0 ? moment + 1234.567 : 2415021.0;
    }
}
BENCHMARK(BM_LunationAtCold)->Unit(benchmark::kMicrosecond);

void BM_SunLongitude(benchmark::State& state) {
    double t = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunApparentLongitudeTT(t));
        t += 0.37;
    }
}
BENCHMARK(BM_SunLongitude)->Unit(benchmark::kMicrosecond);

void BM_MoonLongitude(benchmark::State& state) {
    double t = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonApparentLongitudeTT(t));
        t += 0.37;
    }
}
BENCHMARK(BM_MoonLongitude)->Unit(benchmark::kMicrosecond);

}  // namespace
