// Month numbering on made-up year data: which month is 11, which is the leap
// month and how it is labelled, independent of the astronomy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/chinese_calendar.h"
#include "engine/cycles.h"

using orbel::AssignMonths;
using orbel::YearData;

namespace {

// One lunar month of the made-up data: its length in days and the offsets,
// from its first day, of the major solar terms that fall in it.
struct MonthPlan {
    int length;
    std::vector<int> majors;
};

// Lays the months end to end from day 1000. The major terms take the even
// term indices in order (0, 24, 48, 72 are the winter solstices), the minor
// terms fall halfway between them. Exactly 40 major terms must be given.
YearData Build(const std::vector<MonthPlan>& months) {
    YearData yd{};
    int day = 1000;
    int j = 0;
    int m = 0;
    for (const MonthPlan& plan : months) {
        yd.DarkMoonDays[m++] = day;
        for (int offset : plan.majors) {
            yd.TermDays[j] = day + offset;
            j += 2;
        }
        day += plan.length;
    }
    EXPECT_EQ(j, 80) << "the made-up data needs 40 major terms";
    yd.DarkMoonDays[m] = day;
    yd.DarkMoonCount = static_cast<int16_t>(m + 1);
    for (int i = 1; i < 79; i += 2) yd.TermDays[i] = (yd.TermDays[i - 1] + yd.TermDays[i + 1]) / 2;
    return yd;
}

// Twelve months, one major term each, the first holding the winter solstice.
std::vector<MonthPlan> OrdinarySui() {
    std::vector<MonthPlan> sui;
    for (int i = 0; i < 12; ++i) sui.push_back({i % 2 ? 29 : 30, {10}});
    return sui;
}

// Thirteen months; month `empty` (0-based within the sui) has no major term.
std::vector<MonthPlan> LeapSui(int empty) {
    std::vector<MonthPlan> sui;
    for (int i = 0; i < 13; ++i) sui.push_back({i % 2 ? 29 : 30, i == empty ? std::vector<int>{} : std::vector<int>{10}});
    return sui;
}

// The start of a fourth sui: its winter solstice and three more major terms
// (term indices 72 to 78), then one month without terms to close the data.
std::vector<MonthPlan> Tail() { return {{30, {10}}, {29, {10}}, {30, {10}}, {29, {10}}, {30, {}}}; }

template <class T>
std::vector<T> Join(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The labels of months [from, from + count) as the year data would show them.
std::vector<std::string> Labels(const YearData& yd, int from, int count) {
    std::vector<std::string> texts;
    for (int m = from; m < from + count; ++m) texts.push_back(orbel::MonthLabelStr(yd.MonthLabels[m]));
    return texts;
}

const std::vector<std::string> TwelveMonths = {"11", "12", "01", "02", "03", "04",
                                               "05", "06", "07", "08", "09", "10"};

}  // namespace

// The labels of chosen months and the major terms counted in each, for
// suis laid out in a row.
TEST(AssignMonths, LabelsAndMajorTermCounts) {
    using Texts = std::vector<std::string>;
    // Months 5 and 8 of the sui lack a major term, month 9 has two: only the
    // first without is leap.
    std::vector<MonthPlan> twoWithout = LeapSui(5);
    twoWithout[8].majors = {};
    twoWithout[9].majors = {3, 25};
    // Month 4 has no term of its own, month 5's falls on its first day:
    // counted by day, month 4 is the leap month.
    std::vector<MonthPlan> termOnFirstDay = LeapSui(4);
    termOnFirstDay[5].majors = {0};
    // A winter solstice on the first day of a month makes that month 11.
    std::vector<MonthPlan> solsticeOnFirstDay = OrdinarySui();
    solsticeOnFirstDay[0].majors = {0};
    const Texts leapThird = {"11", "12", "01", "02", "03", "3*", "04", "05", "06", "07", "08", "09", "10"};
    const struct {
        std::vector<MonthPlan> suis;
        int from;
        Texts labels;
        std::vector<std::pair<int, int>> majorTermCounts;  // month, count
    } cases[] = {
        // The fourth sui runs past the data: its first month stops the numbering.
        {Join({OrdinarySui(), OrdinarySui(), OrdinarySui(), Tail()}), 0,
         Join<std::string>({TwelveMonths, TwelveMonths, TwelveMonths, {"stop here", ""}}), {{0, 1}, {35, 1}}},
        {Join({OrdinarySui(), LeapSui(5), OrdinarySui(), Tail()}), 12, Join({leapThird, TwelveMonths}), {{17, 0}}},
        // Leap months after 11 and 12 delay the new year.
        {Join({LeapSui(1), OrdinarySui(), OrdinarySui(), Tail()}), 0, {"11", "11*", "12", "01"}, {}},
        {Join({OrdinarySui(), OrdinarySui(), LeapSui(2), Tail()}), 24,
         {"11", "12", "12*", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}, {}},
        {Join({OrdinarySui(), twoWithout, OrdinarySui(), Tail()}), 12, leapThird, {{20, 0}, {21, 2}}},
        {Join({OrdinarySui(), termOnFirstDay, OrdinarySui(), Tail()}), 16, {"2*", "03"}, {{16, 0}, {17, 1}}},
        {Join({solsticeOnFirstDay, OrdinarySui(), OrdinarySui(), Tail()}), 0, TwelveMonths, {}},
    };
    for (const auto& c : cases) {
        YearData yd = Build(c.suis);
        AssignMonths(yd);
        EXPECT_EQ(Labels(yd, c.from, int(c.labels.size())), c.labels) << &c - cases;
        for (const auto& [month, count] : c.majorTermCounts) EXPECT_EQ(yd.MajorTermCount[month], count) << month;
    }
}

TEST(AssignMonths, RecomputingOverwritesEveryLabel) {
    YearData yd = Build(Join({OrdinarySui(), LeapSui(5), OrdinarySui(), Tail()}));
    yd.MonthLabels.fill(orbel::LunarMonthLabel::Month(7, true));
    for (auto& count : yd.MajorTermCount) count = 7;
    AssignMonths(yd);
    EXPECT_EQ(Labels(yd, 12 + 5, 1), std::vector<std::string>{"3*"});
    EXPECT_EQ(yd.MajorTermCount[0], 1);
    const int after = yd.DarkMoonCount;
    EXPECT_EQ(Labels(yd, after, orbel::MaxDarkMoons - after), std::vector<std::string>(orbel::MaxDarkMoons - after, ""));
}

TEST(CycleArithmetic, YearsCyclesAndPositions) {
    // 2003 CE: position 20 of cycle 79 (epoch -2696) and of cycle 78 (-2636).
    EXPECT_EQ(orbel::CycleOfYear(2003, -2696), 79);
    EXPECT_EQ(orbel::CycleOfYear(2003, -2636), 78);
    EXPECT_EQ(orbel::PositionOfYear(2003), 20);
    // From there every year round-trips and steps one position, wrapping from
    // 60 to 1 of the next cycle, through the epochs and on before them; the
    // linear count of years is the same under both epochs, 1 in -2696 CE.
    for (int32_t year = -3100; year <= 3100; ++year) {
        for (int32_t epoch : {-2696, -2636}) {
            const int32_t c = orbel::CycleOfYear(year, epoch);
            const int16_t p = orbel::PositionOfYear(year);
            ASSERT_EQ(orbel::YearOfCycle(c, p, epoch), year);
            ASSERT_EQ(orbel::LinearYear(c, p, static_cast<int16_t>(epoch)), year + 2697) << year;
            const bool wraps = p == 60;
            ASSERT_EQ(orbel::PositionOfYear(year + 1), wraps ? 1 : p + 1) << year;
            ASSERT_EQ(orbel::CycleOfYear(year + 1, epoch), wraps ? c + 1 : c) << year;
        }
    }
}
