// The date-string library called directly through its C interface. Every
// text of the table is parsed as CHL and as CHS; the fields each call wrote
// are listed in tests/data/date_strings.txt ("_" for a field left alone).
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "orbel2/orbel2.h"
#include "tests/golden.h"

namespace {

// Every field starts at a value the library never writes, so that the
// listing shows which fields were written.
constexpr int32_t Untouched = 7777;

std::string Field(char name, int32_t value) {
    return std::string(" ") + name + (value == Untouched ? "_" : std::to_string(value));
}

std::string Chl(const std::string& text) {
    orbel2_chl_date d;
    d.epoch = -2696;
    d.cycle = d.position = d.element = d.animal = d.month = d.day = d.valid = d.leap = Untouched;
    d.jdn = 2451545;
    chl_datestr_to_chldate(text.c_str(), &d);
    return "v" + std::to_string(d.valid) + Field('c', d.cycle) + Field('p', d.position) + Field('m', d.month) +
           Field('l', d.leap) + Field('d', d.day) + Field('e', d.element) + Field('a', d.animal) +
           (d.epoch != -2696 || d.jdn != 2451545 ? " epoch or jdn written" : "");
}

std::string Chs(const std::string& text) {
    orbel2_chs_date d;
    d.epoch = -2636;
    d.cycle = d.position = d.element = d.animal = d.term = d.day = d.valid = Untouched;
    d.jdn = 2451545;
    chs_datestr_to_chsdate(text.c_str(), &d);
    return "v" + std::to_string(d.valid) + Field('c', d.cycle) + Field('p', d.position) + Field('t', d.term) +
           Field('d', d.day) + Field('e', d.element) + Field('a', d.animal) +
           (d.epoch != -2636 || d.jdn != 2451545 ? " epoch or jdn written" : "");
}

TEST(DateStrings, FieldsWrittenForEachText) {
    struct Case {
        std::string name, text;
    };
    std::vector<Case> cases;
    for (const char* text : {
             // Numbered dates, the bounds, a calendar code after the day.
             "79-20-9*-12", "79-20-9-12", "0-60-12-31", "1-1-1-1 CHL", "79-20-09-012", "2-1-1-1", "79-60-24-16",
             "79-20-13-16", "79-20-12-17",
             // Malformed and out of range.
             "", "-1-1-1-1", "-2-1-1-1", "79-20-9", "79-20", "79", "79-20-9-12-1-1", "1-2-3-4-5-6", "79-61-1-1",
             "79--1-1-1", "79-20-13-1", "79-20-0-1", "79-20-1-32", "79-20-1-0", "79-20-1-17", "79-20-25-1",
             "79-61-9-12",
             // The star marks a leap month only before the day; CHS has none.
             "79-20-*9-12", "79-20-9-12*", "2*-1-1-1", "2-1-1-1 wood-rat*", "*",
             // Element and animal for a "?" position, in any letter case.
             "70-?-12-30", "70-?-12-30 water", "70-?-12-30 water dog", "70-?-12-30water-dog", "70-?-12-3",
             "70-?-12-30 water-dog", "70-?-12-30 WATER-DOG", "70-?-12-30 wAtEr-DoG", "70-?-12-30 water- dog",
             "70-0-12-30 water-dog", "70-?-12-30   water-dog", "70-?-12-30 water-dog CHL", "3-?-5-16 Fire-Tiger",
             "70-5-12-30 water-dog",
             // Only whole names match.
             "70-?-12-13 wate-dog", "70-?-12-13 waterr-dog", "70-?-12-13 water-do", "70-?-12-13 water-dogs",
             "70-?-12-13 -dog", "70-?-12-13 water-", "70-?-12-13 water -dog", "70-?-12-13 water-cat",
             "70-?-12-13 dog-water", "70-?-12-13 wood\xC3\xA9-rat",
             // Numbers read like strtol but never wrap past 32 bits.
             "+79-+20-+9-+12", "79- 20-\t9-\n12", "x-1-1-1", "2147483647-1-1-1", "2147483648-1-1-1",
             "99999999999999999999999-1-1-1", "79-4294967297-1-1", "79-20-4294967305-1", "79-20-9-4294967308",
             "79-20-9-18446744073709551628"})
        cases.push_back({text, text});
    cases.push_back({"leading zeros before the day", "79-20-9-" + std::string(1000, '0') + "12"});
    cases.push_back({"a 100000-digit cycle", std::string(100000, '9') + "-1-1-1"});
    cases.push_back({"element of 24 letters", "70-?-12-13 " + std::string(24, 'w') + "-dog"});
    cases.push_back({"animal of 32 letters", "70-?-12-13 water-" + std::string(32, 'd')});
    cases.push_back({"two 100000-letter words", "70-?-12-13 " + std::string(100000, 'a') + "-" + std::string(100000, 'b')});
    cases.push_back({"100000 blanks before the dash", "70-?-12-13 water" + std::string(100000, ' ') + "-dog"});
    cases.push_back({"100000 blanks after the animal", "70-?-12-13 water-dog" + std::string(100000, ' ')});
    std::string listing;
    for (const Case& c : cases) {
        std::string name;
        for (const char ch : c.name) name += ch == '\t' ? "\\t" : ch == '\n' ? "\\n" : std::string(1, ch);
        listing += "\"" + name + "\"\n  CHL " + Chl(c.text) + "\n  CHS " + Chs(c.text) + "\n";
    }
    orbel::testing::ExpectGolden("date_strings.txt", listing);
}

TEST(DateStrings, EveryElementAnimalPairGivesItsOwnPosition) {
    const std::array<const char*, 5> elements = {"wood", "fire", "earth", "metal", "water"};
    const std::array<const char*, 12> animals = {"rat",   "ox",    "tiger",  "rabbit",  "dragon", "snake",
                                                 "horse", "sheep", "monkey", "rooster", "dog",    "pig"};
    std::set<int32_t> seen;
    for (int32_t e = 0; e < 5; ++e) {
        for (int32_t a = 0; a < 12; ++a) {
            const std::string text = std::string("1-?-1-1 ") + elements[e] + "-" + animals[a];
            orbel2_chl_date l{};
            orbel2_chs_date s{};
            chl_datestr_to_chldate(text.c_str(), &l);
            chs_datestr_to_chsdate(text.c_str(), &s);
            ASSERT_EQ(l.valid, 1) << text;
            ASSERT_EQ(s.valid, 1) << text;
            // Positions count stems mod 10 and branches mod 12 together, and
            // an element spans the two stems 2e and 2e + 1.
            EXPECT_EQ((l.position - 1) % 12, a) << text;
            EXPECT_EQ((l.position - 1) % 10 / 2, e) << text;
            EXPECT_EQ(s.position, l.position) << text;
            seen.insert(l.position);
        }
    }
    EXPECT_EQ(seen.size(), 60u);
}

TEST(DateStrings, NullPointersAreRefused) {
    orbel2_chl_date d{};
    d.valid = 1;
    d.cycle = Untouched;
    chl_datestr_to_chldate(nullptr, &d);
    EXPECT_EQ(d.valid, 0);
    EXPECT_EQ(d.cycle, Untouched);
    orbel2_chs_date s{};
    s.valid = 1;
    chs_datestr_to_chsdate(nullptr, &s);
    EXPECT_EQ(s.valid, 0);
    // No record: nothing to write, and no crash.
    chl_datestr_to_chldate("79-20-9-12", nullptr);
    chs_datestr_to_chsdate("79-20-9-12", nullptr);
    chl_datestr_to_chldate(nullptr, nullptr);
}

}  // namespace
