// Costs of the Chinese calendars: the year data of one sui from nothing and
// from the memo, and the conversion of a day to CHL and CHS dates.
#include <benchmark/benchmark.h>

#include "services/calendar_conversion.h"

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"

namespace {

// Every memo emptied (phase moments, solar terms, year data) before each call.
// The astronomy service keeps memos of its own which this cannot empty, so
// each call takes a sui ten years from the last, sharing no dark moon or term.
void BM_ComputeYearDataCold(benchmark::State& state) {
    const orbel::CalendarSettings settings;
    int year = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        orbel::ClearCalendarCaches();
        const double x = orbel::GregorianDayNumber(year, 6, 1) + 0.5;
        year = year >= 2990 ? 1000 + (year + 1) % 10 : year + 10;
        state.ResumeTiming();
        benchmark::DoNotOptimize(orbel::ComputeYearData(x, settings));
    }
}
BENCHMARK(BM_ComputeYearDataCold)->Unit(benchmark::kMicrosecond);

// The sui next to one already computed: most dark moons and terms are
// memoised, the new ones are computed. This is the cost per sui of a walk.
void BM_ComputeYearDataNextSui(benchmark::State& state) {
    const orbel::CalendarSettings settings;
    int year = -2900;
    for (auto _ : state) benchmark::DoNotOptimize(orbel::ComputeYearData(orbel::GregorianDayNumber(year++, 6, 1) + 0.5, settings));
}
BENCHMARK(BM_ComputeYearDataNextSui)->Unit(benchmark::kMicrosecond);

void BM_ComputeYearDataWarm(benchmark::State& state) {
    const orbel::CalendarSettings settings;
    const double x = orbel::GregorianDayNumber(2012, 6, 1) + 0.5;
    benchmark::DoNotOptimize(orbel::ComputeYearData(x, settings));
    for (auto _ : state) benchmark::DoNotOptimize(orbel::ComputeYearData(x, settings));
}
BENCHMARK(BM_ComputeYearDataWarm);

// Every day of 200 consecutive years (1901-2100), from empty memos: the cost
// per day includes the astronomy of each new sui.
void BM_CJDateToChDates200Years(benchmark::State& state) {
    const orbel::CalendarSettings settings;
    const int32_t first = orbel::GregorianDayNumber(1901, 1, 1), last = orbel::GregorianDayNumber(2100, 12, 31);
    for (auto _ : state) {
        state.PauseTiming();
        orbel::ClearCalendarCaches();
        state.ResumeTiming();
        for (int32_t d = first; d <= last; ++d) {
            orbel::ChsDate chs;
            orbel::ChlDate chl;
            orbel::CJDateToChDates(d + 0.5, settings.epoch, chs, chl, settings);
            benchmark::DoNotOptimize(chl);
        }
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_CJDateToChDates200Years)->Unit(benchmark::kMillisecond);

// The same days with every sui already memoised: the conversion alone.
void BM_CJDateToChDatesWarm(benchmark::State& state) {
    const orbel::CalendarSettings settings;
    const int32_t first = orbel::GregorianDayNumber(2001, 1, 1), last = orbel::GregorianDayNumber(2010, 12, 31);
    int32_t d = first;
    for (auto _ : state) {
        orbel::ChsDate chs;
        orbel::ChlDate chl;
        orbel::CJDateToChDates(d + 0.5, settings.epoch, chs, chl, settings);
        benchmark::DoNotOptimize(chl);
        if (++d > last) d = first;
    }
}
BENCHMARK(BM_CJDateToChDatesWarm);

void BM_ChLDateToJDNWarm(benchmark::State& state) {
    const orbel::CalendarSettings settings;
    orbel::ChlDate r;
    r.cycle = 79;
    r.position = 29;
    r.month = 4;
    r.leap = 1;
    r.day = 10;
    for (auto _ : state) {
        orbel::ChlDate c = r;
        benchmark::DoNotOptimize(orbel::ChLDateToJDN(c, settings));
    }
}
BENCHMARK(BM_ChLDateToJDNWarm);

// A lunar date from a day and the day back from it, in years the calendar as
// observed takes from the Qing table (1880-1910) and reckons on the Beijing
// meridian (1912-1928): arg 0 is the first year, arg 1 is 1 for the calendar
// as observed and 0 for today's rule in the same years. Warm: the memos hold
// every year; each iteration takes the next day of a 31-year walk.
void BM_LunarDateWarm(benchmark::State& state) {
    orbel::CalendarSettings settings;
    settings.asObserved = state.range(1) == 1;
    const int32_t first = orbel::GregorianDayNumber(static_cast<int32_t>(state.range(0)), 1, 1);
    const int32_t days = 17 * 365;
    int32_t i = 0;
    for (auto _ : state) {
        orbel::ChlDate r;
        r.jdn = first + i;
        r.epoch = settings.epoch;
        orbel::JDNToChlDate(r, settings);
        benchmark::DoNotOptimize(orbel::ChLDateToJDN(r, settings));
        i = (i + 1) % days;
    }
}
BENCHMARK(BM_LunarDateWarm)->ArgsProduct({{1880, 1912}, {0, 1}});

// The same from empty memos of the engine: each call takes a day a year
// after the last, so a new sui every time.
void BM_LunarDateCold(benchmark::State& state) {
    orbel::CalendarSettings settings;
    settings.asObserved = state.range(1) == 1;
    const int32_t first = orbel::GregorianDayNumber(static_cast<int32_t>(state.range(0)), 6, 1);
    int32_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        orbel::ClearCalendarCaches();
        state.ResumeTiming();
        orbel::ChlDate r;
        r.jdn = first + 365 * i;
        r.epoch = settings.epoch;
        orbel::JDNToChlDate(r, settings);
        benchmark::DoNotOptimize(orbel::ChLDateToJDN(r, settings));
        i = (i + 1) % 17;
    }
}
BENCHMARK(BM_LunarDateCold)->ArgsProduct({{1880, 1912}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
