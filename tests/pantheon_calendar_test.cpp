// The Pantheon Calendar: its cycle rules, day numbers, month steps, names and
// the main window's Pantheon texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "engine/calendar_settings.h"

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

    // Year 4698 has 13 months, 4699 a long tenth month, 4709 both.
    EXPECT_TRUE(PanIsLeapYear(4699));
    EXPECT_FALSE(PanHasLongMonth10(4699));
    EXPECT_EQ(PanDaysInYear(4699), 384);
    EXPECT_FALSE(PanIsLeapYear(4700));
    EXPECT_TRUE(PanHasLongMonth10(4700));
    EXPECT_EQ(PanDaysInYear(4700), 355);
    EXPECT_TRUE(PanIsLeapYear(4710));
    EXPECT_TRUE(PanHasLongMonth10(4710));
    EXPECT_EQ(PanDaysInYear(4710), 385);
    EXPECT_EQ(PanDaysInYear(4701), 354);
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

TEST(PantheonCalendar, DateTexts) {
    const EuroDate date = PanOfJDN(2451545);
    EXPECT_EQ(PanDateStr(date, 1), "4696-11-25 PAN");
    EXPECT_EQ(PanDateStr(date, 2), "4696-11-25 PAN (Mars Day, Dionysus 25,  4696)");
    EXPECT_EQ(PanDateStr(date, 3), "Dionysus 25,  4696");
    EXPECT_EQ(PanDateStr(date, 4), "The 25th day of Dionysus in the year 4696");
    EXPECT_EQ(PanDateStr(date, 5), "Mars Day, Dionysus 25,  4696");
    EXPECT_EQ(PanDateStr(date, 6), "");

    const EuroDate early = PanOfJDN(MinJDN);
    EXPECT_EQ(PanDateStr(early, 1), "-304-12-14 PAN");
    EXPECT_EQ(PanDateStr(early, 2), "-304-12-14 PAN (Earth Day, Demeter 14, -304)");
    EXPECT_EQ(PanDateStr(early, 4), "The 14th day of Demeter in the year-304");
    EXPECT_EQ(PanDateStr(Pan(4698, 13, 1), 4), "The 1st day of Persephone in the year 4698");
    EXPECT_EQ(PanDateStr(Pan(4698, 13, 22), 5), "Mercury Day, Persephone 22,  4698");
}

TEST(PantheonCalendar, Names) {
    EXPECT_EQ(PanDayName(21), "Sun Day");
    EXPECT_EQ(PanDayName(30), "Pluto Day");
    EXPECT_EQ(PanDayAbbrev(16), "Jupit");
    EXPECT_EQ(PanDayAbbrev(28), "Uran");
    EXPECT_EQ(PanDayName(0), "");
    EXPECT_EQ(PanDayAbbrev(31), "");
    EXPECT_EQ(PanMonthName(8), "Prometheus");
    EXPECT_EQ(PanMonthAbbrev(4), "Aphro");
    EXPECT_EQ(PanMonthAbbrev(13), "Pers");
    EXPECT_EQ(PanMonthName(0), "");
    EXPECT_EQ(PanMonthAbbrev(14), "");
}

TEST(PantheonCalendar, MainWindowLabels) {
    // 2000-01-01 18:00 GMT: still the 1st at London, already 02:00 of the 2nd in China.
    const double ajd = 2451545.25;
    const PantheonLabel london = PanLondonLabel(ajd);
    EXPECT_EQ(london.caption, "4696-11-25 PAN 18:00 GMT Mars Day");
    EXPECT_EQ(london.longText, "The 25th day of Dionysus in the year 4696 in the Pantheon Calendar (GMT timezone)");
    const PantheonLabel china = PanReferenceLabel(ajd, 120, "CCT");
    EXPECT_EQ(china.caption, "4696-11-26 PAN 02:00 CCT Jupiter Day");
    EXPECT_EQ(china.longText, "The 26th day of Dionysus in the year 4696 in the Pantheon Calendar (CCT timezone)");
    EXPECT_EQ(PanReferenceLabel(ajd, 105, "ICT").caption, "4696-11-26 PAN 01:00 ICT Jupiter Day");
    // Before midnight GMT the London day is the one before.
    EXPECT_EQ(PanLondonLabel(2451544.4).caption, "4696-11-24 PAN 21:36 GMT Earth Day");
}

TEST(PantheonCalendar, ComparisonNote) {
    const std::string label = "4696-11-25 PAN 02:00 CCT Mars Day";
    const auto note = [&](int month, int day, int leap = 0, int valid = 1) {
        ChlDate chl;
        chl.month = month;
        chl.day = day;
        chl.leap = leap;
        chl.valid = valid;
        return PanChlComparisonNote(label, chl);
    };
    EXPECT_EQ(note(11, 25), "PAN month & day same as CHL");
    EXPECT_EQ(note(11, 24), "PAN date 1 day ahead of CHL");
    EXPECT_EQ(note(11, 26), "PAN date 1 day behind CHL");
    EXPECT_EQ(note(10, 25), "PAN date 1 month ahead of CHL");
    EXPECT_EQ(note(12, 25), "PAN date 1 month behind CHL");
    EXPECT_EQ(note(11, 3), "PAN month no. same as CHL");
    EXPECT_EQ(note(2, 25), "PAN day no. same as CHL");
    EXPECT_EQ(note(3, 3), "");
    EXPECT_EQ(note(11, 25, 1), "");     // leap month
    EXPECT_EQ(note(11, 25, 0, 0), "");  // CHL label not a date

    ChlDate same;
    same.month = 1;
    same.day = 5;
    same.valid = 1;
    EXPECT_EQ(PanChlComparisonNote("-304-01-05 PAN 02:00 CCT Mars Day", same), "PAN month & day same as CHL");
    // "PAN" must start at the sixth character or later, spaces removed.
    EXPECT_EQ(PanChlComparisonNote("1-05 PAN", same), "");
    EXPECT_EQ(PanChlComparisonNote("01-05 PAN", same), "PAN month & day same as CHL");
    EXPECT_EQ(PanChlComparisonNote("x01-05PAN", same), "PAN month & day same as CHL");
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
