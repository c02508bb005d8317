// Sexagenary cycles, names and the texts of Chinese dates.
#include <gtest/gtest.h>

#include <set>

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"

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

CalendarSettings WithEpoch(int16_t epoch) {
    CalendarSettings s;
    s.epoch = epoch;
    return s;
}
const CalendarSettings kEpoch2696 = WithEpoch(-2696);
const CalendarSettings kEpoch2636 = WithEpoch(-2636);

ChsDate Solar(int cycle, int position, int term, int day) {
    ChsDate r;
    r.cycle = cycle; r.position = position; r.term = term; r.day = day;
    return r;
}

}  // namespace

TEST(Cycles, NameTables) {
    EXPECT_EQ(ElementCount, 5);
    EXPECT_EQ(AnimalCount, 12);
    EXPECT_EQ(ElementNameList[2], "earth");
    EXPECT_EQ(StemNames[0], "jia");
    EXPECT_EQ(StemNames[9], "gui");
    EXPECT_EQ(BranchNames[8], "shen");
    EXPECT_EQ(BranchNames[11], "hai");
    const auto words = [](int country) {
        const auto& a = AnimalNameList(country);
        return std::string(a[3]) + "," + std::string(a[7]) + "," + std::string(a[11]);
    };
    EXPECT_EQ(words(CountryVietnam), "cat,goat,pig");
    EXPECT_EQ(words(CountryChina), "rabbit,sheep,pig");
    EXPECT_EQ(words(CountryJapan), "rabbit,sheep,boar");
    EXPECT_EQ(words(7), "rabbit,sheep,pig");
    for (int country : {0, 1, 2}) {
        EXPECT_EQ(AnimalNameList(country)[0], "rat");
        EXPECT_EQ(AnimalNameList(country)[9], "rooster");
    }
    EXPECT_EQ(CountryNames[1], "China");
    EXPECT_EQ(CountryNames[0 + 3], "Vietnamese");
    EXPECT_EQ(CountryNames[2 + 3], "Japanese");
}

TEST(Cycles, LongitudeLabels) {
    EXPECT_EQ(LongitudeLabels().size(), 46u);
    EXPECT_EQ(LongitudeLabel(100), "L00");
    EXPECT_EQ(LongitudeLabel(101), "L01");
    EXPECT_EQ(LongitudeLabel(145), "L45");
    EXPECT_EQ(LongitudeLabel(105), "ICT");
    EXPECT_EQ(LongitudeLabel(106), "HAN");
    EXPECT_EQ(LongitudeLabel(109), "CHA");
    EXPECT_EQ(LongitudeLabel(116), "BEI");
    EXPECT_EQ(LongitudeLabel(120), "CCT");
    EXPECT_EQ(LongitudeLabel(135), "JST");
    EXPECT_EQ(LongitudeLabel(140), "EDO");
    EXPECT_EQ(LongitudeLabel(121), "L21");
    EXPECT_EQ(LongitudeLabel(99), "");
    EXPECT_EQ(LongitudeLabel(146), "");
}

TEST(Cycles, PositionArithmetic) {
    EXPECT_EQ(ElementOfPosition(1), 0);
    EXPECT_EQ(ElementOfPosition(2), 0);
    EXPECT_EQ(ElementOfPosition(3), 1);
    EXPECT_EQ(ElementOfPosition(4), 1);
    EXPECT_EQ(ElementOfPosition(59), 4);
    EXPECT_EQ(ElementOfPosition(60), 4);
    EXPECT_EQ(AnimalOfPosition(1), 0);
    EXPECT_EQ(AnimalOfPosition(12), 11);
    EXPECT_EQ(AnimalOfPosition(13), 0);
    EXPECT_EQ(AnimalOfPosition(60), 11);
    EXPECT_EQ(StemOfPosition(1), 1);
    EXPECT_EQ(StemOfPosition(10), 10);
    EXPECT_EQ(StemOfPosition(57), 7);
    EXPECT_EQ(PositionOfElementAnimal(0, 0), 1);
    EXPECT_EQ(PositionOfElementAnimal(1, 2), 3);
    EXPECT_EQ(PositionOfElementAnimal(0, 1), 2);
    EXPECT_EQ(PositionOfElementAnimal(4, 11), 60);
    EXPECT_EQ(PositionOfElementAnimal(5, 0), 0);
    EXPECT_EQ(PositionOfElementAnimal(0, -1), 0);
}

