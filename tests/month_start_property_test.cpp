// Every month start and leap month of the 6,000-year month-start list agrees
// with the calendar engine's own lunar dates.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "engine/chinese_calendar.h"
#include "tests/data_window_fixture.h"

namespace orbel::testing {
namespace {

struct MonthStartLine {
    ChlDate date;
    int32_t jdn;
    int length;  // days
    std::string text;
};

std::vector<MonthStartLine> MonthStartLines(const std::string& text) {
    static const std::regex line(R"(^(-?\d+)-(\d\d)-(\d+)(\*?)-01 +CHL +=  -?[\d,]+-\d\d-\d\d CE = +(\d+) JDN  (29|30) days\r$)");
    std::vector<MonthStartLine> out;
    std::istringstream in(text);
    std::string s;
    std::smatch m;
    while (std::getline(in, s)) {
        if (!std::regex_match(s, m, line)) continue;
        MonthStartLine l;
        l.date.cycle = std::stoi(m[1]);
        l.date.position = std::stoi(m[2]);
        l.date.month = std::stoi(m[3]);
        l.date.leap = m[4].length() > 0;
        l.date.day = 1;
        l.jdn = std::stoi(m[5]);
        l.length = std::stoi(m[6]);
        l.text = s;
        out.push_back(l);
    }
    return out;
}

TEST_F(DataWindowTest, SixThousandYearsOfMonthStartsAgreeWithTheEngine) {
    Show("0-06-01 CE");
    List(ListLeapMonthsKind, "6000");  // -2999 to 3000: the list ends with the range
    EXPECT_EQ(TakeMessages(port, ""),
              "  [Lunar month starts & leap months] Only days from -3000-01-01 CE to 3000-01-01 CE are listed.\n");
    const std::vector<MonthStartLine> all = MonthStartLines(data->txbText.text);
    const CalendarSettings s = main->Settings();
    ASSERT_GT(all.size(), 5999u * 12);
    EXPECT_LE(all.back().jdn, MaxJDN);
    EXPECT_GT(all.back().jdn + all.back().length, MaxJDN) << "the last month of the range is listed";
    std::vector<std::string> leapLines;
    for (size_t i = 0; i < all.size(); ++i) {
        const MonthStartLine& l = all[i];
        ChlDate engine;
        engine.epoch = s.epoch;
        engine.jdn = l.jdn;
        JDNToChlDate(engine, s);
        ASSERT_EQ(engine.day, 1) << l.text;
        ASSERT_EQ(engine.cycle, l.date.cycle) << l.text;
        ASSERT_EQ(engine.position, l.date.position) << l.text;
        ASSERT_EQ(engine.month, l.date.month) << l.text;
        ASSERT_EQ(engine.leap, l.date.leap) << l.text;
        // No month is missing: each lasts until the next listed one begins.
        if (i + 1 < all.size()) {
            ASSERT_EQ(all[i + 1].jdn - l.jdn, l.length) << l.text;
        }
        const int32_t year = YearOfCycle(l.date.cycle, l.date.position, s.epoch);
        if (l.date.leap && year >= -149 && year <= 150) leapLines.push_back(l.text);
    }
    // The leap-months list of 300 of those years is exactly their leap lines.
    data->chkLeapMonthsOnly.value = true;
    List(ListLeapMonthsKind, "300");
    std::vector<std::string> leapOnly;
    for (const MonthStartLine& l : MonthStartLines(data->txbText.text)) leapOnly.push_back(l.text);
    EXPECT_EQ(leapOnly, leapLines);
    EXPECT_GT(leapLines.size(), 100u);
}

}  // namespace
}  // namespace orbel::testing
