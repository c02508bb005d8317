// The help and credits texts: as written (tests/data), the countries and
// controls named as the program names them, and the worked examples of the
// help giving what the program really shows.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

#include "app/help_texts.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "tests/golden.h"
#include "tests/main_window_fixture.h"

namespace orbel {
namespace {

bool Mentions(std::string_view text, std::string_view what) { return text.find(what) != std::string_view::npos; }

// The texts as written, every calendar's paragraph and every source of the
// credits among them; the tests below hold them to the program.
TEST(HelpTexts, HelpTextAsWritten) { testing::ExpectGolden("help_text.txt", std::string(HelpText)); }

TEST(HelpTexts, CreditsTextAsWritten) { testing::ExpectGolden("credits_text.txt", std::string(CreditsText)); }

TEST(HelpTexts, CountriesMeridiansAndZonesAreThoseOfTheProgram) {
    for (const auto& [index, longitude, zone, offset] :
         {std::tuple{CountryChina, 120, "CCT", 8}, {CountryVietnam, 105, "ICT", 7}, {CountryJapan, 135, "JST", 9}}) {
        EXPECT_EQ(LongitudeLabel(longitude), zone);
        const std::string expected = std::string(CountryNames[index]) + " " + std::to_string(longitude) +
                                     " degrees East (" + (index == CountryChina ? "zone " : "") + zone + ", GMT + " +
                                     std::to_string(offset) + ")";
        EXPECT_TRUE(Mentions(HelpText, expected)) << expected;
    }
    EXPECT_TRUE(Mentions(HelpText, LongitudeLabel(112) + " for 112 degrees East"));
}

// The help held to the main window: its lists and captions, and its worked
// examples typed in.
class HelpAndWindow : public testing::MainWindowFixture {
protected:
    void SetUp() override { Start("1", 2460000.25); }  // 2023-02-24, away from every example
    // Types `date` (which the help must show) and converts it without a message.
    void Convert(std::string_view date) {
        ASSERT_TRUE(Mentions(HelpText, date)) << date;
        model->txbTime.text.clear();
        model->cboTimeZone.listIndex = -1;
        MainWindowFixture::Convert(date);
        ASSERT_TRUE(port.messages.empty()) << date << ": " << port.messages[0].text;
    }
};

// The controls by their captions, the methods as in their list.
TEST_F(HelpAndWindow, ControlsAreNamedAsTheWindowNamesThem) {
    const MainWindowModel& m = *model;
    for (const std::string& method : m.cboMethod.items) EXPECT_TRUE(Mentions(HelpText, "the " + method)) << method;
    for (const Button* b : {&m.cmdCompute, &m.cmdNow, &m.cmdClearDate, &m.cmdReset})
        EXPECT_TRUE(Mentions(HelpText, b->caption + " ")) << b->caption;
    for (const OptionButton* o : {&m.optPlus, &m.optMinus, &m.optNext, &m.optMoveDirection[0]})
        EXPECT_TRUE(Mentions(HelpText, o->caption)) << o->caption;
}

// Each example typed in shows the value the help gives for it.
TEST_F(HelpAndWindow, TheExamplesGiveWhatTheHelpSays) {
    ASSERT_TRUE(Mentions(HelpText, "79-29-01-01 CHL is day 1 of month 1 of the year at position 29 of the 60-year "
                                   "cycle 79, that is 2012-01-23 CE"));
    ASSERT_TRUE(Mentions(HelpText, "79-20-04-01 CHS (J1)"));
    ASSERT_TRUE(Mentions(HelpText, "2,451,545.0 AJD is noon GMT on 2000-01-01 CE"));
    using Pair = std::array<Label, 2> MainWindowModel::*;
    const Pair ce = &MainWindowModel::lblCommonEraDate, chl = &MainWindowModel::lblChineseLunarDate;
    const struct {
        const char* typed;
        Pair label;
        std::string shown;
    } cases[] = {
        {"79-29-01-01 CHL", ce, "2012-01-23 CE"},
        {"2012-01-23 CE", chl, "79-29-01-01 CHL"},
        {"4709-1-1 CHL", ce, "2012-01-23 CE"},  // the overseas Chinese year of the same day
        {"79-29-4*-11 CHL", chl, "79-29-4*-11 CHL"},
        {"79-20-04-01 CHS", &MainWindowModel::lblChineseSolarDate, "79-20-04-01 CHS (J1)"},
        {"2,451,545 AJD", ce, "2000-01-01 CE 12:00"},
        {"1582-10-04 JC", ce, "1582-10-14 CE"},
        {"4709-01-01 PAN", &MainWindowModel::lblPantheonCalendarGMT, "4709-01-01 PAN"},
    };
    for (const auto& c : cases) {
        Convert(c.typed);
        EXPECT_EQ(((*model).*c.label)[1].caption.substr(0, c.shown.size()), c.shown) << c.typed;
    }
}

}  // namespace
}  // namespace orbel
