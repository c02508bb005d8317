// Texts of dates, numbers, durations and day counts.
#include <gtest/gtest.h>
#include "services/calendar_conversion.h"

#include "dates/date_text.h"
#include "dates/day_numbers.h"

using namespace orbel;


TEST(DateText, EuroDateToStr) {
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(2001, 12, 31, 'G')) + " CE", "2001-12-31 CE");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(0, 3, 1, 'J')) + " JC", "0-03-01 JC");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(-1000, 2, 29, 'J')) + " JC", "-1000-02-29 JC");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(12345, 1, 1, 'G')) + " CE", "12,345-01-01 CE");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(10000, 1, 1, 'G')), "10,000-01-01");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(-10000, 1, 1, 'G')), "-10,000-01-01");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(9999, 12, 31, 'G')), "9999-12-31");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(-9999, 12, 31, 'G')), "-9999-12-31");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(-3000, 1, 1, 'G')), "-3000-01-01");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(999999, 1, 1, 'G')), "999,999-01-01");
    EXPECT_EQ(EuroDateToStr(MakeEuroDate(-2147483647 - 1, 1, 1, 'G')), "-2,147,483,648-01-01");
}

TEST(DateText, EuroDateLongForm) {
    EXPECT_EQ(EuroDateLongForm(MakeEuroDate(2001, 12, 31, 'G')),
              "The 31st day of December in the year 2001 in the Common Era Calendar");
    EXPECT_EQ(EuroDateLongForm(MakeEuroDate(2000, 2, 22, 'J')),
              "The 22nd day of February in the year 2000 in the Julian Calendar");
    EXPECT_EQ(EuroDateLongForm(MakeEuroDate(-12345, 1, 3, 'J')),
              "The 3rd day of January in the year -12,345 in the Julian Calendar");
    EXPECT_EQ(EuroDateLongForm(MakeEuroDate(1, 7, 11, 'G')),
              "The 11th day of July in the year 1 in the Common Era Calendar");
    // From a day number, as the display cycle does.
    EuroDate ce, jc;
    JDNToEuroDates(2451545, ce, jc);
    EXPECT_EQ(EuroDateLongForm(ce), "The 1st day of January in the year 2000 in the Common Era Calendar");
    EXPECT_EQ(EuroDateLongForm(jc), "The 19th day of December in the year 1999 in the Julian Calendar");
}

TEST(DateText, SeparateThousands) {
    EXPECT_EQ(SeparateThousands("2451545", ","), "2,451,545");
    EXPECT_EQ(SeparateThousands("-10000", ","), "-10,000");
    EXPECT_EQ(SeparateThousands("999", ","), "999");
    EXPECT_EQ(SeparateThousands("10000", ""), "10000");
    EXPECT_EQ(SeparateThousands("10000", " ;"), "10 000");
    // Too long for the service's buffer: unchanged rather than cut.
    EXPECT_EQ(SeparateThousands("12345678901234567890", ","), "12345678901234567890");
}

TEST(DateText, OrdinalStr) {
    const std::pair<int16_t, const char*> cases[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {11, "11th"}, {12, "12th"}, {13, "13th"},
        {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {30, "30th"}, {0, "0th"},   {31, "31st"}, {-3, "-3"},
        {-1, "-1"}};
    for (const auto& [n, text] : cases) EXPECT_EQ(OrdinalStr(n), text) << n;
}

TEST(DateText, DurationStr) {
    EXPECT_EQ(DurationStr(1, true), "1 minute");
    EXPECT_EQ(DurationStr(120, true), "2 hours");
    EXPECT_EQ(DurationStr(1445, true), "1 day and 5 minutes");
    EXPECT_EQ(DurationStr(3 * 1440 + 2 * 60 + 1, true), "3 days, 2 hours and 1 minute");
    EXPECT_EQ(DurationStr(0, true), "0 minutes");
    EXPECT_EQ(DurationStr(1500, true), "1 day and 1 hour");
    EXPECT_EQ(DurationStr(1441, true), "1 day and 1 minute");
    EXPECT_EQ(DurationStr(60, true), "1 hour");
    EXPECT_EQ(DurationStr(61, true), "1 hour and 1 minute");
    EXPECT_EQ(DurationStr(1440, true), "1 day");
    EXPECT_EQ(DurationStr(2 * 1440 + 60 + 2, true), "2 days, 1 hour and 2 minutes");
    EXPECT_EQ(DurationStr(59, true), "59 minutes");
    EXPECT_EQ(DurationStr(1500, false), "1d 1h 0m");
}

TEST(DateText, CompactDurationStr) {
    EXPECT_EQ(CompactDurationStr(5), "0h 5m");
    EXPECT_EQ(CompactDurationStr(1439), "23h 59m");
    EXPECT_EQ(CompactDurationStr(1440), "1d 0h 0m");
    EXPECT_EQ(CompactDurationStr(1500), "1d 1h 0m");
    EXPECT_EQ(CompactDurationStr(0), "0h 0m");
    EXPECT_EQ(CompactDurationStr(10 * 1440 + 61), "10d 1h 1m");
}

TEST(DateText, PadLeft) {
    EXPECT_EQ(PadLeft("7", 2, '0'), "07");
    EXPECT_EQ(PadLeft("12", 2, '0'), "12");
    EXPECT_EQ(PadLeft("123", 2, '0'), "123");
    EXPECT_EQ(PadLeft("", 3, '*'), "***");
    EXPECT_EQ(PadLeft("ab", -1, ' '), "ab");
    EXPECT_EQ(PadLeft("ab", 5, ' '), "   ab");
}

TEST(DateText, EpochMethod) {
    CalendarSettings s;
    EXPECT_EQ(EpochMethod(true, s), "Epoch = -2696, method = true sun");
    s.epoch = -2636;
    s.method = 1;
    EXPECT_EQ(EpochMethod(false, s), "epoch = -2636, method = mean sun");
}

TEST(DateText, DayCountStr) {
    EXPECT_EQ(DayCountStr(2451545.5, "CJDL"), "2,451,545.5000 CJDL");
    EXPECT_EQ(DayCountStr(2451545.0, "AJD"), "2,451,545.0000 AJD");
    EXPECT_EQ(DayCountStr(2451545.0 + 5.0 / 6.0, "CJDC"), "2,451,545.8333 CJDC");
    EXPECT_EQ(DayCountStr(625333.0, "CJDL"), "625,333.0000 CJDL");
    EXPECT_EQ(DayCountStr(999.99995, "AJD"), "1,000.0000 AJD");  // rounding carries into the grouping
    EXPECT_EQ(DayCountStr(-1234567.25, "AJD"), "-1,234,567.2500 AJD");
    EXPECT_EQ(DayCountStr(-12.5, "AJD"), "-12.5000 AJD");
    EXPECT_EQ(DayCountStr(0.0, "AJD"), "0.0000 AJD");
    EXPECT_EQ(DayCountStr(-0.00001, "AJD"), "0.0000 AJD");
    EXPECT_EQ(DayCountStr(1e20, "AJD"), "100,000,000,000,000,000,000.0000 AJD");
}