// Every element-animal pair is one position and every position one pair.
TEST(Cycles, ElementAnimalPairsCoverTheCycleOnce) {
    std::set<int> seen;
    for (int e = 0; e < 5; ++e) {
        for (int a = 0; a < 12; ++a) {
            const int p = PositionOfElementAnimal(e, a);
            ASSERT_GE(p, 1);
            ASSERT_LE(p, 60);
            EXPECT_EQ(ElementOfPosition(p), e) << p;
            EXPECT_EQ(AnimalOfPosition(p), a) << p;
            seen.insert(p);
        }
    }
    EXPECT_EQ(seen.size(), 60u);
    // Stems pair with elements, two each: jia-yi wood, ..., ren-gui water.
    for (int p = 1; p <= 60; ++p) EXPECT_EQ((StemOfPosition(p) - 1) / 2, ElementOfPosition(p)) << p;
}

TEST(Cycles, DayPosition) {
    EXPECT_EQ(DayPosition(kJdn20000101), 55);
    EXPECT_EQ(DayPosition(kJdn20000101 + 5), 60);
    EXPECT_EQ(DayPosition(kJdn20000101 + 6), 1);  // wraps from 60 to 1
    // Every day one step on, wrapping from 60 to 1, over the whole range and
    // through day 0 into negative day numbers.
    int previous = DayPosition(-400000);
    for (int32_t d = -400000 + 1; d <= MaxJDN; ++d) {
        const int p = DayPosition(d);
        ASSERT_GE(p, 1) << d;
        ASSERT_LE(p, 60) << d;
        ASSERT_EQ(p, previous == 60 ? 1 : previous + 1) << d;
        previous = p;
    }
    EXPECT_EQ(DayPosition(0), 50);
    EXPECT_EQ(DayPosition(-1), 49);
    EXPECT_EQ(DayPosition(-10), 40);
    EXPECT_EQ(DayPosition(-49), 1);
    EXPECT_EQ(DayPosition(-50), 60);
    EXPECT_EQ(DayPosition(10), 60);
    EXPECT_EQ(DayPosition(11), 1);
}

