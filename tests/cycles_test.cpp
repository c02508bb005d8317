// Sexagenary cycles, names and the texts of Chinese dates.
#include <gtest/gtest.h>

#include <set>

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

constexpr int32_t kJdn20000101 = 2451545;  // position 55

// A day whose cycle position is `position`, near 2000-01-01.
int32_t DayAt(int position) { return kJdn20000101 + (position - 55); }

ChlDate Lunar(int cycle, int position, int month, int day, bool leap = false) {
    ChlDate r;
    r.cycle = cycle; r.position = position; r.month = month; r.day = day; r.leap = leap ? 1 : 0;
    return r;
}

const CalendarSettings kEpoch2696{.epoch = -2696};
const CalendarSettings kEpoch2636{.epoch = -2636};

ChsDate Solar(int cycle, int position, int term, int day) {
    ChsDate r;
    r.cycle = cycle; r.position = position; r.term = term; r.day = day;
    return r;
}

}  // namespace

TEST(Cycles, LongitudeLabels) {
    const std::pair<int, const char*> cases[] = {{100, "L00"}, {101, "L01"}, {145, "L45"}, {105, "ICT"}, {106, "HAN"},
                                                 {109, "CHA"}, {116, "BEI"}, {120, "CCT"}, {135, "JST"}, {140, "EDO"},
                                                 {121, "L21"}, {99, ""},     {146, ""}};
    for (const auto& [longitude, label] : cases) EXPECT_EQ(LongitudeLabel(longitude), label) << longitude;
    // A country the program does not know has the Chinese animal words.
    EXPECT_EQ(AnimalNameList(7)[3], AnimalNameList(CountryChina)[3]);
}

// Every element-animal pair is one position and every position one pair;
// stems pair with elements, two each: jia-yi wood, ..., ren-gui water.
TEST(Cycles, ElementAnimalPairsCoverTheCycleOnce) {
    std::set<int> seen;
    for (int e = 0; e < 5; ++e) {
        for (int a = 0; a < 12; ++a) {
            const int p = PositionOfElementAnimal(e, a);
            ASSERT_GE(p, 1);
            ASSERT_LE(p, 60);
            EXPECT_EQ(ElementOfPosition(p), e) << p;
            EXPECT_EQ(AnimalOfPosition(p), a) << p;
            EXPECT_EQ((StemOfPosition(p) - 1) / 2, e) << p;
            seen.insert(p);
        }
    }
    EXPECT_EQ(seen.size(), 60u);
    EXPECT_EQ(PositionOfElementAnimal(0, 0), 1);
    EXPECT_EQ(PositionOfElementAnimal(5, 0), 0);
    EXPECT_EQ(PositionOfElementAnimal(0, -1), 0);
}

// Every day one step on, wrapping from 60 to 1, over the whole range and
// through day 0 into negative day numbers.
TEST(Cycles, DayPosition) {
    EXPECT_EQ(DayPosition(kJdn20000101), 55);
    int previous = DayPosition(-400000);
    for (int32_t d = -400000 + 1; d <= MaxJDN; ++d) {
        const int p = DayPosition(d);
        ASSERT_GE(p, 1) << d;
        ASSERT_LE(p, 60) << d;
        ASSERT_EQ(p, previous == 60 ? 1 : previous + 1) << d;
        previous = p;
    }
}

TEST(Cycles, MonthElementAnimal) {
    EXPECT_EQ(MonthPosition(Lunar(1, 1, 1, 1)), 3);  // fire-tiger
    // A leap month has the names of the ordinary month before it.
    EXPECT_EQ(MonthPosition(Lunar(79, 20, 4, 1, true)), MonthPosition(Lunar(79, 20, 4, 1)));
    // Months step one position each (so 11 and 12 take the branches zi and
    // chou), and the twelve months of a year follow on from the year before.
    for (int position = 1; position <= 60; ++position) {
        for (int month = 1; month < 12; ++month) {
            const int p = MonthPosition(Lunar(1, position, month, 1));
            const int next = MonthPosition(Lunar(1, position, month + 1, 1));
            EXPECT_EQ(next, p % 60 + 1) << position << " " << month;
        }
        const int last = MonthPosition(Lunar(1, position, 12, 1));
        const int first = MonthPosition(Lunar(1, position % 60 + 1, 1, 1));
        EXPECT_EQ(first, last % 60 + 1) << position;
    }
}

