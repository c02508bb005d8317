// The date-string library called directly through its C interface.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "orbel2/orbel2.h"

namespace {

// Every field starts at a value the library never writes, so a test can tell
// which fields were written.
constexpr int32_t Untouched = 7777;

orbel2_chl_date FreshChl() {
    orbel2_chl_date d;
    d.epoch = -2696;
    d.cycle = d.position = d.element = d.animal = d.month = d.day = d.valid = d.leap = Untouched;
    d.jdn = 2451545;
    return d;
}

orbel2_chs_date FreshChs() {
    orbel2_chs_date d;
    d.epoch = -2636;
    d.cycle = d.position = d.element = d.animal = d.term = d.day = d.valid = Untouched;
    d.jdn = 2451545;
    return d;
}

orbel2_chl_date Chl(const std::string& text) {
    orbel2_chl_date d = FreshChl();
    chl_datestr_to_chldate(text.c_str(), &d);
    return d;
}

orbel2_chs_date Chs(const std::string& text) {
    orbel2_chs_date d = FreshChs();
    chs_datestr_to_chsdate(text.c_str(), &d);
    return d;
}

const std::array<const char*, 5> Elements = {"wood", "fire", "earth", "metal", "water"};
const std::array<const char*, 12> Animals = {"rat",   "ox",    "tiger",  "rabbit",  "dragon", "snake",
                                             "horse", "sheep", "monkey", "rooster", "dog",    "pig"};

// The position whose stem and branch give this element and animal: positions
// count stems mod 10 and branches mod 12 together, and an element spans the
// two stems 2e and 2e + 1.
bool PositionMatches(int32_t position, int32_t element, int32_t animal) {
    return position >= 1 && position <= 60 && (position - 1) % 12 == animal && (position - 1) % 10 / 2 == element;
}

TEST(ChlDateString, AcceptsNumberedDates) {
    orbel2_chl_date d = Chl("79-20-9*-12");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.cycle, 79);
    EXPECT_EQ(d.position, 20);
    EXPECT_EQ(d.month, 9);
    EXPECT_EQ(d.leap, 1);
    EXPECT_EQ(d.day, 12);
    EXPECT_EQ(d.element, -1);
    EXPECT_EQ(d.animal, -1);

    d = Chl("79-20-9-12");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.month, 9);
    EXPECT_EQ(d.leap, 0);
    EXPECT_EQ(d.day, 12);

    // The bounds themselves, and text after the day (a calendar code).
    d = Chl("0-60-12-31");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.cycle, 0);
    EXPECT_EQ(d.position, 60);
    EXPECT_EQ(Chl("1-1-1-1 CHL").valid, 1);
    EXPECT_EQ(Chl("79-20-09-012").day, 12);
    // Leading zeros are not a huge number.
    d = Chl("79-20-9-" + std::string(1000, '0') + "12");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.day, 12);
}

TEST(ChlDateString, RejectsOutOfRangeAndMalformedTexts) {
    for (const char* text : {"", "-1-1-1-1", "79-20-9", "79-20", "79", "79-20-9-12-1-1", "79-61-1-1", "79--1-1-1",
                             "79-20-13-1", "79-20-0-1", "79-20-1-32", "79-20-1-0", "79-20-*9-12", "79-20-9-12*",
                             "70-?-12-30", "70-?-12-30 water", "70-?-12-30 water dog", "70-?-12-30water-dog"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Chl(text).valid, 0);
    }
}

TEST(ChlDateString, StarMarksTheLeapMonthOnlyBeforeTheDay) {
    // "*9" still marks a leap month, but the month reads as 0 and fails.
    orbel2_chl_date d = Chl("79-20-*9-12");
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.leap, 1);
    EXPECT_EQ(d.month, 0);
    // A "*" after the day's dash fails before the leap flag is written.
    d = Chl("79-20-9-12*");
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.leap, Untouched);
    EXPECT_EQ(d.day, Untouched);
}

