// The calendar-file model: what an anniversary becomes in a year without its
// date under each choice, and the reminders it accepts.
#include <gtest/gtest.h>

#include "views/calendar_export.h"

namespace orbel::testing {
namespace {

std::vector<std::string> Days(int month, int day, bool leap, int firstYear, MissingDate missing) {
    ExportChoice c;
    c.kinds = {ExportKind::Anniversary};
    c.firstYear = firstYear;
    c.years = 2;
    c.date.month = month;
    c.date.day = day;
    c.date.leap = leap;
    c.missing = missing;
    EXPECT_EQ(CheckExportChoice(c), "");
    std::vector<std::string> days;
    for (const CalendarEvent& e : BuildCalendarExport(c).events) days.push_back(CalendarDate(e.jdn));
    return days;
}

TEST(CalendarExport, AYearWithoutTheDateFollowsTheChoice) {
    using enum MissingDate;
    struct Case {
        int month, day;
        bool leap;
        int year;
        MissingDate missing;
        std::vector<std::string> days;
    } cases[] = {
        // Leap month 4 of 2020; 2021 has none, and its month 4 has 29 days.
        {4, 10, true, 2020, OrdinaryMonth, {"20200601", "20210521"}},
        {4, 10, true, 2020, DayBefore, {"20200601", "20210609"}},
        {4, 10, true, 2020, LeaveOut, {"20200601"}},
        // The 30th of month 12 (New Year's Eve 2021); month 12 of 2021 has 29 days.
        {12, 30, false, 2020, OrdinaryMonth, {"20210211", "20220131"}},
        {12, 30, false, 2020, DayBefore, {"20210211", "20220131"}},
        {12, 30, false, 2020, LeaveOut, {"20210211"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Days(c.month, c.day, c.leap, c.year, c.missing), c.days) << c.month << "-" << c.day;
}

TEST(CalendarExport, RemindersAndYearsAreChecked) {
    EXPECT_EQ(ParseExportAlarm("2@08:30")->Minutes(), -2 * 1440 + 510);
    EXPECT_EQ(ParseExportAlarm("0@23:59")->Minutes(), 1439);
    for (const char* bad : {"366@09:00", "1@24:00", "1@09:60", "x@09:00", "1@09:00x", "-1@09:00", "1-09:00", ""})
        EXPECT_FALSE(ParseExportAlarm(bad)) << bad;
    ExportChoice c;
    c.kinds = {ExportKind::Terms};
    c.firstYear = 2990;
    for (const int years : {0, 12}) {
        c.years = years;
        EXPECT_NE(CheckExportChoice(c), "") << years;
    }
    c.years = 11;
    EXPECT_EQ(CheckExportChoice(c), "");
}

}  // namespace
}  // namespace orbel::testing