// The texts of names and dates, each call beside its text in
// tests/data/chinese_date_texts.txt. The calls that find the day themselves
// use 79-20-04-11 CHL, 2003-05-11 CE (the fourth month of 2003 began on
// 2003-05-01 at 120 degrees East), a jia-shen (wood-monkey) day, and
// 79-20-04-01 CHS (J1, Li chun), 2003-02-04 CE, a wu-shen (earth-monkey) day.
TEST(Cycles, TextsOfNamesAndDates) {
    std::string text;
    const auto show = [&](const std::string& call, const std::string& result) {
        text += call + "\n  \"" + orbel::testing::OneLine(result) + "\"\n";
    };
#define SHOW(call) show(#call, call)
    for (const int p : {57, 1, 2, 60, 3, 51}) show("StemBranchStr(" + std::to_string(p) + ")", StemBranchStr(p));
    SHOW(StemBranchStr(DayPosition(kJdn20000101)));
    SHOW(ElementAnimalStr(kJdn20000101, CountryChina));
    SHOW(ElementAnimalStr(DayAt(4), CountryVietnam));
    SHOW(ElementAnimalStr(DayAt(4), CountryJapan));
    SHOW(ElementAnimalStr(DayAt(60), CountryJapan));
    SHOW(ElementAnimalStr(DayAt(20), CountryVietnam));
    SHOW(ElementAnimalStr(-10, CountryChina));
    SHOW(ElementAnimalOfPositionStr(40, CountryChina));

    SHOW(ChsDateShortStr(Solar(79, 20, 4, 1), true));
    SHOW(ChsDateShortStr(Solar(79, 20, 4, 1), false));
    SHOW(ChsDateShortStr(Solar(79, 20, 4, 2), true));
    SHOW(ChsDateShortStr(Solar(79, 5, 1, 1), true));
    SHOW(ChsDateShortStr(Solar(79, 5, 24, 1), true));
    SHOW(ChsDateShortStr(Solar(-5, 7, 13, 16), true));

    const ChlDate r = Lunar(79, 20, 4, 11);
    const ChlDate leap = Lunar(79, 20, 4, 11, true);
    SHOW(ChlDateShortStr(r, 0, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(leap, 0, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(Lunar(79, 20, 11, 1, true), 0, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(r, 1, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(r, 3, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(Lunar(78, 20, 4, 11), 1, "CHL", kEpoch2636, CountryChina));
    SHOW(ChlDateShortStr(r, 2, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(r, 2, "CHL", kEpoch2696, CountryVietnam));
    SHOW(ChlDateShortStr(Lunar(79, 35, 1, 1), 2, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(Lunar(79, 36, 1, 1), 2, "CHL", kEpoch2696, CountryJapan));
    SHOW(ChlDateShortStr(leap, 2, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(r, 0, "XYZ", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(r, 4, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(r, -1, "CHL", kEpoch2696, CountryChina));
    SHOW(ChlDateShortStr(Lunar(-5, 3, 12, 30), 0, "CHL", kEpoch2696, CountryChina));

    ChsDate s = Solar(79, 20, 4, 1);
    s.jdn = DayAt(57);
    SHOW(ChsDateLongStrForJdn(s, {.dayNames = true, .stemBranch = true}, CountryChina));
    SHOW(ChsDateLongStrForJdn(s, {.dayNames = true}, CountryChina));
    SHOW(ChsDateLongStrForJdn(s, {.stemBranch = true}, CountryChina));
    s.day = 12; s.term = 13; s.position = 3; s.cycle = -5;
    SHOW(ChsDateLongStrForJdn(s, {}, CountryChina));

    ChlDate l = Lunar(79, 20, 4, 11);
    l.jdn = DayAt(57);
    SHOW(ChlDateLongStrForJdn(l, {.dayNames = true, .monthNames = true, .full = true}, kEpoch2696, CountryChina));
    SHOW(ChlDateLongStrForJdn(l, {.dayNames = true, .monthNames = true, .stemBranch = true, .full = true}, kEpoch2696,
                              CountryChina));
    SHOW(ChlDateLongStrForJdn(l, {.monthNames = true, .stemBranch = true, .stemBranchFirst = true, .full = true},
                              kEpoch2696, CountryChina));
    SHOW(ChlDateLongStrForJdn(l, {.stemBranchFirst = true, .full = true}, kEpoch2696, CountryVietnam));
    SHOW(ChlDateLongStrForJdn(l, {.dayNames = true, .monthNames = true}, kEpoch2696, CountryChina));
    SHOW(ChlDateStemBranchStrForJdn(l));
    l.leap = 1;
    SHOW(ChlDateStemBranchStrForJdn(l));
    ChlDate l78 = Lunar(78, 20, 4, 11, true);
    l78.jdn = DayAt(57);
    SHOW(ChlDateLongStrForJdn(l78, {.dayNames = true, .monthNames = true, .full = true}, kEpoch2636, CountryChina));
    SHOW(ChlDateLongStrForJdn(l78, {}, kEpoch2636, CountryChina));

    // The engine finds the day (and sets jdn and valid) or, for the leap
    // fourth month 2003 does not have, goes on without day names.
    const CalendarSettings china;  // 120 degrees East, epoch -2696, true sun
    const int32_t day = JDNFromDateText("2003-05-11");
    ChlDate e = Lunar(79, 20, 4, 11);
    SHOW(ChlDateLongStr(e, {.dayNames = true, .monthNames = true, .stemBranch = true, .full = true}, china,
                        CountryChina));
    EXPECT_EQ(e.jdn, day);
    EXPECT_EQ(e.valid, 1);
    e = Lunar(79, 20, 4, 11);
    SHOW(ChlDateStemBranchStr(e, china));
    EXPECT_EQ(e.jdn, day);
    e = Lunar(78, 20, 4, 11);
    SHOW(ChlDateLongStr(e, {.dayNames = true, .full = true}, kEpoch2636, CountryChina));
    EXPECT_EQ(e.jdn, day);
    e = Lunar(79, 20, 4, 11, true);
    SHOW(ChlDateLongStr(e, {.dayNames = true, .full = true}, china, CountryChina));
    EXPECT_EQ(e.valid, 0);
    e = Lunar(79, 20, 4, 11, true);
    SHOW(ChlDateStemBranchStr(e, china));
    ChsDate es = Solar(79, 20, 4, 1);
    SHOW(ChsDateLongStr(es, {.dayNames = true, .stemBranch = true}, china, CountryChina));
    EXPECT_EQ(es.jdn, JDNFromDateText("2003-02-04"));
    es = Solar(79, 20, 4, 1);
    SHOW(ChsDateLongStr(es, {.stemBranch = true}, china, CountryChina));
#undef SHOW
    orbel::testing::ExpectGolden("chinese_date_texts.txt", text);
}

// The engine finds again, through the whole range, the day of each lunar
// date it gives, and the stem-branch text names that day.
TEST(CyclesWithEngine, TextsOfConvertedDays) {
    const CalendarSettings china;
    for (int32_t d = MinJDN; d <= MaxJDN; d += 15013) {  // about 146 days, a cold year data each
        ChsDate chs;
        ChlDate chl;
        CJDateToChDates(d + 0.5, china.epoch, chs, chl, china);
        ChlDate again = chl;
        const std::string sb = ChlDateStemBranchStr(again, china);
        ASSERT_EQ(again.jdn, d) << ChlDateShortStr(chl, 0, "CHL", china, CountryChina);
        EXPECT_EQ(sb.substr(0, sb.find(')') + 1), "(" + StemBranchStr(DayPosition(d)) + ")");
    }
}