TEST(ChsDateString, AcceptsAndRejects) {
    orbel2_chs_date d = Chs("2-1-1-1");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.cycle, 2);
    EXPECT_EQ(d.position, 1);
    EXPECT_EQ(d.term, 1);
    EXPECT_EQ(d.day, 1);
    EXPECT_EQ(d.element, -1);
    EXPECT_EQ(d.animal, -1);
    EXPECT_EQ(Chs("79-60-24-16").valid, 1);

    for (const char* text : {"", "-2-1-1-1", "2-1-1", "79-20-1-17", "79-20-25-1", "79-20-0-1", "79-20-1-0",
                             "79-61-1-1", "79-20-9*-12", "79-20-9-12*", "70-?-12-3"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Chs(text).valid, 0);
    }
    // Lunar months run to 12 and days to 31; terms to 24 and days to 16.
    EXPECT_EQ(Chs("79-20-13-16").valid, 1);
    EXPECT_EQ(Chl("79-20-13-16").valid, 0);
    EXPECT_EQ(Chl("79-20-12-17").valid, 1);
    EXPECT_EQ(Chs("79-20-12-17").valid, 0);
}

TEST(ChsDateString, StarAnywhereFailsBeforeAnyFieldIsRead) {
    for (const char* text : {"2*-1-1-1", "2-1-1-1 wood-rat*", "*"}) {
        SCOPED_TRACE(text);
        const orbel2_chs_date d = Chs(text);
        EXPECT_EQ(d.valid, 0);
        EXPECT_EQ(d.cycle, Untouched);
        EXPECT_EQ(d.position, Untouched);
    }
}

TEST(DateStringNames, ElementAndAnimalGivePositionIgnoringCase) {
    for (const char* text : {"70-?-12-30 water-dog", "70-?-12-30 WATER-DOG", "70-?-12-30 wAtEr-DoG",
                             "70-?-12-30 water- dog", "70-0-12-30 water-dog", "70-?-12-30   water-dog",
                             "70-?-12-30 water-dog CHL"}) {
        SCOPED_TRACE(text);
        const orbel2_chl_date d = Chl(text);
        EXPECT_EQ(d.valid, 1);
        EXPECT_EQ(d.cycle, 70);
        EXPECT_EQ(d.element, 4);
        EXPECT_EQ(d.animal, 10);
        EXPECT_EQ(d.position, 59);
        EXPECT_EQ(d.month, 12);
        EXPECT_EQ(d.day, 30);
    }
    const orbel2_chs_date s = Chs("3-?-5-16 Fire-Tiger");
    EXPECT_EQ(s.valid, 1);
    EXPECT_EQ(s.position, 3);
    EXPECT_EQ(s.element, 1);
    EXPECT_EQ(s.animal, 2);

    // A position given in numbers wins over the names.
    const orbel2_chl_date d = Chl("70-5-12-30 water-dog");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.position, 5);
    EXPECT_EQ(d.element, -1);
    EXPECT_EQ(d.animal, -1);
}

TEST(DateStringNames, OnlyWholeNamesMatch) {
    for (const char* text : {"70-?-12-13 wate-dog", "70-?-12-13 waterr-dog", "70-?-12-13 water-do",
                             "70-?-12-13 water-dogs", "70-?-12-13 -dog", "70-?-12-13 water-", "70-?-12-13 water -dog",
                             "70-?-12-13 water-cat", "70-?-12-13 dog-water", "70-?-12-13 wood\xC3\xA9-rat"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Chl(text).valid, 0);
        EXPECT_EQ(Chs(text).valid, 0);
    }
    // An unknown animal leaves the position unresolved.
    const orbel2_chl_date d = Chl("70-?-12-13 water-cat");
    EXPECT_EQ(d.element, 4);
    EXPECT_EQ(d.animal, -1);
    EXPECT_EQ(d.position, 0);
}

TEST(DateStringNames, EveryPairGivesItsOwnPosition) {
    std::set<int32_t> seenChl, seenChs;
    for (int32_t e = 0; e < 5; ++e) {
        for (int32_t a = 0; a < 12; ++a) {
            const std::string names = std::string(" ") + Elements[e] + "-" + Animals[a];
            SCOPED_TRACE(names);
            const orbel2_chl_date l = Chl("1-?-1-1" + names);
            ASSERT_EQ(l.valid, 1);
            EXPECT_EQ(l.element, e);
            EXPECT_EQ(l.animal, a);
            EXPECT_TRUE(PositionMatches(l.position, e, a)) << l.position;
            seenChl.insert(l.position);
            const orbel2_chs_date s = Chs("1-?-1-1" + names);
            ASSERT_EQ(s.valid, 1);
            EXPECT_EQ(s.position, l.position);
            seenChs.insert(s.position);
        }
    }
    EXPECT_EQ(seenChl.size(), 60u);
    EXPECT_EQ(seenChs.size(), 60u);
    EXPECT_EQ(Chl("1-?-1-1 wood-rat").position, 1);
    EXPECT_EQ(Chl("1-?-1-1 wood-ox").position, 2);
    EXPECT_EQ(Chl("1-?-1-1 fire-tiger").position, 3);
    EXPECT_EQ(Chl("1-?-1-1 water-pig").position, 60);
}

