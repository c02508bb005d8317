// The date-string library called directly through its C interface. Every
// text of tests/data/date_strings.txt is parsed as CHL and as CHS; the
// fields each call wrote are listed under it ("_" for a field left alone).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>

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

// The quoted lines of the file are the texts (\t and \n standing for a tab
// and a line break), but for those too long to write out, which it names.
TEST(DateStrings, FieldsWrittenForEachText) {
    const std::map<std::string, std::string> generated = {
        {"leading zeros before the day", "79-20-9-" + std::string(1000, '0') + "12"},
        {"a 100000-digit cycle", std::string(100000, '9') + "-1-1-1"},
        {"element of 24 letters", "70-?-12-13 " + std::string(24, 'w') + "-dog"},
        {"animal of 32 letters", "70-?-12-13 water-" + std::string(32, 'd')},
        {"two 100000-letter words", "70-?-12-13 " + std::string(100000, 'a') + "-" + std::string(100000, 'b')},
        {"100000 blanks before the dash", "70-?-12-13 water" + std::string(100000, ' ') + "-dog"},
        {"100000 blanks after the animal", "70-?-12-13 water-dog" + std::string(100000, ' ')},
    };
    std::ifstream in(orbel::testing::GoldenPath("date_strings.txt"));
    std::string listing;
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 2 || line[0] != '"') continue;
        const std::string name = line.substr(1, line.size() - 2);
        std::string text = std::regex_replace(name, std::regex(R"(\\t)"), "\t");
        text = std::regex_replace(text, std::regex(R"(\\n)"), "\n");
        if (generated.contains(name)) text = generated.at(name);
        listing += line + "\n  CHL " + Chl(text) + "\n  CHS " + Chs(text) + "\n";
    }
    EXPECT_GT(listing.size(), 5000u) << "the texts are read from tests/data/date_strings.txt";
    orbel::testing::ExpectGolden("date_strings.txt", listing);
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
