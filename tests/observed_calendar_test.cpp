// China's lunar calendar as it was observed: every month of the lunar years
// 1645 to 1928 against the months the table tool took from its source
// (tests/data/observed_month_starts.txt), through every way the engine gives
// a lunar date, and the famous new years.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "engine/chinese_calendar.h"
#include "services/calendar_conversion.h"
#include "tests/golden.h"

namespace {

constexpr orbel::CalendarSettings Observed{.asObserved = true};

orbel::ChlDate LunarDate(int year, int month, bool leap, int day) {
    orbel::ChlDate r;
    r.cycle = orbel::CycleOfYear(year, Observed.epoch);
    r.position = orbel::PositionOfYear(year);
    r.month = month, r.leap = leap ? 1 : 0, r.day = day;
    return r;
}

std::array<int, 5> Fields(const orbel::ChlDate& r) { return {r.cycle, r.position, r.month, r.leap, r.day}; }

// The month holding day d in the year data of that day, or -1.
int MonthIndexOfDay(const orbel::YearData& yd, int32_t d) {
    for (int m = 0; m + 1 < yd.DarkMoonCount; ++m)
        if (yd.DarkMoonDays[m] <= d && d < yd.DarkMoonDays[m + 1]) return m;
    return -1;
}

}  // namespace

TEST(ObservedCalendar, EveryMonth1645To1928IsTheSourcesMonth) {
    // A line: year, leap month (0: none), first day of month 1, a digit a month (9: 29 days, 0: 30).
    std::ifstream in(orbel::testing::GoldenPath("observed_month_starts.txt"));
    int expectedYear = 1645;
    int32_t first = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        int year = 0, leapMonth = 0, newYear = 0;
        std::string lengths;
        std::istringstream(line) >> year >> leapMonth >> newYear >> lengths;
        ASSERT_EQ(year, expectedYear++);
        ASSERT_EQ(lengths.size(), leapMonth != 0 ? 13u : 12u) << year;
        EXPECT_TRUE(year == 1645 || first == newYear) << year << ": months do not run on";
        first = newYear;
        for (int k = 0; k < static_cast<int>(lengths.size()); ++k) {
            const int length = lengths[k] == '0' ? 30 : 29;
            const bool leap = leapMonth != 0 && k == leapMonth;
            const int month = leapMonth != 0 && k >= leapMonth ? k : k + 1;
            const std::string name = std::to_string(year) + " month " + orbel::MonthLabel(month, leap);

            orbel::ChlDate typed = LunarDate(year, month, leap, 1);
            ASSERT_EQ(orbel::ChLDateToJDN(typed, Observed), orbel::ChlDateFound) << name;
            EXPECT_EQ(typed.jdn, first) << name;
            EXPECT_EQ(orbel::LunarMonthLength(typed, Observed), length) << name;
            for (const int day : {1, length}) {
                orbel::ChlDate shown;
                shown.jdn = first + day - 1;
                orbel::JDNToChlDate(shown, Observed);
                EXPECT_EQ(Fields(shown), Fields(LunarDate(year, month, leap, day))) << name << " day " << day;
            }
            // The year data, which the lists and the data window read.
            const orbel::YearData yd = orbel::ComputeYearData(first + 0.5, Observed);
            const int m = MonthIndexOfDay(yd, first);
            ASSERT_GE(m, 0) << name;
            EXPECT_EQ(yd.DarkMoonDays[m], first) << name;
            EXPECT_EQ(yd.MonthLabels[m], orbel::LunarMonthLabel::Month(month, leap)) << name;
            EXPECT_EQ(yd.DarkMoonDays[m + 1] - first, length) << name;
            first += length;
        }
    }
    EXPECT_EQ(expectedYear, 1929);
}

TEST(ObservedCalendar, NewYearsTheTablesGiveAndTodaysRuleDoesNot) {
    for (const auto& [year, month, day] : {std::tuple{1916, 2, 3}, {1896, 2, 13}, {1685, 2, 3}, {1662, 2, 18}}) {
        orbel::ChlDate observed = LunarDate(year, 1, false, 1), computed = observed;
        ASSERT_EQ(orbel::ChLDateToJDN(observed, Observed), orbel::ChlDateFound) << year;
        EXPECT_EQ(observed.jdn, orbel::GregorianDayNumber(year, month, day)) << year;
        ASSERT_EQ(orbel::ChLDateToJDN(computed, orbel::CalendarSettings{}), orbel::ChlDateFound) << year;
        EXPECT_NE(computed.jdn, observed.jdn) << year;
    }
}