TEST(DateStringNumbers, ReadLikeStrtolButNeverWrap) {
    orbel2_chl_date d = Chl("+79-+20-+9-+12");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.cycle, 79);
    EXPECT_EQ(d.day, 12);
    d = Chl("79- 20-\t9-\n12");
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.position, 20);
    EXPECT_EQ(d.month, 9);
    // A field without digits reads as 0.
    EXPECT_EQ(Chl("x-1-1-1").cycle, 0);
    EXPECT_EQ(Chl("x-1-1-1").valid, 1);

    EXPECT_EQ(Chl("2147483647-1-1-1").cycle, 2147483647);
    EXPECT_EQ(Chl("2147483647-1-1-1").valid, 1);
    // Numbers past 32 bits must not wrap round into range: 2^32 + 1, + 9, + 12.
    for (const char* text : {"2147483648-1-1-1", "99999999999999999999999-1-1-1", "79-4294967297-1-1",
                             "79-20-4294967305-1", "79-20-9-4294967308", "79-20-9-18446744073709551628"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Chl(text).valid, 0);
        EXPECT_EQ(Chs(text).valid, 0);
    }
    // A number too long for the cycle leaves the cycle as it was.
    EXPECT_EQ(Chl("2147483648-1-1-1").cycle, Untouched);
    EXPECT_EQ(Chl(std::string(100000, '9') + "-1-1-1").valid, 0);
}

TEST(DateStringFields, ValidIsAlwaysWrittenAndOtherFieldsOnlyWhenReached) {
    orbel2_chl_date d = FreshChl();
    d.valid = 1;
    chl_datestr_to_chldate("", &d);
    EXPECT_EQ(d.valid, 0);
    d.valid = -99;
    chl_datestr_to_chldate("79-20-9-12", &d);
    EXPECT_EQ(d.valid, 1);
    orbel2_chs_date s = FreshChs();
    s.valid = 1;
    chs_datestr_to_chsdate("-1-1-1-1", &s);
    EXPECT_EQ(s.valid, 0);

    // Failing before the numbers are read: only the verdict is written.
    for (const char* text : {"", "-1-1-1-1", "79-20-9", "1-2-3-4-5-6"}) {
        SCOPED_TRACE(text);
        orbel2_chl_date expected = FreshChl();
        expected.valid = 0;
        d = Chl(text);
        EXPECT_EQ(std::memcmp(&d, &expected, sizeof d), 0);
    }
    // Failing on a range: what was parsed stays, element and animal do not.
    d = Chl("79-61-9-12");
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.cycle, 79);
    EXPECT_EQ(d.position, 61);
    EXPECT_EQ(d.month, 9);
    EXPECT_EQ(d.leap, 0);
    EXPECT_EQ(d.day, 12);
    EXPECT_EQ(d.element, Untouched);
    EXPECT_EQ(d.animal, Untouched);
}

TEST(DateStringFields, NullPointersAreRefused) {
    orbel2_chl_date d = FreshChl();
    chl_datestr_to_chldate(nullptr, &d);
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.cycle, Untouched);
    orbel2_chs_date s = FreshChs();
    chs_datestr_to_chsdate(nullptr, &s);
    EXPECT_EQ(s.valid, 0);
    // No record: nothing to write, and no crash.
    chl_datestr_to_chldate("79-20-9-12", nullptr);
    chs_datestr_to_chsdate("79-20-9-12", nullptr);
    chl_datestr_to_chldate(nullptr, nullptr);
}

TEST(DateStringFields, OverlongWordsAreRefused) {
    for (const std::string& text :
         {"70-?-12-13 " + std::string(24, 'w') + "-dog", "70-?-12-13 water-" + std::string(32, 'd'),
          "70-?-12-13 " + std::string(100000, 'a') + "-" + std::string(100000, 'b'),
          "70-?-12-13 water" + std::string(100000, ' ') + "-dog"}) {
        EXPECT_EQ(Chl(text).valid, 0);
        EXPECT_EQ(Chs(text).valid, 0);
    }
    // Blanks after the animal end it.
    EXPECT_EQ(Chl("70-?-12-13 water-dog" + std::string(100000, ' ')).valid, 1);
    EXPECT_EQ(Chs("70-?-12-13 water-dog" + std::string(100000, ' ')).valid, 1);
}

}  // namespace
