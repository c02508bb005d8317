// Not a number and the infinities fed to every engine procedure that takes a
// moment: each gives its invalid result at once, never a hang or a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "engine/chinese_calendar.h"
#include "engine/moon_data.h"
#include "engine/quenta_module.h"

namespace orbel {
namespace {

bool NoTerms(const SolarTerms& t) {
    return std::all_of(std::begin(t.TermMoments), std::end(t.TermMoments), [](double x) { return std::isnan(x); }) &&
           std::all_of(std::begin(t.TermDays), std::end(t.TermDays), [](int32_t d) { return d == NoTermDay; });
}

TEST(InvalidMoment, EveryEngineEntryPointGivesItsInvalidResult) {
    const CalendarSettings s;
    double scratch = 0;
    bool exact = false;
    int16_t dir = 0;
    const std::pair<const char*, std::function<bool(double)>> entries[] = {
        {"DeltaTOfMoment", [](double x) { return std::isnan(DeltaTOfMoment(x)); }},
        {"LunationAt", [](double x) { return LunationAt(x) == NoLunation; }},
        {"GetPhase", [&](double x) { return GetPhase(0, x, exact) == -3; }},
        {"MoonLongitude", [&](double x) { return !(std::fabs(MoonLongitude(x, &scratch)) < 7.0); }},
        {"SuiOfDay", [&](double x) { return SuiOfDay(x, s) == NoSui; }},
        {"ComputeSolarTerms", [&](double x) { return NoTerms(ComputeSolarTerms(x, MeanSunMethod, s)); }},
        {"ComputeYearData",
         [&](double x) {
             const YearData d = ComputeYearData(x, s);
             return NoTerms(d) && d.DarkMoonCount == 0;
         }},
        {"CJDateToChDates",
         [&](double x) {
             ChsDate chs;
             ChlDate chl;
             CJDateToChDates(x, s.epoch, chs, chl, s);
             return !chs.valid && !chl.valid;
         }},
        {"MoonAgeStr", [](double x) { return MoonAgeStr(x).empty(); }},
        {"AngularSeparation", [&](double x) { return std::isnan(AngularSeparation(x, 1.0, dir)) && dir == 0; }},
        {"PositionalLitFraction", [](double x) { return !PositionalLitFraction(x); }},
        {"ApproximateLitFraction", [](double x) { return std::isnan(ApproximateLitFraction(x, 0, 0)); }},
        {"ComputeMoonDisplay",
         [](double x) {
             const MoonDisplay d = ComputeMoonDisplay(x);
             return d.PhaseFailed() && !d.phaseView;
         }},
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [entry, givesInvalid] : entries)
        for (double x : {std::numeric_limits<double>::quiet_NaN(), inf, -inf})
            EXPECT_TRUE(givesInvalid(x)) << entry << " of " << x;
}

}  // namespace
}  // namespace orbel
