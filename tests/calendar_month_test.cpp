// The calendar month view without a screen: the page's texts, the grid, the
// steps to the previous and next months and the limits of the range.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/golden.h"
#include "views/calendar_month.h"

using namespace orbel;

namespace {

// The month of CE day `jdn` (noon GMT), drawn as the main window would have it.
CalendarMonthModel MonthOf(int32_t jdn, bool showPan, int32_t today = 0,
                           CalendarLayout layout = CalendarLayout::LunarDays) {
    CalendarMonthModel m;
    m.layout = layout;
    m.mainWindow = [showPan, jdn] {
        CalendarMainWindow main;
        main.showPan = showPan;
        main.ajd = jdn;
        main.lunarText = "79-20-04-11 CHL 12:00 CCT";
        return main;
    };
    m.today = [today] { return today; };
    m.lngCJDN = LunarMonthStart(jdn, CalendarSettings{});
    m.DrawMonth();
    return m;
}

}  // namespace

struct PageCase {
    const char* golden;
    int32_t jdn;
    bool showPan;
};

class CalendarMonthPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(CalendarMonthPage, TextMatchesGolden) {
    const PageCase& c = GetParam();
    orbel::testing::ExpectGolden(c.golden, CalendarMonthText(MonthOf(c.jdn, c.showPan)));
}

INSTANTIATE_TEST_SUITE_P(
    Months, CalendarMonthPage,
    ::testing::Values(PageCase{"calendar_month_29_days.txt", 2460421, true},        // 2024-04-20
                      PageCase{"calendar_month_30_days_no_pan.txt", 2460469, false},  // 2024-06-07
                      PageCase{"calendar_month_year_end.txt", 2460679, true}),        // 2025-01-03
    [](const auto& info) {
        const std::string name = info.param.golden;
        return name.substr(15, name.size() - 19);  // between "calendar_month_" and ".txt"
    });

TEST(CalendarMonth, GridWeekendsCaptionAndToday) {
    for (const int32_t jdn : {2460421, 2460469}) {
        const CalendarMonthModel m = MonthOf(jdn, true, jdn);
        EXPECT_EQ(m.caption, "79-20-04-11 CHL");
        // Rows begin on lunar days 1, 8, 16 and 23 whatever their weekday:
        // no weekday heads a column.
        EXPECT_EQ(m.headings, (std::vector<std::string>{"", "", "", "", "", "", "", "Lunaday"}));
        EXPECT_EQ(m.cells[15].day, 15);
        EXPECT_EQ(m.cells[31].day, m.monthLength == 30 ? 30 : 0);
        int todays = 0;
        for (size_t c = 0; c < m.cells.size(); ++c) {
            const CalendarCell& cell = m.cells[c];
            EXPECT_EQ(cell.moonVisible, cell.day > 0) << c;
            if (cell.day == 0) continue;
            EXPECT_EQ(cell.weekend, cell.ceText.starts_with("Sat") || cell.ceText.starts_with("Sun")) << cell.ceText;
            todays += cell.today;
        }
        EXPECT_EQ(todays, 1);
    }
}

// Twenty-six steps forward and back over a stretch of 29- and 30-day months:
// every step lands on a first day and moves by the length of the month left
// (forward) or entered (back).
TEST(CalendarMonth, StepsMoveByTheMonthLengths) {
    CalendarMonthModel m = MonthOf(2460400, false);
    std::vector<int32_t> starts{m.lngCJDN};
    std::set<int> lengths;
    for (int i = 0; i < 26; ++i) {
        const int left = m.monthLength;
        lengths.insert(left);
        m.cmdShowPreviousOrNext_Click(1);
        EXPECT_EQ(m.lngCJDN - starts.back(), left);
        EXPECT_EQ(m.cells[0].numeral, " 1");
        starts.push_back(m.lngCJDN);
    }
    EXPECT_EQ(lengths, (std::set<int>{29, 30}));
    for (int i = 25; i >= 0; --i) {
        m.cmdShowPreviousOrNext_Click(0);
        EXPECT_EQ(m.lngCJDN, starts[static_cast<size_t>(i)]);
        EXPECT_EQ(m.nextStart - m.lngCJDN, m.monthLength);
    }
}

// The title is the main window's date while its month is shown, and the day
// of the same number (or the month's last) in the month the buttons go to.
TEST(CalendarMonth, TheTitleFollowsTheMonthShown) {
    const struct {
        int32_t jdn;
        int button;
        const char* caption;
    } cases[] = {{2460421, 1, "79-41-04-12 CHL"},   // 2024-04-20, 79-41-03-12
                 {2460421, 0, "79-41-02-12 CHL"},
                 {2460497, 1, "79-41-06-29 CHL"}};  // 2024-07-05, 79-41-05-30; month 6 has 29 days
    for (const auto& c : cases) {
        CalendarMonthModel m = MonthOf(c.jdn, false);
        m.cmdShowPreviousOrNext_Click(c.button);
        EXPECT_EQ(m.caption, c.caption) << c.jdn;
        m.cmdShowPreviousOrNext_Click(1 - c.button);
        EXPECT_EQ(m.caption, "79-20-04-11 CHL") << "the main window's month again";
    }
}

TEST(CalendarMonth, NavigationStopsAtTheEndsOfTheRange) {
    CalendarMonthModel first = MonthOf(MinJDN, false);
    EXPECT_FALSE(first.navigationEnabled[0]);
    const int32_t start = first.lngCJDN;
    first.cmdShowPreviousOrNext_Click(0);
    EXPECT_EQ(first.lngCJDN, start);
    EXPECT_TRUE(first.navigationEnabled[1]);

    CalendarMonthModel last = MonthOf(MaxJDN, false);
    EXPECT_FALSE(last.navigationEnabled[1]);
    EXPECT_TRUE(last.navigationEnabled[0]);
}

// A year of months in the weeks layout: every day stands under its own
// weekday, the days follow cell by cell from the first row to the last of
// five or six, each with the Moon of its lunar day.
TEST(CalendarMonth, WeeksLayoutPutsEveryDayUnderItsWeekday) {
    const char* weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};  // (jdn + 1) mod 7
    std::set<int> rows;
    for (int32_t jdn = 2460351; jdn < 2460351 + 13 * 30; jdn += 30) {
        const CalendarMonthModel m = MonthOf(jdn, false, 0, CalendarLayout::Weeks);
        rows.insert(m.rows);
        const size_t first = static_cast<size_t>((m.lngCJDN + 1) % 7 + 6) % 7;  // Monday 0
        ASSERT_EQ(m.cells.size(), static_cast<size_t>(m.rows * 7));
        EXPECT_GE(first + static_cast<size_t>(m.monthLength), static_cast<size_t>(m.rows - 1) * 7 + 1);
        for (size_t c = 0; c < m.cells.size(); ++c) {
            const CalendarCell& cell = m.cells[c];
            const bool holds = c >= first && c < first + static_cast<size_t>(m.monthLength);
            ASSERT_EQ(cell.day, holds ? static_cast<int>(c - first) + 1 : 0) << c;
            if (!holds) continue;
            EXPECT_EQ(m.headings[c % 7], weekdays[(cell.jdn + 1) % 7]) << cell.jdn;
            EXPECT_EQ(CalendarCellDay(cell.moonPicture, 30), cell.day);
        }
    }
    EXPECT_EQ(rows, (std::set<int>{5, 6}));
}
