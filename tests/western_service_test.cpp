// str_to_date, separate_thousands and get_timezone.
#include <gtest/gtest.h>

#include "tests/scoped_time_zone.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

#include "services/calendar_conversion.h"

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

TEST(StrToDate, ReadsYearMonthDay) {
    Parsed p = Parse("2001-12-31");
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.date.year, 2001);
    EXPECT_EQ(p.date.month, 12);
    EXPECT_EQ(p.date.day, 31);
    EXPECT_EQ(p.date.letter, 'G');

    p = Parse("-1000-2-29", 'J');  // a JC leap year before year 0
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.date.year, -1000);
    EXPECT_EQ(p.date.month, 2);
    EXPECT_EQ(p.date.day, 29);
    EXPECT_EQ(p.date.letter, 'J');

    p = Parse("0-03-01", 'J');
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.date.year, 0);

    p = Parse("00002001-0012-0031");  // leading zeros are only digits
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.date.year, 2001);
    EXPECT_EQ(p.date.day, 31);
}

TEST(StrToDate, ChecksTheDayAgainstTheCalendar) {
    EXPECT_EQ(Parse("2000-02-29").status, 0);        // divisible by 400
    EXPECT_NE(Parse("1900-02-29").status, 0);        // CE: no leap day in 1900
    EXPECT_EQ(Parse("1900-02-29", 'J').status, 0);   // JC: every fourth year
    EXPECT_EQ(Parse("-4-02-29").status, 0);          // -4 CE is a leap year
    EXPECT_NE(Parse("-100-02-29").status, 0);
    EXPECT_EQ(Parse("-100-02-29", 'J').status, 0);
    EXPECT_NE(Parse("2001-04-31").status, 0);
    EXPECT_NE(Parse("2001-13-01").status, 0);
    EXPECT_NE(Parse("2001-00-10").status, 0);
    EXPECT_NE(Parse("2001-01-00").status, 0);
    EXPECT_NE(Parse("2001-02-29").status, -5);
}

TEST(StrToDate, PantheonOnlyGivesTheNumbers) {
    Parsed p = Parse("2001-13-28", 'P');
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(p.date.month, 13);
    EXPECT_EQ(p.date.letter, 'P');
    EXPECT_NE(Parse("2001-14-01", 'P').status, 0);
}

TEST(StrToDate, YearRange) {
    EXPECT_EQ(Parse("999999-01-01").status, 0);
    EXPECT_EQ(Parse("-999999-01-01").status, 0);
    EXPECT_EQ(Parse("1000000-01-01").status, -5);
    EXPECT_EQ(Parse("-1000000-01-01").status, -5);
    EXPECT_EQ(Parse("123456789012345678901234567890-01-01").status, -5);
}

TEST(StrToDate, RejectsWhatIsNotADateAndLeavesTheRecord) {
    for (const char* text : {"", "-", "--", "---", "2001", "2001-12", "2001-12-", "-2001-12",
                             "2001/12/31", "2001.12.31", "2001-12-31 ", " 2001-12-31", "+2001-12-31",
                             "--2001-12-31", "2001--12-31", "2001-12--31", "2001-12-31-1", "2001-1a-31",
                             "2001-12-31x", "x", "\xff\xfe", "2001-12-99999999999999999999"}) {
        Parsed p = Parse(text);
        EXPECT_NE(p.status, 0) << text;
        EXPECT_NE(p.status, -5) << text;
        EXPECT_EQ(p.date.year, 77) << text;
        EXPECT_EQ(p.date.letter, 'X') << text;
    }
    EuroDate r;
    EXPECT_NE(str_to_date(nullptr, 2, &r, 'G'), 0);
    EXPECT_NE(str_to_date("2001-12-31", 2, nullptr, 'G'), 0);
    EXPECT_NE(str_to_date("2001-12-31", 1, &r, 'G'), 0);  // only year-month-day
    EXPECT_NE(str_to_date("2001-12-31", 2, &r, 'X'), 0);
}

TEST(SeparateThousandsService, GroupsFromTheRight) {
    EXPECT_EQ(Separate("0"), "0");
    EXPECT_EQ(Separate("999"), "999");
    EXPECT_EQ(Separate("1000"), "1,000");
    EXPECT_EQ(Separate("12345"), "12,345");
    EXPECT_EQ(Separate("123456"), "123,456");
    EXPECT_EQ(Separate("1234567"), "1,234,567");
    EXPECT_EQ(Separate("-10000"), "-10,000");
    EXPECT_EQ(Separate("-100"), "-100");
    EXPECT_EQ(Separate("2451545.5000"), "2,451,545.5000");
    EXPECT_EQ(Separate("-2451545.5000"), "-2,451,545.5000");
    EXPECT_EQ(Separate("10000", '.'), "10.000");
    EXPECT_EQ(Separate(""), "");
    EXPECT_EQ(Separate("-"), "-");
    EXPECT_EQ(Separate("abc"), "abc");
}

TEST(SeparateThousandsService, NeverWritesBeyondTwentyCharacters) {
    // 19 characters is the most that fits before the terminator.
    EXPECT_EQ(Separate("-123456789012345"), "");  // -123,456,789,012,345 is 20 characters
    EXPECT_EQ(Separate("123456789012345"), "123,456,789,012,345");    // 19: fits
    EXPECT_EQ(Separate("1234567890123456"), "");

    char guarded[40];
    std::memset(guarded, '#', sizeof guarded);
    std::memset(guarded, ' ', 20);
    EXPECT_EQ(separate_thousands("123456789012345678901234567890", ',', guarded), -1);
    EXPECT_EQ(guarded[0], '\0');
    for (int i = 20; i < 40; ++i) EXPECT_EQ(guarded[i], '#') << i;

    std::memset(guarded, '#', sizeof guarded);
    EXPECT_EQ(separate_thousands("-123456789012345", ',', guarded), -1);
    for (int i = 20; i < 40; ++i) EXPECT_EQ(guarded[i], '#') << i;
    EXPECT_EQ(separate_thousands("123456789012345", ',', guarded), 0);
    EXPECT_EQ(guarded[19], '\0');
    for (int i = 20; i < 40; ++i) EXPECT_EQ(guarded[i], '#') << i;

    EXPECT_EQ(separate_thousands(nullptr, ',', guarded), -1);
    EXPECT_EQ(guarded[0], '\0');
    EXPECT_EQ(separate_thousands("1", ',', nullptr), -1);
}

TEST(GetTimezone, SecondsWestOfGreenwich) {
    {
        ScopedTimeZone tz("CST-8");  // POSIX form: eight hours east
        EXPECT_EQ(get_timezone(), -28800);
    }
    {
        ScopedTimeZone tz("IST-5:30");
        EXPECT_EQ(get_timezone(), -19800);
    }
    {
        ScopedTimeZone tz("EST5");
        EXPECT_EQ(get_timezone(), 18000);
    }
    {
        ScopedTimeZone tz("UTC0");
        EXPECT_EQ(get_timezone(), 0);
    }
}
