// Today at a glance: the fields and tool tip of fixed days, the icon's model
// across local midnight with an injected clock, and the autostart entry.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <string>

#include "app/today_model.h"
#include "engine/cycles.h"
#include "golden.h"
#include "support/autostart_entry.h"
#include "temporary_settings.h"

namespace orbel {
namespace {

TodaySettings SettingsOf(int country, std::string_view names = "en") {
    return {{CountryMeridians[static_cast<size_t>(country)], -2696, 0}, country, *NamesFromCode(names)};
}

TEST(Today, FieldsToolTipsAndSymbolsOfFixedDays) {
    const CalendarGlanceWords words;
    const auto facts = [&](const std::vector<std::string>& a) {
        return ComputeToday({std::stoi(a[0]), static_cast<int16_t>(std::stoi(a[1]))}, SettingsOf(std::stoi(a[2]), a.size() > 4 ? a[4] : "en"),
                            words);
    };
    testing::ExpectCaseTable(
        "today_cases.txt",
        {{"Format",
          [&](const auto& a) {
              const TodayFormatResult r = FormatToday(a[3], facts(a));
              return r.unknownField ? "unknown " + *r.unknownField : r.text;
          }},
         {"ToolTip", [&](const auto& a) { return testing::OneLine(TodayToolTip(facts(a))); }},
         {"Symbol", [](const auto& a) { return std::string(MoonSymbol(std::stod(a[0]), a[1] == "waxing")); }},
         {"Exec", [](const auto& a) { return AutostartCommand(a[0]); }}});
}

TEST(Today, TheIconChangesAtLocalMidnightAndWithTheCountry) {
    testing::TemporarySettings store;
    const CalendarGlanceWords words;
    int country = CountryChina;
    TodayModel model(words, [&] { return SettingsOf(country); },
                     [&] { return country == CountryChina ? Rgb{192, 0, 0} : Rgb{0, 128, 0}; });
    LocalDay day{2460358, 60};  // 2024-02-17 CE, a day before the lunar 9th
    model.clock = [&] { return day; };
    model.Refresh();
    EXPECT_EQ(model.dayNumber, "8");
    EXPECT_FALSE(model.Tick()) << "the same day";
    day.jdn += 1;  // midnight
    EXPECT_TRUE(model.Tick());
    EXPECT_EQ(model.dayNumber, "9");
    EXPECT_NE(model.toolTip.find("Sunday 2024-02-18 CE"), std::string::npos) << model.toolTip;
    EXPECT_FALSE(model.Tick());
    country = CountryVietnam;
    EXPECT_TRUE(model.Tick());
    EXPECT_EQ(model.colour, (Rgb{0, 128, 0}));
}

TEST(Today, StartWithTheDesktopWritesAValidEntryAndRemovesIt) {
    testing::TemporarySettings store;
    QTemporaryDir home;
    const CalendarGlanceWords words;
    TodayModel model(words, [] { return SettingsOf(CountryChina); }, [] { return Rgb{}; });
    model.autostartFolder = (home.path() + "/config/autostart").toStdString();
    model.program = "/opt/orbel tools/orbel";
    ASSERT_TRUE(model.SetStartWithDesktop(true));
    const std::string entry = model.autostartFolder + "/orbel.desktop";
    EXPECT_EQ(testing::FileText(entry), AutostartEntryText(model.program));
    EXPECT_EQ(std::system(("desktop-file-validate '" + entry + "'").c_str()), 0);
    model.LoadPreferences();
    EXPECT_TRUE(model.preferences.startWithDesktop);
    ASSERT_TRUE(model.SetStartWithDesktop(false));
    EXPECT_FALSE(AutostartEntryExists(model.autostartFolder));
    model.LoadPreferences();
    EXPECT_FALSE(model.preferences.startWithDesktop);
}

}  // namespace
}  // namespace orbel
