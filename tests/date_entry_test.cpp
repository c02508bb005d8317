// Date-entry pieces without the window: messages, times, plus/minus days,
// Western date texts and the overseas Chinese year.
#include <gtest/gtest.h>

#include "dates/date_entry.h"

namespace orbel {
namespace {

TEST(DateEntryMessages, FixedTextsOfEveryCode) {
    EXPECT_EQ(DateErrorMessage(1, true), "No date specified.");
    EXPECT_EQ(DateErrorMessage(2, true),
              "Calendar must be specified (one of CHL, CHS, CE, JC, PAN, CJDL, CJDC, AJD).");
    EXPECT_EQ(DateErrorMessage(3, true), "Time specification not permitted in date string.");
    EXPECT_EQ(DateErrorMessage(4, true), "Invalid time specification.  Times must be, e.g., 23:50.");
    EXPECT_EQ(DateErrorMessage(5, true), "Date separator must be a dash, '-'.");
    EXPECT_EQ(DateErrorMessage(6, true), "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day");
    EXPECT_EQ(DateErrorMessage(7, true), "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day");
    EXPECT_EQ(DateErrorMessage(9, true),
              "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n");
    EXPECT_EQ(DateErrorMessage(10, true),
              "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.");
    EXPECT_EQ(DateErrorMessage(11, true),
              "Invalid PAN date.  PAN dates must be in ISO 8601 format: year-month-day");
    EXPECT_EQ(DateErrorMessage(12, true), "Error when parsing date string.");
    EXPECT_EQ(DateErrorMessage(13, true), "Invalid CHL date.  Day number exceeds number of days in the month.");
    EXPECT_EQ(DateErrorMessage(14, true), "Invalid plus/minus days.");
    EXPECT_EQ(DateErrorMessage(15, true), "Date too early.");
    EXPECT_EQ(DateErrorMessage(0, true), "");
    EXPECT_EQ(DateErrorMessage(16, true), "");
}

TEST(DateEntryMessages, LunarMessageNamesTheOverseasYearOnlyForChina) {
    EXPECT_EQ(DateErrorMessage(8, true),
              "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'\r\n"
              "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.\r\n\r\n"
              "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
              "and specify element-animal using the drop-down boxes.");
    EXPECT_EQ(DateErrorMessage(8, false),
              "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\r\n\r\n"
              "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
              "and specify element-animal using the drop-down boxes.");
}

TEST(DateEntryTime, HoursAndMinutes) {
    EXPECT_EQ(ParseTimeText("9:30"), 570);
    EXPECT_EQ(ParseTimeText("9.30"), 570);
    EXPECT_EQ(ParseTimeText("23:50:10"), 23 * 60 + 50);
    EXPECT_EQ(ParseTimeText(" 0 : 00 "), 0);
    EXPECT_EQ(ParseTimeText("23:59"), 1439);
    EXPECT_EQ(ParseTimeText("930"), -1);    // no colon
    EXPECT_EQ(ParseTimeText("24:00"), -1);  // hour too big
    EXPECT_EQ(ParseTimeText("12:60"), -1);
    EXPECT_EQ(ParseTimeText("123:00"), -1);  // colon too far in
    EXPECT_EQ(ParseTimeText(":30"), -1);
    EXPECT_EQ(ParseTimeText(""), -1);
}

TEST(DateEntryPlusMinus, SignsOnlyFirstAndNumberCharactersOnly) {
    for (std::string ok : {"", "10", "+10", "-10", "1.5", "1,000", "  7  "}) {
        EXPECT_TRUE(IsValidPlusMinus(ok, false)) << ok;
    }
    for (std::string bad : {"1-5", "+-5", "5+", "ten", "1e5", "1 5"}) {
        EXPECT_FALSE(IsValidPlusMinus(bad, false)) << bad;
    }
    std::string trimmed = "  1,000 ";
    EXPECT_TRUE(IsValidPlusMinus(trimmed, false));
    EXPECT_EQ(trimmed, "1,000");
    EXPECT_TRUE(IsValidPlusMinus(trimmed, true));
    EXPECT_EQ(trimmed, "1000");
}

TEST(DateEntryNumbers, LeadingNumberStopsAtTheFirstOtherCharacter) {
    EXPECT_DOUBLE_EQ(LeadingNumber("2111111.5CJDL"), 2111111.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-12.5-3"), -12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("?"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
}

TEST(DateEntryOverseasYear, CycleAndPositionUnderTheFirstEpoch) {
    const CyclePosition y4709 = OverseasYearToCycle(4709);
    EXPECT_EQ(y4709.cycle, 79);
    EXPECT_EQ(y4709.position, 29);
    const CyclePosition y4708 = OverseasYearToCycle(4708);
    EXPECT_EQ(y4708.cycle, 79);
    EXPECT_EQ(y4708.position, 28);
    EXPECT_EQ(OverseasYearToCycle(60).cycle, 1);
    EXPECT_EQ(OverseasYearToCycle(60).position, 60);
    EXPECT_EQ(OverseasYearToCycle(61).cycle, 2);
    EXPECT_EQ(OverseasYearToCycle(61).position, 1);
}

TEST(DateEntryWesternDates, StatusAndValidFlag) {
    EuroDate ce;
    ce.letter = 'G';
    EXPECT_EQ(StrToEuroDate("2001-12-31", ce), 1);
    EXPECT_EQ(ce.valid, 1);
    EXPECT_EQ(ce.year, 2001);
    EXPECT_EQ(ce.month, 12);
    EXPECT_EQ(ce.day, 31);
    EXPECT_EQ(StrToEuroDate("-1000-02-29", ce), 0);  // not a leap year in CE
    EXPECT_EQ(ce.valid, 0);
    EuroDate jc;
    jc.letter = 'J';
    EXPECT_EQ(StrToEuroDate("-1000-02-29", jc), 1);
    EXPECT_EQ(jc.year, -1000);
    EXPECT_EQ(StrToEuroDate("2001-12", ce), 0);          // one dash
    EXPECT_EQ(StrToEuroDate("2001-12-31-1", ce), 0);     // three dashes but not a date
    EXPECT_EQ(StrToEuroDate("1234567-01-01", ce), -1);   // year beyond the service's range
    EXPECT_EQ(ce.valid, 0);
}

}  // namespace
}  // namespace orbel
