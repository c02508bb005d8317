// The help and credits texts: every calendar and source is there, the
// controls are named as the main window names them, and the worked examples
// of the help give what the program really shows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/help_texts.h"
#include "app/help_windows.h"
#include "app/main_window_model.h"
#include "app/scripted_user_port.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"

namespace orbel {
namespace {

bool Mentions(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }

TEST(HelpTexts, EveryCalendarHasItsParagraph) {
    for (std::string_view code : {"CE", "JC", "CHL", "CHS", "PAN", "AJD", "CJDL", "CJDC"})
        EXPECT_TRUE(Mentions(HelpText, "\n" + std::string(code) + " - ")) << code;
    EXPECT_TRUE(Mentions(HelpText, "cycle-position-month-day"));
    EXPECT_TRUE(Mentions(HelpText, "cycle-position-solarterm-day"));
    EXPECT_TRUE(Mentions(HelpText, "4* is the leap month"));
}

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

// The cycle arithmetic of the example is checked with the cycles themselves.
TEST(HelpTexts, TheEpochExampleHoldsUnderBothEpochs) {
    EXPECT_TRUE(Mentions(HelpText, "-2696 (2697 BC) or -2636 (2637 BC)"));
    EXPECT_TRUE(Mentions(HelpText, "2003 CE is the year at position 20 of cycle 79 with the first epoch and of "
                                   "cycle 78 with the second"));
    EXPECT_TRUE(Mentions(HelpText, "2003 CE is year 4700"));
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

TEST(CreditsText, NamesEverySourceTheProgramRestsOn) {
    for (std::string_view source :
         {"ERFA", "IAU SOFA", "ELP-2000/82", "Chapront-Touz\u00e9", "@behaver/elp2000-moon-gecc", "Espenak",
          "Meeus (2006)", "Astronomical Algorithms", "Vondr\u00e1k", "Capitaine", "Wallace (2011)", "Simon et al. (1994)",
          "Earth-Moon barycentre", "WenQuanYi Micro Hei", "Qt", "GoogleTest", "Google Benchmark", "Swiss Ephemeris"})
        EXPECT_TRUE(Mentions(CreditsText, source)) << source;
    EXPECT_TRUE(Mentions(CreditsText, "used only by the tests"));
}

}  // namespace
}  // namespace orbel
