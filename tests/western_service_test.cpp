// str_to_date and separate_thousands (get_timezone is checked in every zone
// through TimeZoneMinutes in day_numbers_test.cpp).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

#include "services/calendar_conversion.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

struct Parsed {
    int32_t status;
    EuroDate date;
};

Parsed Parse(const char* text, int32_t letter = 'G') {
    Parsed p{0, EuroDate{}};
    p.date.year = 77; p.date.month = 77; p.date.day = 77; p.date.letter = 'X';
    p.status = str_to_date(text, StrToDateOrderYMD, &p.date, letter);
    return p;
}

std::string Separate(const char* number, char sep = ',') {
    char buffer[20];
    std::memset(buffer, ' ', sizeof buffer);
    separate_thousands(number, sep, buffer);
    return std::string(buffer);  // up to the first zero character
}

}  // namespace

TEST(StrToDate, Cases) {
    using Args = const std::vector<std::string>&;
    orbel::testing::ExpectCaseTable(
        "western_service_cases.txt",
        {{"StrToDate",
          [](Args a) {
              const Parsed p = Parse(a[0].c_str(), a[1][0]);
              return std::to_string(p.status) + " " + std::to_string(p.date.year) + "-" + std::to_string(p.date.month) +
                     "-" + std::to_string(p.date.day) + " " + char(p.date.letter);
          }},
         {"SeparateThousands", [](Args a) { return Separate(a[0].c_str(), a[1][0]); }}});
}

TEST(StrToDate, RefusesBytesAndBadArguments) {
    EXPECT_NE(Parse("\xff\xfe").status, 0);
    EXPECT_EQ(Parse("\xff\xfe").date.letter, 'X');
    EuroDate r;
    EXPECT_NE(str_to_date(nullptr, 2, &r, 'G'), 0);
    EXPECT_NE(str_to_date("2001-12-31", 2, nullptr, 'G'), 0);
    EXPECT_NE(str_to_date("2001-12-31", 1, &r, 'G'), 0);  // only year-month-day
    EXPECT_NE(str_to_date("2001-12-31", 2, &r, 'X'), 0);
}

TEST(SeparateThousandsService, NeverWritesBeyondTwentyCharacters) {
    // Too long, too long with a sign, the longest that fits, no number.
    const std::pair<const char*, int> cases[] = {
        {"123456789012345678901234567890", -1}, {"-123456789012345", -1}, {"123456789012345", 0}, {nullptr, -1}};
    for (const auto& [number, status] : cases) {
        char guarded[40];
        std::memset(guarded, '#', sizeof guarded);
        std::memset(guarded, ' ', 20);
        EXPECT_EQ(separate_thousands(number, ',', guarded), status);
        EXPECT_EQ(std::strlen(guarded), status == 0 ? 19u : 0u);
        EXPECT_EQ(std::string(guarded + 20, 20), std::string(20, '#'));
    }
    EXPECT_EQ(separate_thousands("1", ',', nullptr), -1);
}
