// Chinese dates typed into the main window: read by the date-string library
// and turned into days by the calendar engine.
#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "dates/date_entry.h"
#include "engine/cycles.h"

namespace orbel {
namespace {

class ChineseEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.clock = [] { return 2451545.0; };
        model.Load("1");
    }
    void Convert(std::string_view text) {
        port.messages.clear();
        model.SetDateText(text);
        model.cmdCompute_Click();
    }
    // The entry error shown by the last Convert, 0 for none.
    std::string LastError() const {
        for (const RecordedMessage& m : port.messages)
            if (m.title == "Invalid date or time entry") return m.text;
        return {};
    }
    void ChooseCountry(int country) {
        model.cboRefLong.listIndex = country;
        model.cboRefLong_Click();
    }

    ScriptedUserPort port;
    MainWindowModel model{port};
};

// The road of one conversion: 4709-1-1 CHL in China is the lunar new year of
// 2012, 2012-01-23 CE, at noon CCT (the labels it gives are orbel-cli's, in
// tests/data/cli_transcript.txt).
TEST_F(ChineseEntryTest, OverseasYearToTheLunarNewYearOf2012) {
    Convert("4709-1-1 chl");
    ASSERT_EQ(LastError(), "");
    EXPECT_EQ(model.txbDate.text, "4709-1-1 CHL");
    EXPECT_EQ(model.txbTime.text, "12:00");
    EXPECT_EQ(model.cboTimeZone.Text(), "CCT");
    EXPECT_EQ(model.state.InputCalendar, CalendarCHL);
    EXPECT_DOUBLE_EQ(model.state.CurrentAJD, 2455950.0 - 120.0 / 360.0);
    EXPECT_EQ(model.lblChineseLunarDate[0].foreColour, model.state.SelectedColour);
    EXPECT_TRUE(model.cmdSaveState.enabled);
    // The same day written with cycle and position.
    Convert("79-29-1-1 CHL");
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "Calendar dates unchanged.");
    Convert("4708-1-1 CHL");
    EXPECT_EQ(model.lblChineseLunarDate[1].caption, "79-28-01-01 CHL 12:00 CCT");
}

TEST_F(ChineseEntryTest, OverseasYearMeansTheSameYearUnderEitherEpoch) {
    model.cboEpoch.listIndex = 1;
    model.cboEpoch_Click();
    Convert("4709-1-1 CHL");
    ASSERT_EQ(LastError(), "");
    EXPECT_EQ(model.lblCommonEraDate[1].caption, "2012-01-23 CE 04:00 GMT Monday");
    EXPECT_EQ(model.lblChineseLunarDate[1].caption, "78-29-01-01 CHL 12:00 CCT");
    // Cycle and position follow the epoch in force: cycle 79 is 60 years on.
    Convert("79-29-1-1 CHL");
    EXPECT_EQ(model.lblCommonEraDate[1].caption.substr(0, 13), "2072-02-19 CE");
}

TEST_F(ChineseEntryTest, LunarAndSolarEntryErrors) {
    Convert("79-61-1-1 CHL");
    EXPECT_EQ(LastError(), DateErrorMessage(8, true));
    Convert("79-29-2-30 CHL");  // the second month of 2012 has 29 days
    EXPECT_EQ(LastError(), DateErrorMessage(13, true));
    Convert("79-29-1-17 CHS");
    EXPECT_EQ(LastError(), DateErrorMessage(9, true));
    Convert("79-29-25-1 CHS");
    EXPECT_EQ(LastError(), DateErrorMessage(9, true));
    ChooseCountry(CountryVietnam);
    Convert("4709-1-1 CHL");
    EXPECT_EQ(LastError(), DateErrorMessage(8, false));
    EXPECT_EQ(model.state.CurrentAJD, 2451545.0);
    EXPECT_EQ(model.state.InputCalendar, CalendarCHL);
}

TEST_F(ChineseEntryTest, QuestionMarkPositionTakesTheDropDowns) {
    model.SetDateText("79-?-1-1 chl");
    model.cboElement.listIndex = 4;  // water
    model.cboAnimal.listIndex = 4;   // dragon
    model.cmdCompute_Click();
    EXPECT_EQ(LastError(), "");
    EXPECT_EQ(model.cboElement.listIndex, 4);
    model.cboElement.listIndex = BlankElementIndex;
    model.cmdCompute_Click();
    EXPECT_EQ(LastError(), DateErrorMessage(8, true));
}

// A "?" position takes the element and animal chosen after typing, however
// the text is tidied or completed with the code of the calendar in force.
TEST_F(ChineseEntryTest, QuestionMarkPositionSurvivesTheTidyingOfTheText) {
    const struct {
        const char *typed, *shown;
        int animal;  // with water
    } cases[] = {{"70-?-12-30", "70-59-12-30 CHL", 10}, {" 79-?-04-01 chs", "79-20-04-01 CHS", 7}};
    for (const auto& c : cases) {
        model.SetDateText(c.typed);
        model.cboElement.listIndex = 4;
        model.cboAnimal.listIndex = c.animal;
        port.answers = {true};
        model.cmdCompute_Click();
        EXPECT_TRUE((model.lblChineseSolarDate[1].caption + model.lblChineseLunarDate[1].caption).find(c.shown) !=
                    std::string::npos)
            << c.typed << ": " << LastError();
    }
}

TEST_F(ChineseEntryTest, SolarDateAndClickBack) {
    Convert("79-29-03-03 CHS");
    ASSERT_EQ(LastError(), "");
    EXPECT_EQ(model.state.InputCalendar, CalendarCHS);
    EXPECT_EQ(model.lblCommonEraDate[1].caption, "2012-01-23 CE 04:00 GMT Monday");
    model.lblChineseLunarDate_Click(1);
    EXPECT_EQ(model.txbDate.text, "79-29-01-01 CHL");
    Convert(model.txbDate.text);
    EXPECT_EQ(port.messages.size(), 1u);  // unchanged
    // Only plus/minus days: the lunar date shown, ten days on.
    model.txbPlusMinus.text = "10";
    Convert("");
    EXPECT_EQ(LastError(), "");
    EXPECT_EQ(model.lblCommonEraDate[1].caption, "2012-02-02 CE 04:00 GMT Thursday");
}

TEST_F(ChineseEntryTest, PantheonNoteComparesWithTheLunarDate) {
    // 2012-01-23 is 4709-01-01 PAN and the first day of the lunar year.
    Convert("2012-01-23 CE");
    EXPECT_EQ(model.lblPantheonNote.caption, "PAN month & day same as CHL");
}

TEST_F(ChineseEntryTest, MissingLibraryIsReportedAsSuch) {
    model.parseChl = [](std::string_view, ChlDate& r) { return (r.valid = 0) != 0; };
    model.parserError = [] { return std::string("The date-string library liborbel2.so could not be loaded: gone"); };
    Convert("79-29-1-1 CHL");
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[0].title, "Date-string library");
    EXPECT_EQ(port.messages[0].text, "The date-string library liborbel2.so could not be loaded: gone");
    EXPECT_EQ(port.messages[1].text, "Error when parsing date string.");
    EXPECT_EQ(model.state.CurrentAJD, 2451545.0);
}

}  // namespace
}  // namespace orbel
