// The Pantheon Calendar: its cycle rules, day numbers, month steps, names and
// the main window's Pantheon texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "services/calendar_conversion.h"
#include "services/calendar_settings.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

EuroDate Pan(int32_t year, int32_t month, int32_t day) { return MakeEuroDate(year, month, day, 'P'); }

EuroDate PanOfJDN(int32_t jdn) {
    EuroDate date;
    date.letter = 'P';
    date.jdn = jdn;
    JDNToPanDate(date);
    return date;
}

std::string Show(const EuroDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day) +
           (date.valid == 1 ? " valid" : " invalid");
}

}  // namespace

TEST(PantheonCalendar, Days) {
    using Args = const std::vector<std::string>&;
    orbel::testing::ExpectCaseTable(
        "pantheon_days.txt",
        {{"PanOfJDN", [&](Args a) { return Show(PanOfJDN(std::stoi(a[0]))); }},
         {"PanCycle",
          [&](Args a) {
              const int32_t Y = std::stoi(a[0]);
              return "year " + std::to_string(PanCycleYear(Y)) + " of cycle " + std::to_string(PanCycleNumber(Y));
          }},
         {"PanYear",
          [&](Args a) {
              const int32_t Y = std::stoi(a[0]);
              return std::string(PanIsLeapYear(Y) ? "leap, " : "") + (PanHasLongMonth10(Y) ? "long tenth month, " : "") +
                     std::to_string(PanDaysInYear(Y)) + " days";
          }},
         {"PanDaysInMonth", [&](Args a) { return std::to_string(PanDaysInMonth(std::stoi(a[0]), std::stoi(a[1]))); }},
         {"PanDateToJDN",
          [&](Args a) {
              EuroDate date = Pan(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]));
              date.jdn = 12345;
              date.valid = 1;
              const bool ok = PanDateToJDN(date);
              std::string text = std::to_string(date.jdn) + (ok && date.valid == 1 ? " valid" : " invalid");
              if (ok) text += ", back " + Show(PanOfJDN(date.jdn));
              return text;
          }},
         {"PanStepMonth", [&](Args a) {
              EuroDate date = Pan(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]));
              PanStepMonth(date, a[3] == "forward");
              // The day number follows the new date.
              return Show(date) + (Show(PanOfJDN(date.jdn)) == Show(date) ? "" : " at another day number");
          }}});
}

// The whole cycle: its counts of leap years (so 22300 months), long tenth
// months and days, and rules that depend on the year's place in the cycle only.
TEST(PantheonCalendar, CycleCounts) {
    int leapYears = 0, longTenths = 0, days = 0;
    for (int32_t Y = 443; Y <= 2245; ++Y) {
        leapYears += PanIsLeapYear(Y);
        longTenths += PanHasLongMonth10(Y);
        days += PanDaysInYear(Y);
        EXPECT_EQ(PanDaysInYear(Y), PanDaysInYear(Y - 1803 * 3));
        EXPECT_EQ(PanIsLeapYear(Y), PanIsLeapYear(Y + 1803));
    }
    EXPECT_EQ(leapYears, 664);
    EXPECT_EQ(longTenths, 350);
    EXPECT_EQ(days, 658532);
}

TEST(PantheonCalendar, Texts) {
    using Args = const std::vector<std::string>&;
    const auto label = [](const PantheonLabel& l) { return l.caption + " | " + l.longText; };
    orbel::testing::ExpectCaseTable(
        "pantheon_texts.txt",
        {{"PanDateStrOfJdn", [&](Args a) { return PanDateStr(PanOfJDN(std::stoi(a[0])), std::stoi(a[1])); }},
         {"PanDateStr",
          [&](Args a) { return PanDateStr(Pan(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2])), std::stoi(a[3])); }},
         {"PanDayName", [&](Args a) { return PanDayName(std::stoi(a[0])); }},
         {"PanDayAbbrev", [&](Args a) { return PanDayAbbrev(std::stoi(a[0])); }},
         {"PanMonthName", [&](Args a) { return PanMonthName(std::stoi(a[0])); }},
         {"PanMonthAbbrev", [&](Args a) { return PanMonthAbbrev(std::stoi(a[0])); }},
         {"PanLondonLabel", [&](Args a) { return label(PanLondonLabel(std::stod(a[0]))); }},
         {"PanReferenceLabel",
          [&](Args a) { return label(PanReferenceLabel(std::stod(a[0]), int16_t(std::stoi(a[1])), a[2])); }},
         {"PanChlComparisonNote", [&](Args a) {
              ChlDate chl;
              chl.month = std::stoi(a[1]);
              chl.day = std::stoi(a[2]);
              chl.leap = std::stoi(a[3]);
              chl.valid = std::stoi(a[4]);
              return PanChlComparisonNote(a[0], chl);
          }}});
}

// Every day of the program's range: the two conversions are inverse, days
// follow one another without gap, months have 29 or 30 days and years 12 or
// 13 months, as the cycle rules say.
TEST(PantheonCalendar, EveryDayOfTheRange) {
    EuroDate prev = PanOfJDN(MinJDN - 1);
    int32_t daysInYear = 0;
    int failures = 0;
    // Months and years spread evenly: month starts keep within about two days
    // of the mean month's multiples (the 30- and 29-day months alternate), and
    // new years within about one month of the mean year's.
    const double meanMonth = 658532.0 / 22300.0, meanYear = 658532.0 / 1803.0;
    int32_t months = 0, years = 0;
    double monthLow = 1e9, monthHigh = -1e9, yearLow = 1e9, yearHigh = -1e9;
    for (int32_t jdn = MinJDN; jdn <= MaxJDN && failures < 10; ++jdn) {
        const EuroDate date = PanOfJDN(jdn);
        EuroDate back = Pan(date.year, date.month, date.day);
        const bool ok = PanDateToJDN(back) && back.jdn == jdn;

        // The day after `prev` by the rules' month and year lengths.
        const int32_t prevLength = PanDaysInMonth(prev.year + 1, prev.month);
        const bool newMonth = prev.day == prevLength;
        const bool newYear = newMonth && prev.month == (PanIsLeapYear(prev.year + 1) ? 13 : 12);
        const bool follows = (prevLength == 29 || prevLength == 30) && date.year == prev.year + newYear &&
                             date.month == (newYear ? 1 : prev.month + newMonth) &&
                             date.day == (newMonth ? 1 : prev.day + 1) &&
                             (!newYear || jdn <= MinJDN + 400 || daysInYear == PanDaysInYear(prev.year + 1));
        if (newYear) daysInYear = 0;
        if (date.day == 1) {
            const double drift = jdn - meanMonth * months++;
            monthLow = std::min(monthLow, drift);
            monthHigh = std::max(monthHigh, drift);
            if (date.month == 1) {
                const double yearDrift = jdn - meanYear * years++;
                yearLow = std::min(yearLow, yearDrift);
                yearHigh = std::max(yearHigh, yearDrift);
            }
        }
        ++daysInYear;
        if (!ok || !follows) {
            ++failures;
            ADD_FAILURE() << "day " << jdn << ": " << date.year << "-" << date.month << "-" << date.day
                          << (ok ? "" : " does not convert back") << (follows ? "" : " does not follow the day before");
        }
        prev = date;
    }
    EXPECT_LT(monthHigh - monthLow, 2.5);
    EXPECT_LT(yearHigh - yearLow, meanMonth + 1.5);
}
