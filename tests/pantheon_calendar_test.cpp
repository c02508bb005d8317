// The Pantheon Calendar: its cycle rules, day numbers, month steps, names and
// the main window's Pantheon texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "services/calendar_settings.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

EuroDate Pan(int32_t year, int32_t month, int32_t day) {
    EuroDate date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.letter = 'P';
    return date;
}

EuroDate PanOfJDN(int32_t jdn) {
    EuroDate date;
    date.letter = 'P';
    date.jdn = jdn;
    JDNToPanDate(date);
    return date;
}

int32_t CEJDN(int32_t year, int32_t month, int32_t day) {
    EuroDate date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.letter = 'G';
    return EuroDateToJDN(date);
}

::testing::AssertionResult IsPan(const EuroDate& date, int32_t year, int32_t month, int32_t day) {
    if (date.year == year && date.month == month && date.day == day && date.valid == 1) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got " << date.year << "-" << date.month << "-" << date.day
                                         << " valid " << date.valid;
}

}  // namespace

TEST(PantheonCalendar, AnchorDays) {
    EXPECT_TRUE(IsPan(PanOfJDN(897474), 442, 1, 1));
    EXPECT_TRUE(IsPan(PanOfJDN(MinJDN), -304, 12, 14));
    EXPECT_TRUE(IsPan(PanOfJDN(MaxJDN), 5696, 12, 4));
    EXPECT_TRUE(IsPan(PanOfJDN(2451545), 4696, 11, 25));
    // New years close to the Chinese ones.
    EXPECT_TRUE(IsPan(PanOfJDN(CEJDN(2002, 2, 12)), 4699, 1, 1));
    EXPECT_TRUE(IsPan(PanOfJDN(CEJDN(2003, 2, 2)), 4700, 1, 1));
    EXPECT_TRUE(IsPan(PanOfJDN(897474 - 658532), 442 - 1803, 1, 1));
    // The last year of a cycle has twelve months; month 12 has 29 days.
    EXPECT_FALSE(PanIsLeapYear(442));
    EXPECT_TRUE(IsPan(PanOfJDN(897474 - 1), 441, 12, 29));
}

TEST(PantheonCalendar, CycleRules) {
    // Shifted year Y = year + 1 throughout.
    EXPECT_EQ(PanCycleYear(443), 1);
    EXPECT_EQ(PanCycleYear(2245), 1803);
    EXPECT_EQ(PanCycleYear(442), 1803);
    EXPECT_EQ(PanCycleYear(-1361), 1803);
    EXPECT_EQ(PanCycleNumber(2245), 0);
    EXPECT_EQ(PanCycleNumber(2246), 1);
    EXPECT_EQ(PanCycleNumber(442), -1);
    EXPECT_EQ(PanCycleNumber(-1361), -2);

    // Year 4698 has 13 months, 4699 a long tenth month, 4709 both, 4700 neither.
    const std::tuple<int32_t, bool, bool, int32_t> years[] = {
        {4699, true, false, 384}, {4700, false, true, 355}, {4710, true, true, 385}, {4701, false, false, 354}};
    for (const auto& [Y, leap, long10, days] : years) {
        EXPECT_EQ(PanIsLeapYear(Y), leap) << Y;
        EXPECT_EQ(PanHasLongMonth10(Y), long10) << Y;
        EXPECT_EQ(PanDaysInYear(Y), days) << Y;
    }
    EXPECT_EQ(PanDaysInMonth(4700, 10), 30);  // long tenth month
    EXPECT_EQ(PanDaysInMonth(4701, 10), 29);
    EXPECT_EQ(PanDaysInMonth(4700, 13), -2);  // no thirteenth month
    EXPECT_EQ(PanDaysInMonth(4700, 0), -1);
    EXPECT_EQ(PanDaysInMonth(4700, 14), -1);

    int leapYears = 0, longTenths = 0, months = 0, days = 0;
    for (int32_t Y = 443; Y <= 2245; ++Y) {
        leapYears += PanIsLeapYear(Y);
        longTenths += PanHasLongMonth10(Y);
        months += PanIsLeapYear(Y) ? 13 : 12;
        days += PanDaysInYear(Y);
        // The rules depend on the year's place in the cycle only.
        EXPECT_EQ(PanDaysInYear(Y), PanDaysInYear(Y - 1803 * 3));
        EXPECT_EQ(PanIsLeapYear(Y), PanIsLeapYear(Y + 1803));
    }
    EXPECT_EQ(leapYears, 664);
    EXPECT_EQ(longTenths, 350);
    EXPECT_EQ(months, 22300);
    EXPECT_EQ(days, 658532);
}