TEST(Cycles, MonthElementAnimal) {
    ElementAnimal ea = MonthElementAnimal(Lunar(1, 1, 1, 1));
    EXPECT_EQ(ea.element, 1);  // fire-tiger
    EXPECT_EQ(ea.animal, 2);
    EXPECT_EQ(MonthPosition(Lunar(1, 1, 1, 1)), 3);
    EXPECT_EQ(StemBranchStr(3), "bing-yin");
    ea = MonthElementAnimal(Lunar(1, 5, 1, 1));
    EXPECT_EQ(ea.element, 0);  // wood-tiger
    EXPECT_EQ(ea.animal, 2);
    EXPECT_EQ(MonthPosition(Lunar(1, 5, 1, 1)), 51);
    EXPECT_EQ(StemBranchStr(51), "jia-yin");
    // A leap month has the names of the ordinary month before it.
    EXPECT_EQ(MonthPosition(Lunar(79, 20, 4, 1, true)), MonthPosition(Lunar(79, 20, 4, 1)));
    EXPECT_EQ(StemBranchStr(MonthPosition(Lunar(79, 20, 4, 1))), "ding-si");
    // Month 11 and 12 take the branches zi and chou; months step one position
    // each, and the twelve months of a year follow on from the year before.
    EXPECT_EQ(MonthElementAnimal(Lunar(1, 1, 11, 1)).animal, 0);
    EXPECT_EQ(MonthElementAnimal(Lunar(1, 1, 12, 1)).animal, 1);
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

TEST(Cycles, LinearYear) {
    EXPECT_EQ(LinearYear(79, 20, -2696), 4700);  // 2003 CE
    EXPECT_EQ(LinearYear(78, 20, -2636), 4700);
    EXPECT_EQ(LinearYear(1, 1, -2696), 1);
    EXPECT_EQ(LinearYear(0, 60, -2696), 0);
    EXPECT_EQ(LinearYear(-5, 3, -2696), -357);
}

TEST(Cycles, Names) {
    EXPECT_EQ(StemBranchStr(57), "geng-shen");
    EXPECT_EQ(StemBranchStr(1), "jia-zi");
    EXPECT_EQ(StemBranchStr(2), "yi-chou");
    EXPECT_EQ(StemBranchStr(60), "gui-hai");
    EXPECT_EQ(StemBranchStr(20), "gui-wei");
    EXPECT_EQ(ElementAnimalStr(DayAt(57), CountryChina), "metal-monkey");
    EXPECT_EQ(ElementAnimalStr(kJdn20000101, CountryChina), "earth-horse");  // wu-wu
    EXPECT_EQ(StemBranchStr(DayPosition(kJdn20000101)), "wu-wu");
    EXPECT_EQ(ElementAnimalStr(DayAt(4), CountryVietnam), "fire-cat");
    EXPECT_EQ(ElementAnimalStr(DayAt(4), CountryJapan), "fire-rabbit");
    EXPECT_EQ(ElementAnimalStr(DayAt(60), CountryJapan), "water-boar");
    EXPECT_EQ(ElementAnimalStr(DayAt(20), CountryVietnam), "water-goat");
    EXPECT_EQ(ElementAnimalStr(-10, CountryChina), ElementAnimalOfPositionStr(40, CountryChina));
}

TEST(Cycles, ChsDateShortStr) {
    EXPECT_EQ(ChsDateShortStr(Solar(79, 20, 4, 1), true), "79-20-04-01 CHS (J1)");
    EXPECT_EQ(ChsDateShortStr(Solar(79, 20, 4, 1), false), "79-20-04-01 CHS");
    EXPECT_EQ(ChsDateShortStr(Solar(79, 20, 4, 2), true), "79-20-04-02 CHS");
    EXPECT_EQ(ChsDateShortStr(Solar(79, 5, 1, 1), true), "79-05-01-01 CHS (Z11)");
    EXPECT_EQ(ChsDateShortStr(Solar(79, 5, 24, 1), true), "79-05-24-01 CHS (J11)");
    EXPECT_EQ(ChsDateShortStr(Solar(-5, 7, 13, 16), true), "-5-07-13-16 CHS");
}

TEST(Cycles, ChlDateShortStr) {
    const ChlDate r = Lunar(79, 20, 4, 11);
    const ChlDate leap = Lunar(79, 20, 4, 11, true);
    EXPECT_EQ(ChlDateShortStr(r, 0, "CHL", kEpoch2696, CountryChina), "79-20-04-11 CHL");
    EXPECT_EQ(ChlDateShortStr(leap, 0, "CHL", kEpoch2696, CountryChina), "79-20-4*-11 CHL");
    EXPECT_EQ(ChlDateShortStr(Lunar(79, 20, 11, 1, true), 0, "CHL", kEpoch2696, CountryChina), "79-20-11*-01 CHL");
    EXPECT_EQ(ChlDateShortStr(r, 1, "CHL", kEpoch2696, CountryChina), "4700-04-11 CHL");
    EXPECT_EQ(ChlDateShortStr(r, 3, "CHL", kEpoch2696, CountryChina), "4700-04-11 CHL");
    EXPECT_EQ(ChlDateShortStr(Lunar(78, 20, 4, 11), 1, "CHL", kEpoch2636, CountryChina), "4700-04-11 CHL");
    EXPECT_EQ(ChlDateShortStr(r, 2, "CHL", kEpoch2696, CountryChina), "4700-04-11 CHL (in a water-sheep year)");
    EXPECT_EQ(ChlDateShortStr(r, 2, "CHL", kEpoch2696, CountryVietnam), "4700-04-11 CHL (in a water-goat year)");
    EXPECT_EQ(ChlDateShortStr(Lunar(79, 35, 1, 1), 2, "CHL", kEpoch2696, CountryChina),
              "4715-01-01 CHL (in an earth-dog year)");
    EXPECT_EQ(ChlDateShortStr(Lunar(79, 36, 1, 1), 2, "CHL", kEpoch2696, CountryJapan),
              "4716-01-01 CHL (in an earth-boar year)");
    EXPECT_EQ(ChlDateShortStr(leap, 2, "CHL", kEpoch2696, CountryChina), "4700-4*-11 CHL (in a water-sheep year)");
    EXPECT_EQ(ChlDateShortStr(r, 0, "XYZ", kEpoch2696, CountryChina), "79-20-04-11 XYZ");
    EXPECT_EQ(ChlDateShortStr(r, 4, "CHL", kEpoch2696, CountryChina), "");
    EXPECT_EQ(ChlDateShortStr(r, -1, "CHL", kEpoch2696, CountryChina), "");
    EXPECT_EQ(ChlDateShortStr(Lunar(-5, 3, 12, 30), 0, "CHL", kEpoch2696, CountryChina), "-5-03-12-30 CHL");
}

TEST(Cycles, ChsDateLongStr) {
    ChsDate r = Solar(79, 20, 4, 1);
    r.jdn = DayAt(57);
    EXPECT_EQ(ChsDateLongStrForJdn(r, true, true, CountryChina),
              "The 1st day (metal-monkey, geng-shen) of solar term 4 (J1) in the year (sui) at position 20 of cycle 79.");
    EXPECT_EQ(ChsDateLongStrForJdn(r, true, false, CountryChina),
              "The 1st day (metal-monkey) of solar term 4 (J1) in the year (sui) at position 20 of cycle 79.");
    EXPECT_EQ(ChsDateLongStrForJdn(r, false, true, CountryChina),
              "The 1st day of solar term 4 (J1) in the year (sui) at position 20 of cycle 79.");
    r.day = 12; r.term = 13; r.position = 3; r.cycle = -5;
    EXPECT_EQ(ChsDateLongStrForJdn(r, false, false, CountryChina),
              "The 12th day of solar term 13 (Z5) in the year (sui) at position 3 of cycle -5.");
}

TEST(Cycles, ChlDateLongStr) {
    ChlDate r = Lunar(79, 20, 4, 11);
    r.jdn = DayAt(57);
    EXPECT_EQ(ChlDateLongStrForJdn(r, true, true, false, false, true, kEpoch2696, CountryChina),
              "The 11th day (metal-monkey) of month 4 (fire-snake) \r\n"
              "in the water-sheep year (nian) at position 20 of cycle 79 (year 4700).");
    EXPECT_EQ(ChlDateLongStrForJdn(r, true, true, true, false, true, kEpoch2696, CountryChina),
              "The 11th day (metal-monkey geng-shen) of month 4 (fire-snake ding-si ) \r\n"
              "in the water-sheep gui-wei year (nian) at position 20 of cycle 79 (year 4700).");
    EXPECT_EQ(ChlDateLongStrForJdn(r, false, true, true, true, true, kEpoch2696, CountryChina),
              "The 11th day of month 4 (ding-si fire-snake) \r\n"
              "in the water-sheep gui-wei year (nian) at position 20 of cycle 79 (year 4700).");
    EXPECT_EQ(ChlDateLongStrForJdn(r, false, false, false, true, true, kEpoch2696, CountryVietnam),
              "The 11th day of month 4 \r\n"
              "in the water-goat year (nian) at position 20 of cycle 79 (year 4700).");
    EXPECT_EQ(ChlDateLongStrForJdn(r, true, true, false, false, false, kEpoch2696, CountryChina),
              "Month 4 (fire-snake)  in the water-sheep year (nian) at position 20 of cycle 79 (year 4700)");
    ChlDate leap = Lunar(78, 20, 4, 11, true);
    leap.jdn = DayAt(57);
    EXPECT_EQ(ChlDateLongStrForJdn(leap, true, true, false, false, true, kEpoch2636, CountryChina),
              "The 11th day (metal-monkey) of leap month 4* (fire-snake) \r\n"
              "in the water-sheep year (nian) at position 20 of cycle 78 (year 4700).");
    EXPECT_EQ(ChlDateLongStrForJdn(leap, false, false, false, false, false, kEpoch2636, CountryChina),
              "Leap month 4*  in the water-sheep year (nian) at position 20 of cycle 78 (year 4700)");
}

TEST(Cycles, ChlDateStemBranchStr) {
    ChlDate r = Lunar(79, 20, 4, 11);
    r.jdn = DayAt(57);
    EXPECT_EQ(ChlDateStemBranchStrForJdn(r), "(geng-shen) day 11, (ding-si) month 4, (gui-wei) year 20 of cycle 79");
    r.leap = 1;
    EXPECT_EQ(ChlDateStemBranchStrForJdn(r), "(geng-shen) day 11, (ding-si) month 4*, (gui-wei) year 20 of cycle 79");
}

// The long texts with the engine finding the day of the date. 79-20-04-11 CHL
// is 2003-05-11 CE (the fourth month of 2003 began on 2003-05-01 at 120
// degrees East), a jia-shen (wood-monkey) day; 79-20-04-01 CHS (J1, Li chun)
// is 2003-02-04 CE, a wu-shen (earth-monkey) day.
TEST(CyclesWithEngine, ChlDateLongAndStemBranchStr) {
    const CalendarSettings china;  // 120 degrees East, epoch -2696, true sun
    const int32_t day = JDNFromDateText("2003-05-11");
    EXPECT_EQ(StemBranchStr(DayPosition(day)), "jia-shen");

    ChlDate r = Lunar(79, 20, 4, 11);
    r.jdn = 0;
    EXPECT_EQ(ChlDateLongStr(r, true, true, true, false, true, china, CountryChina),
              "The 11th day (wood-monkey jia-shen) of month 4 (fire-snake ding-si ) \r\n"
              "in the water-sheep gui-wei year (nian) at position 20 of cycle 79 (year 4700).");
    EXPECT_EQ(r.jdn, day);
    EXPECT_EQ(r.valid, 1);

    r = Lunar(79, 20, 4, 11);
    EXPECT_EQ(ChlDateStemBranchStr(r, china), "(jia-shen) day 11, (ding-si) month 4, (gui-wei) year 20 of cycle 79");
    EXPECT_EQ(r.jdn, day);

    // Under the other epoch the same day is cycle 78; the linear year stays 4700.
    r = Lunar(78, 20, 4, 11);
    EXPECT_EQ(ChlDateLongStr(r, true, false, false, false, true, kEpoch2636, CountryChina),
              "The 11th day (wood-monkey) of month 4 \r\n"
              "in the water-sheep year (nian) at position 20 of cycle 78 (year 4700).");
    EXPECT_EQ(r.jdn, day);

    // 2003 has no leap fourth month: the text goes on without day names, and
    // the stem-branch text is empty.
    r = Lunar(79, 20, 4, 11, true);
    EXPECT_EQ(ChlDateLongStr(r, true, false, false, false, true, china, CountryChina),
              "The 11th day of leap month 4* \r\n"
              "in the water-sheep year (nian) at position 20 of cycle 79 (year 4700).");
    EXPECT_EQ(r.valid, 0);
    r = Lunar(79, 20, 4, 11, true);
    EXPECT_EQ(ChlDateStemBranchStr(r, china), "");
}

TEST(CyclesWithEngine, ChsDateLongStr) {
    const CalendarSettings china;
    const int32_t day = JDNFromDateText("2003-02-04");
    ChsDate r = Solar(79, 20, 4, 1);
    EXPECT_EQ(ChsDateLongStr(r, true, true, china, CountryChina),
              "The 1st day (earth-monkey, wu-shen) of solar term 4 (J1) in the year (sui) at position 20 of cycle 79.");
    EXPECT_EQ(r.jdn, day);
    r = Solar(79, 20, 4, 1);
    EXPECT_EQ(ChsDateLongStr(r, false, true, china, CountryChina),
              "The 1st day of solar term 4 (J1) in the year (sui) at position 20 of cycle 79.");
}

// The texts agree with the engine's own conversion of days, through the
// whole range: short text of the lunar date, and the day names of its day.
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
        const std::string shortText = ChlDateShortStr(chl, 0, "CHL", china, CountryChina);
        EXPECT_EQ(shortText.substr(shortText.size() - 7), "-" + std::string(chl.day < 10 ? "0" : "") +
                                                              std::to_string(chl.day) + " CHL");
    }
}
