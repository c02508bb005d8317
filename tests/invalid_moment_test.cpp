// Not a number and the infinities fed to every engine procedure that takes a
// moment: each gives its invalid result at once, never a hang or a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "engine/chinese_calendar.h"
#include "engine/moon_data.h"
#include "engine/quenta_module.h"
#include "engine/sol_eq.h"

namespace orbel {
namespace {

TEST(InvalidMoment, EveryEngineEntryPointGivesItsInvalidResult) {
    const CalendarSettings settings;
    auto allNaN = [](const double* first, const double* last) {
        return std::all_of(first, last, [](double x) { return std::isnan(x); });
    };
    auto invalidTerms = [&](const SolarTerms& t) {
        return allNaN(std::begin(t.TermMoments), std::end(t.TermMoments)) &&
               allNaN(std::begin(t.QuarterPoints), std::end(t.QuarterPoints)) &&
               std::all_of(std::begin(t.TermDays), std::end(t.TermDays), [](int32_t d) { return d == NoTermDay; });
    };
    struct Case {
        const char* entry;
        std::function<bool(double)> givesInvalid;
    };
    const Case cases[] = {
        {"DeltaTOfMoment", [](double x) { return std::isnan(DeltaTOfMoment(x)); }},
        {"LunationAt", [](double x) { return LunationAt(x) == NoLunation; }},
        {"GetPhase",
         [](double x) {
             bool exact = true;
             return GetPhase(0, x, exact) == -3 && !exact;
         }},
        {"MoonLongitude",
         [](double x) {
             double scratch = 0;
             const double l = MoonLongitude(x, &scratch);
             return std::isnan(l) || l == -99.0 || l == -100.0;
         }},
        {"SuiOfDay", [&](double x) { return SuiOfDay(x, settings) == NoSui; }},
        {"ComputeSolarTerms, true sun", [&](double x) { return invalidTerms(ComputeSolarTerms(x, TrueSunMethod, settings)); }},
        {"ComputeSolarTerms, mean sun", [&](double x) { return invalidTerms(ComputeSolarTerms(x, MeanSunMethod, settings)); }},
        {"ComputeYearData",
         [&](double x) {
             const YearData data = ComputeYearData(x, settings);
             return invalidTerms(data) && data.DarkMoonCount == 0;
         }},
        {"CJDateToChDates",
         [&](double x) {
             ChsDate chs;
             ChlDate chl;
             CJDateToChDates(x, settings.epoch, chs, chl, settings);
             return chs.valid == 0 && chl.valid == 0;
         }},
        {"MoonAgeStr", [](double x) { return MoonAgeStr(x).empty(); }},
        {"AngularSeparation",
         [](double x) {
             int16_t dir = 5;
             return std::isnan(AngularSeparation(x, 1.0, dir)) && dir == 0;
         }},
        {"PositionalLitFraction", [](double x) { return !PositionalLitFraction(x).has_value(); }},
        {"ApproximateLitFraction", [](double x) { return std::isnan(ApproximateLitFraction(x, 0, 0)); }},
        {"ComputeMoonDisplay",
         [](double x) {
             const MoonDisplay d = ComputeMoonDisplay(x, "");
             return d.error.has_value() && !d.phaseView && d.lunation == NoLunation;
         }},
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Case& c : cases)
        for (double x : {std::numeric_limits<double>::quiet_NaN(), inf, -inf})
            EXPECT_TRUE(c.givesInvalid(x)) << c.entry << " of " << x;
}

}  // namespace
}  // namespace orbel