TEST(PantheonCalendar, Validity) {
    EuroDate date = Pan(4699, 10, 30);
    EXPECT_TRUE(PanDateToJDN(date));
    date = Pan(4698, 13, 30);
    EXPECT_TRUE(PanDateToJDN(date));
    EXPECT_EQ(date.jdn, CEJDN(2002, 2, 11));

    for (EuroDate bad : {Pan(4700, 10, 30), Pan(4700, 2, 30), Pan(4700, 13, 1), Pan(4700, 1, 0), Pan(4700, 1, 31),
                         Pan(4700, 0, 1), Pan(4700, 14, 1), Pan(4700, 12, -5)}) {
        bad.jdn = 12345;
        bad.valid = 1;
        EXPECT_FALSE(PanDateToJDN(bad)) << bad.year << "-" << bad.month << "-" << bad.day;
        EXPECT_EQ(bad.valid, 0);
        EXPECT_EQ(bad.jdn, 0);
    }
    // A year so far away that its day number does not fit 32 bits is refused
    // rather than wrapped; the farthest years that fit still convert.
    EuroDate far = Pan(2000000000, 1, 1);
    EXPECT_FALSE(PanDateToJDN(far));
    EXPECT_EQ(far.valid, 0);
    EuroDate fits = Pan(5000000, 1, 1);
    ASSERT_TRUE(PanDateToJDN(fits));
    EXPECT_TRUE(IsPan(PanOfJDN(fits.jdn), 5000000, 1, 1));
}

TEST(PantheonCalendar, StepMonth) {
    struct Case {
        EuroDate from;
        bool forward;
        EuroDate to;
    };
    const Case cases[] = {
        {Pan(4698, 12, 30), true, Pan(4698, 13, 30)},
        {Pan(4699, 12, 5), true, Pan(4700, 1, 5)},
        {Pan(4699, 1, 30), false, Pan(4698, 13, 30)},
        {Pan(4700, 1, 30), true, Pan(4700, 2, 29)},
        {Pan(4700, 1, 7), false, Pan(4699, 12, 7)},  // 4699 has no thirteenth month
        {Pan(4699, 9, 30), true, Pan(4699, 10, 30)},  // long tenth month keeps the 30th
        {Pan(4700, 11, 30), false, Pan(4700, 10, 29)},
    };
    for (const Case& c : cases) {
        EuroDate date = c.from;
        PanStepMonth(date, c.forward);
        EXPECT_TRUE(IsPan(date, c.to.year, c.to.month, c.to.day))
            << c.from.year << "-" << c.from.month << "-" << c.from.day << (c.forward ? " forward" : " back");
        // The day number follows the new date.
        EXPECT_TRUE(IsPan(PanOfJDN(date.jdn), c.to.year, c.to.month, c.to.day));
    }
}

TEST(PantheonCalendar, Texts) {
    using Args = const std::vector<std::string>&;
    const auto number = [](const std::string& word) { return std::stoi(word); };
    const auto label = [](const PantheonLabel& l) { return l.caption + " | " + l.longText; };
    orbel::testing::ExpectCaseTable(
        "pantheon_texts.txt",
        {{"PanDateStrOfJdn", [&](Args a) { return PanDateStr(PanOfJDN(number(a[0])), number(a[1])); }},
         {"PanDateStr",
          [&](Args a) { return PanDateStr(Pan(number(a[0]), number(a[1]), number(a[2])), number(a[3])); }},
         {"PanDayName", [&](Args a) { return PanDayName(number(a[0])); }},
         {"PanDayAbbrev", [&](Args a) { return PanDayAbbrev(number(a[0])); }},
         {"PanMonthName", [&](Args a) { return PanMonthName(number(a[0])); }},
         {"PanMonthAbbrev", [&](Args a) { return PanMonthAbbrev(number(a[0])); }},
         {"PanLondonLabel", [&](Args a) { return label(PanLondonLabel(std::stod(a[0]))); }},
         {"PanReferenceLabel",
          [&](Args a) { return label(PanReferenceLabel(std::stod(a[0]), int16_t(number(a[1])), a[2])); }},
         {"PanChlComparisonNote", [&](Args a) {
              ChlDate chl;
              chl.month = number(a[1]);
              chl.day = number(a[2]);
              chl.leap = number(a[3]);
              chl.valid = number(a[4]);
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

        const int32_t Y = date.year + 1;
        bool follows;
        if (date.day > 1) {
            follows = date.year == prev.year && date.month == prev.month && date.day == prev.day + 1;
        } else {
            const int32_t prevLength = PanDaysInMonth(prev.year + 1, prev.month);
            follows = prev.day == prevLength && (prevLength == 29 || prevLength == 30);
            if (date.month > 1) {
                follows = follows && date.year == prev.year && date.month == prev.month + 1;
            } else {
                const int32_t lastMonth = PanIsLeapYear(prev.year + 1) ? 13 : 12;
                follows = follows && date.year == prev.year + 1 && prev.month == lastMonth;
                if (jdn > MinJDN + 400) follows = follows && daysInYear == PanDaysInYear(prev.year + 1);
                daysInYear = 0;
            }
        }
        follows = follows && date.day <= PanDaysInMonth(Y, date.month);
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
