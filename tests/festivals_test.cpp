// The festivals of each country's table: examples of every kind of rule,
// the rules' edges, China's festivals of 1901 to 2100 against a published
// calendar, and the data window's list.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "app/displayed_moment.h"
#include "engine/chinese_calendar.h"
#include "engine/festivals.h"
#include "services/calendar_conversion.h"
#include "tests/data_window_fixture.h"

namespace orbel {
namespace {

CalendarSettings At(int16_t meridian) {
    CalendarSettings s;
    s.referenceLongitude = meridian;
    return s;
}

TEST(Festivals, DaysOfEachCountry) {
    struct Case {
        int country, y, m, d;
        Names names;
        std::string_view expected;
    };
    const Case cases[] = {
        {CountryChina, 2024, 2, 9, Names::SimplifiedChinese, "除夕"},  // 12/30
        {CountryChina, 2024, 2, 10, Names::SimplifiedChinese, "春节"},
        {CountryChina, 2024, 2, 11, Names::English, ""},
        {CountryChina, 2024, 6, 10, Names::English, "Dragon Boat Festival"},
        {CountryChina, 2024, 9, 17, Names::TraditionalChinese, "中秋節"},
        {CountryChina, 2025, 1, 7, Names::English, "Laba"},
        {CountryChina, 2025, 1, 28, Names::English, "New Year's Eve"},  // 12/29
        {CountryChina, 2024, 4, 4, Names::English, "Qingming"},        // a term's first day
        {CountryChina, 2024, 12, 21, Names::Korean, "동지"},
        {CountryChina, 2023, 2, 21, Names::English, "Dragon Raises Its Head"},  // 2/2
        {CountryChina, 2023, 3, 23, Names::English, ""},                        // 2/2 of leap month 2
        {CountryChina, 2014, 11, 1, Names::English, ""},                        // 9/9 of leap month 9
        {CountryVietnam, 2021, 2, 11, Names::Vietnamese, "Giao thừa"},
        {CountryVietnam, 2021, 2, 12, Names::Vietnamese, "Tết Nguyên Đán"},
        {CountryVietnam, 2021, 2, 14, Names::English, "Tết"},  // the third day
        {CountryVietnam, 2021, 2, 15, Names::English, ""},
        {CountryKorea, 2023, 9, 28, Names::Korean, "추석"},
        {CountryKorea, 2023, 9, 29, Names::English, "Chuseok"},
        {CountryKorea, 2023, 9, 30, Names::English, "Chuseok"},
        {CountryKorea, 2023, 10, 1, Names::English, ""},
        {CountryJapan, 2023, 10, 27, Names::Japanese, "十三夜"},
    };
    for (const Case& c : cases) {
        const int32_t day = GregorianDayNumber(c.y, c.m, c.d);
        EXPECT_EQ(FestivalsOfDayText(day, c.country, c.names, At(FestivalsOf(c.country).meridian)), c.expected)
            << c.y << "-" << c.m << "-" << c.d << " in " << FestivalsOf(c.country).name;
    }
}

// A 30th that the month lacks has no day; the year's last day is the 29th
// or the 30th; a rule on an ordinary month skips the leap month of that number.
TEST(Festivals, RulesAtMonthEndsAndLeapMonths) {
    const std::array<Festival, 3> rules = {{{FestivalRule::LunarDate, 12, 30, 0, 0, 0, {}},
                                            {FestivalRule::YearEnd, 0, 0, 0, 0, 0, {}},
                                            {FestivalRule::LunarDate, 2, 15, 0, 0, 0, {}}}};
    const int32_t from = GregorianDayNumber(2023, 1, 1), to = GregorianDayNumber(2025, 2, 28);
    const std::vector<FestivalDay> expected = {
        {GregorianDayNumber(2023, 1, 21), 0}, {GregorianDayNumber(2023, 1, 21), 1},  // month 12 of 30 days
        {GregorianDayNumber(2023, 3, 6), 2},                                         // not in leap month 2
        {GregorianDayNumber(2024, 2, 9), 0},  {GregorianDayNumber(2024, 2, 9), 1},
        {GregorianDayNumber(2024, 3, 24), 2}, {GregorianDayNumber(2025, 1, 28), 1},  // month 12 of 29 days
    };
    EXPECT_EQ(FestivalDaysBetween(from, to, rules, At(120)), expected);
}

// The published calendar (tests/data) gives each lunar year's first day and
// month lengths; every festival on a lunar date or the year's end follows.
// Five months begin a day apart there (see the reference test of the lunar
// calendar); the days near them are left out on both sides.
TEST(Festivals, ChinaAgreesWithThePublishedCalendar1901To2100) {
    const std::set<std::pair<int, int>> differingMonths = {{1914, 10}, {1916, 1}, {1920, 10}, {1933, 6}, {2097, 7}};
    const std::span<const Festival> china = FestivalsOf(CountryChina).festivals;
    std::set<std::pair<int32_t, int>> expected, actual;
    std::vector<std::pair<int32_t, int32_t>> leftOut;
    std::ifstream in(testing::GoldenPath("chinese_reference_1901_2100.txt"));
    int32_t first = 0, last = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int year = 0, y = 0, m = 0, d = 0, leap = 0;
        char dash = 0;
        fields >> year >> y >> dash >> m >> dash >> d >> leap;
        int32_t start = GregorianDayNumber(y, m, d);
        if (first == 0) first = start;
        int month = 0;
        bool leapPassed = false;
        for (int length; fields >> length; start += length) {
            const bool isLeap = !leapPassed && leap != 0 && month == leap;
            leapPassed = leapPassed || isLeap;
            if (!isLeap) ++month;
            if (differingMonths.contains({year, month})) leftOut.push_back({start - 1, start + length});
            for (size_t f = 0; f < china.size(); ++f) {
                if (china[f].rule == FestivalRule::YearEnd && month == 1 && !isLeap && start > first)
                    expected.insert({start - 1, static_cast<int>(f)});
                if (china[f].rule == FestivalRule::LunarDate && !isLeap && china[f].month == month &&
                    china[f].day <= length)
                    expected.insert({start + china[f].day - 1, static_cast<int>(f)});
            }
        }
        last = start - 1;
    }
    // The last lunar year ends on its own New Year's Eve.
    for (size_t f = 0; f < china.size(); ++f)
        if (china[f].rule == FestivalRule::YearEnd) expected.insert({last, static_cast<int>(f)});
    for (const FestivalDay& day : FestivalDaysBetween(first, last, CountryChina, At(120)))
        if (china[static_cast<size_t>(day.festival)].rule != FestivalRule::SolarTerm) actual.insert({day.jdn, day.festival});
    for (auto* days : {&expected, &actual})
        std::erase_if(*days, [&](const auto& day) {
            return std::any_of(leftOut.begin(), leftOut.end(),
                               [&](const auto& r) { return day.first >= r.first && day.first <= r.second; });
        });
    EXPECT_GT(expected.size(), 200u * 12);
    std::vector<std::pair<int32_t, int>> missing, extra;
    std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(), std::back_inserter(missing));
    std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(), std::back_inserter(extra));
    EXPECT_EQ(missing, decltype(missing){});
    EXPECT_EQ(extra, decltype(extra){});
}

class FestivalListTest : public testing::DataWindowTest {};

// Three lunar years of each country's festivals, at its own meridian.
TEST_F(FestivalListTest, ThreeYearsOfEachCountry) {
    Show("2024-03-01 CE");
    std::string text;
    for (int country = 0; country < FestivalCountryCount; ++country) {
        main->cboLongitude.listIndex = FestivalsOf(country).meridian - 100;
        main->cboLongitude_Click();
        data->readMainWindow = [this, country] {
            DisplayedMoment moment = DisplayedMomentOf(*main);
            moment.country = country;
            return moment;
        };
        data->ShowList(ListFestivalsKind);
        EXPECT_EQ(data->txbNumYears.text, "3");
        text += data->txbText.text;
    }
    testing::ExpectWindowGolden("festivals_3_years.txt", text);
}

}  // namespace
}  // namespace orbel
