// The help and credits texts: as written (tests/data), the countries and
// controls named as the program names them, and the worked examples of the
// help giving what the program really shows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/help_texts.h"
#include "app/help_windows.h"
#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "tests/golden.h"

namespace orbel {
namespace {

bool Mentions(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }

// The texts as written, every calendar's paragraph and every source of the
// credits among them; the tests below hold them to the program.
TEST(HelpTexts, HelpTextAsWritten) { testing::ExpectGolden("help_text.txt", std::string(HelpText)); }

TEST(HelpTexts, CreditsTextAsWritten) { testing::ExpectGolden("credits_text.txt", std::string(CreditsText)); }

TEST(HelpTexts, CountriesMeridiansAndZonesAreThoseOfTheProgram) {
    struct Country {
        int index, longitude;
        const char* zone;
        int offset;
    };
    for (const Country& c : {Country{CountryChina, 120, "CCT", 8}, Country{CountryVietnam, 105, "ICT", 7},
                             Country{CountryJapan, 135, "JST", 9}}) {
        EXPECT_EQ(LongitudeLabel(c.longitude), c.zone);
        const std::string expected = std::string(CountryNames[c.index]) + " " + std::to_string(c.longitude) +
                                     " degrees East (" + (c.index == CountryChina ? "zone " : "") + c.zone +
                                     ", GMT + " + std::to_string(c.offset) + ")";
        EXPECT_TRUE(Mentions(HelpText, expected)) << expected;
    }
    EXPECT_TRUE(Mentions(HelpText, "from 100 to 145 degrees East"));
    EXPECT_TRUE(Mentions(HelpText, "L12 for 112 degrees East"));
    // The animal words of each country (the main window's lists show them).
    EXPECT_TRUE(Mentions(HelpText, "Vietnam has the cat and the goat"));
    EXPECT_TRUE(Mentions(HelpText, "Japan the boar"));
}

TEST(HelpTexts, TheMethodsAreNamedAsInTheirList) {
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load("1");
    ASSERT_EQ(model.cboMethod.ListCount(), 2);
    for (const std::string& method : model.cboMethod.items) EXPECT_TRUE(Mentions(HelpText, "the " + method)) << method;
}

TEST(HelpTexts, ControlsAreNamedByTheirCaptions) {
    ScriptedUserPort port;
    MainWindowModel model(port);
    for (const Button* b : {&model.cmdCompute, &model.cmdNow, &model.cmdClearDate, &model.cmdReset})
        EXPECT_TRUE(Mentions(HelpText, b->caption + " ")) << b->caption;
    for (const OptionButton* o : {&model.optPlus, &model.optMinus, &model.optNext, &model.optMoveDirection[0]})
        EXPECT_TRUE(Mentions(HelpText, o->caption)) << o->caption;
    for (std::string_view what : {"Date box", "Time box", "zone list", "Plus/minus days", "clipboard", "left click",
                                  "right click", "12:00", "F1"})
        EXPECT_TRUE(Mentions(HelpText, what)) << what;
}

// The examples of the help, typed into the main window.
class HelpExamples : public ::testing::Test {
protected:
    void SetUp() override {
        model = std::make_unique<MainWindowModel>(port);
        model->clock = [] { return 2460000.25; };  // 2023-02-24, away from every example
        model->Load("1");
    }
    // Types `date` (which the help must show) and converts it without a message.
    void Convert(std::string_view date) {
        ASSERT_TRUE(Mentions(HelpText, date)) << date;
        model->txbTime.text.clear();
        model->cboTimeZone.listIndex = -1;
        model->SetDateText(date);
        port.messages.clear();
        model->cmdCompute_Click();
        ASSERT_TRUE(port.messages.empty()) << date << ": " << port.messages[0].text;
    }
    std::string Value(const std::array<Label, 2>& pair) const { return pair[1].caption; }

    ScriptedUserPort port;
    std::unique_ptr<MainWindowModel> model;
};

TEST_F(HelpExamples, TheLunarNewYearOf2012) {
    ASSERT_TRUE(Mentions(HelpText, "79-29-01-01 CHL is day 1 of month 1 of the year at position 29 of the 60-year "
                                   "cycle 79, that is 2012-01-23 CE"));
    Convert("79-29-01-01 CHL");
    EXPECT_EQ(Value(model->lblCommonEraDate).substr(0, 13), "2012-01-23 CE");
    Convert("2012-01-23 CE");
    EXPECT_EQ(Value(model->lblChineseLunarDate).substr(0, 15), "79-29-01-01 CHL");
    // The overseas Chinese year of the same day.
    Convert("4709-1-1 CHL");
    EXPECT_EQ(Value(model->lblCommonEraDate).substr(0, 13), "2012-01-23 CE");
}

TEST_F(HelpExamples, TheLeapMonthExampleIsALeapMonth) {
    Convert("79-29-4*-11 CHL");
    EXPECT_EQ(Value(model->lblChineseLunarDate).substr(0, 15), "79-29-4*-11 CHL");
}

TEST_F(HelpExamples, TheFirstDayOfATermShowsItsCode) {
    ASSERT_TRUE(Mentions(HelpText, "79-20-04-01 CHS (J1)"));
    Convert("79-20-04-01 CHS");
    EXPECT_EQ(Value(model->lblChineseSolarDate).substr(0, 20), "79-20-04-01 CHS (J1)");
}

TEST_F(HelpExamples, DayCountsAndTheOtherCalendars) {
    ASSERT_TRUE(Mentions(HelpText, "2,451,545.0 AJD is noon GMT on 2000-01-01 CE"));
    Convert("2,451,545 AJD");
    EXPECT_EQ(model->state.CurrentAJD, 2451545.0);
    EXPECT_EQ(Value(model->lblCommonEraDate).substr(0, 19), "2000-01-01 CE 12:00");
    Convert("1582-10-04 JC");
    EXPECT_EQ(Value(model->lblCommonEraDate).substr(0, 13), "1582-10-14 CE");
    Convert("4709-01-01 PAN");
    EXPECT_EQ(Value(model->lblPantheonCalendarGMT).substr(0, 14), "4709-01-01 PAN");
}

}  // namespace
}  // namespace orbel
