// The main window driven as a user drives it: type, convert, read the labels;
// change the settings; click the value labels.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "engine/cycles.h"
#include "tests/golden.h"
#include "tests/main_window_fixture.h"

namespace orbel {
namespace {

using testing::Y2000Noon;

using MainWindowTest = testing::MainWindowFixture;

// The value labels of the main window by name: their captions and, where a
// click fills the entry boxes, their click procedures.
struct NamedPair {
    const char* name;
    std::array<Label, 2> MainWindowModel::*pair;
    void (MainWindowModel::*click)(int);
};
const NamedPair Pairs[] = {
    {"AJD", &MainWindowModel::lblAstronomicalJulianDate, &MainWindowModel::lblAstronomicalJulianDate_Click},
    {"CJDL", &MainWindowModel::lblChronologicalJulianDateLondon,
     &MainWindowModel::lblChronologicalJulianDateLondon_Click},
    {"CE", &MainWindowModel::lblCommonEraDate, &MainWindowModel::lblCommonEraDate_Click},
    {"JC", &MainWindowModel::lblJulianCalendarDate, &MainWindowModel::lblJulianCalendarDate_Click},
    {"CJDC", &MainWindowModel::lblChronologicalJulianDateBeijing,
     &MainWindowModel::lblChronologicalJulianDateBeijing_Click},
    {"CHS", &MainWindowModel::lblChineseSolarDate, &MainWindowModel::lblChineseSolarDate_Click},
    {"CHL", &MainWindowModel::lblChineseLunarDate, &MainWindowModel::lblChineseLunarDate_Click},
    {"PANGMT", &MainWindowModel::lblPantheonCalendarGMT, &MainWindowModel::lblPantheonCalendarGMT_Click},
    {"PANCCT", &MainWindowModel::lblPantheonCalendarCCT, &MainWindowModel::lblPantheonCalendarCCT_Click},
    {"day", &MainWindowModel::lblElementAnimalOfDay, nullptr},
    {"month", &MainWindowModel::lblElementAnimalOfMonth, nullptr},
    {"year", &MainWindowModel::lblElementAnimalOfYear, nullptr},
    {"deltaT", &MainWindowModel::lblDeltaT, nullptr},
};
const NamedPair& PairNamed(const std::string& name) {
    return *std::find_if(std::begin(Pairs), std::end(Pairs), [&](const NamedPair& p) { return p.name == name; });
}

// The settings and what follows from them, one control a line: lists with
// their choice and items, boxes, check boxes, the captions of the value
// labels with what is shown and which is selected, colours and pictures.
std::string Controls(const MainWindowModel& m) {
    const auto rgb = [](Rgb c) { return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue); };
    std::string text = "caption " + m.caption + "\nback " + rgb(m.backColour) + "  focus " + m.focus + "  zone " +
                       m.state.ZoneName + "  longitude " + std::to_string(m.state.ReferenceLongitude) +
                       "  moon suffix '" + m.state.MoonImageSuffix + "'  China " + std::to_string(m.state.IsChina) +
                       "  input calendar " + std::to_string(m.state.InputCalendar) + "\n";
    const std::pair<const char*, const ComboBox*> lists[] = {
        {"cboRefLong", &m.cboRefLong}, {"cboLongitude", &m.cboLongitude}, {"cboTimeZone", &m.cboTimeZone},
        {"cboEpoch", &m.cboEpoch},     {"cboMethod", &m.cboMethod},       {"cboElement", &m.cboElement},
        {"cboAnimal", &m.cboAnimal},   {"cboMoveStep", &m.cboMoveStep},   {"cboRefreshPeriod", &m.cboRefreshPeriod},
        {"cboTarget", &m.cboTarget}};
    for (const auto& [name, list] : lists) {
        text += std::string(name) + " " + std::to_string(list->listIndex) + " '" + list->Text() + "':";
        for (size_t i = 0; i < list->items.size(); ++i) {
            if (list->items.size() > 24 && i % 8 != 0) continue;  // of a long list every eighth item
            text += " " + list->items[i];
            if (i < list->itemData.size() && list->itemData[i] != 0) text += "=" + std::to_string(list->itemData[i]);
            text += " |";
        }
        text += "\n";
    }
    text += "txbCCT '" + m.txbCCT.text + "'  txbDate '" + m.txbDate.text + "'  txbTime '" + m.txbTime.text +
            "'  chkShowPAN " + std::to_string(m.chkShowPAN.value) + "  chkShowCJDs " + std::to_string(m.chkShowCJDs.value) +
            "  cmdSaveState " + std::to_string(m.cmdSaveState.enabled) + "\n";
    for (const NamedPair& p : Pairs) {
        const std::array<Label, 2>& pair = m.*p.pair;
        text += std::string(p.name) + ": '" + pair[0].caption + "'" + (pair[0].visible ? "" : " hidden") +
                (pair[1].visible ? "" : " value hidden") + (pair[0].foreColour == m.state.SelectedColour ? " selected" : "") +
                (pair[1].backColour == m.backColour ? "" : " value on " + rgb(pair[1].backColour)) + "\n";
    }
    text += "stem and branch pictures " + std::to_string(m.imgDayStem.visible) + "  moon " + m.moonPicture + " on " +
            rgb(m.picMoon.backColour) + "\n\n";
    return text;
}

// The controls after the first start, then after choosing each country (the
// animal words of Vietnam reach the lists and the targets, China renames them
// back), a longitude without a named zone, and the day counts instead of the
// month and year names, then starts with each stored country:
// tests/data/main_window_settings.txt.
TEST_F(MainWindowTest, SettingsDecideTheControls) {
    EXPECT_TRUE(model->state.Ready);
    EXPECT_FALSE(model->state.Initializing);
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_TRUE(model->port.ClipboardText().empty());
    std::string text = "first start\n" + Controls(*model);
    model->cboTarget.listIndex = ElementAnimalDayTarget;
    model->cboElement.listIndex = 3;  // metal
    model->cboElement_Click();
    model->cboAnimal.listIndex = 3;
    model->cboAnimal_Click();
    text += "metal-rabbit day as target\n" + Controls(*model);
    for (const int country : {CountryJapan, CountryVietnam, CountryChina}) {
        ChooseCountry(country);
        EXPECT_EQ(model->Settings().referenceLongitude, model->state.ReferenceLongitude);
        text += "country " + std::to_string(country) + "\n" + Controls(*model);
    }
    // A longitude clears the entry boxes.
    model->SetDateText("2012-01-23 CE");
    model->txbTime.text = "09:00";
    model->cboTimeZone.listIndex = 0;
    model->cboLongitude.listIndex = 12;
    model->cboLongitude_Click();
    // 12:00 GMT + 112/360 day is 19:28 at 112 degrees East.
    EXPECT_NE(model->lblChineseLunarDate[1].caption.find(" 19:28 L12"), std::string::npos);
    text += "longitude 112\n" + Controls(*model);
    model->chkShowCJDs.value = true;
    model->chkShowCJDs_Click();
    model->chkShowPAN.value = false;
    model->chkShowPAN_Click();
    text += "day counts shown, Pantheon dates hidden\n" + Controls(*model);
    model->chkShowCJDs.value = false;
    model->chkShowCJDs_Click();
    text += "day counts hidden again\n" + Controls(*model);
    // The element-animal target chosen shows the element and animal chosen,
    // the others their plain names; emptied lists bring the plain name back.
    // Search takes the focus, or Convert for another target.
    for (const auto& [target, element, animal] : {std::tuple{TargetElementAnimalMonth, BlankElementIndex, 10},
             {TargetElementAnimalYear, 1, BlankAnimalIndex}, {TargetElementAnimalMonth, 3, 8}, {TargetFullMoon, 3, 8}}) {
        model->cboTarget.listIndex = target;
        model->cboElement.listIndex = element;
        model->cboAnimal.listIndex = animal;
        model->cboTarget_Click();
        text += "target " + std::to_string(target) + " element " + std::to_string(element) + " animal " +
                std::to_string(animal) + "\n" + Controls(*model);
        model->cboElement.listIndex = BlankElementIndex;
        model->cboAnimal.listIndex = BlankAnimalIndex;
        model->cboAnimal_Click();
        text += "element and animal emptied\n" + Controls(*model);
    }
    // A stored country is restored at start; anything else is China.
    for (const char* stored : {"0", "3", "4", "", "x", "-1"}) {
        Start(stored);
        text += "started with stored country '" + std::string(stored) + "'\n" + Controls(*model);
    }
    testing::ExpectGolden("main_window_settings.txt", text);
}

// "As observed" is China's: it is written to the settings store when ticked,
// changes the lunar date shown, and is off and disabled for another country.
TEST_F(MainWindowTest, AsObservedIsChinasCalendar) {
    bool stored = false;
    model->links.SaveAsObserved = [&](bool on) { stored = on; };
    Convert("1896-02-13 CE");
    EXPECT_EQ(model->lblChineseLunarDate[1].caption.substr(0, 15), "77-32-12-30 CHL");
    model->chkAsObserved.value = true;
    model->chkAsObserved_Click();
    EXPECT_TRUE(stored);
    EXPECT_EQ(model->lblChineseLunarDate[1].caption.substr(0, 15), "77-33-01-01 CHL");
    for (const int country : {CountryVietnam, CountryChina}) {
        ChooseCountry(country);
        EXPECT_EQ(model->chkAsObserved.enabled, country == CountryChina);
        EXPECT_EQ(model->Settings().asObserved, country == CountryChina);
    }
}

// The stored names choice is restored at start, anything else is English
// (whose label stays hidden); a change asks to be saved.
TEST_F(MainWindowTest, StoredNamesChooseTheWordsOrElseEnglish) {
    for (const auto& [stored, names] : {std::pair{"5", Names::Korean}, {"6", Names::English}, {"", Names::English}}) {
        model = std::make_unique<MainWindowModel>(port);
        model->clock = [] { return Y2000Noon; };
        model->Load("1", stored);
        EXPECT_EQ(model->lblLunarDateWords.visible, names != Names::English) << stored;
    }
    model->CmdSaveStateEnabled(false);
    model->cboNames.listIndex = 1;
    model->cboNames_Click();
    EXPECT_TRUE(model->cmdSaveState.enabled);
    EXPECT_EQ(model->lblLunarDateWords.caption, "己卯年 冬月廿五 戊午日");
}

// The chosen option's caption is white, the other grey; Reset keeps the moment.
TEST_F(MainWindowTest, OptionsColourTheChosenCaptionAndResetKeepsOnlyTheMoment) {
    Convert("2012-01-23 CE");
    model->optMinus_Click();
    EXPECT_TRUE(model->optMinus.value);
    EXPECT_FALSE(model->optPlus.value);
    EXPECT_EQ(model->optMinus.foreColour, (Rgb{255, 255, 255}));
    EXPECT_EQ(model->optPlus.foreColour, (Rgb{200, 200, 200}));
    model->cmdSaveState.enabled = false;
    model->optPrevious_Click();
    EXPECT_EQ(model->optPrevious.foreColour, (Rgb{255, 255, 255}));
    EXPECT_EQ(model->optNext.foreColour, (Rgb{200, 200, 200}));
    EXPECT_TRUE(model->cmdSaveState.enabled);
    EXPECT_EQ(model->focus, "cmdSearch");
    model->chkShowCJDs.value = true;
    model->chkShowCJDs_Click();
    model->cboMoveStep.listIndex = 2;
    model->cboTarget.listIndex = 5;
    model->cmdReset_Click();
    EXPECT_TRUE(model->optPlus.value);
    EXPECT_TRUE(model->optNext.value);
    EXPECT_EQ(model->optNext.foreColour, (Rgb{255, 255, 255}));
    EXPECT_FALSE(model->chkShowCJDs.value);
    EXPECT_FALSE(model->lblChronologicalJulianDateBeijing[1].visible);
    EXPECT_EQ(model->cboMoveStep.listIndex, 6);
    EXPECT_EQ(model->cboTarget.listIndex, 0);
    EXPECT_EQ(model->state.InputCalendar, CalendarCHL);
    EXPECT_EQ(model->state.CurrentAJD, 2455950.0);
}

TEST_F(MainWindowTest, ConvertCEDateFillsEveryLabel) {
    // The entry boxes, the moment and the calendar in force are in
    // tests/data/main_window_session.txt, the value labels are orbel-cli's
    // (tests/data/cli_transcript.txt); here the pictures: the lunar new year
    // of the water-dragon year 2012 is a gui-wei day.
    Convert("2012-01-23 ce");
    const MainWindowModel& m = *model;
    ASSERT_TRUE(port.messages.empty());
    EXPECT_EQ(m.lblElementAnimalOfDay[0].caption, "gui-wei");
    EXPECT_EQ(m.imgDayStem.image, 10);   // gui
    EXPECT_EQ(m.imgDayBranch.image, 8);  // wei
    EXPECT_EQ(m.imgYearStem.image, 9);   // ren
    EXPECT_EQ(m.imgYearBranch.image, 5); // chen
    EXPECT_TRUE(m.cmdSaveState.enabled);
    EXPECT_EQ(m.focus, "txbDate");
}

// A "?" position takes the element and animal chosen after typing, however
// the text is tidied or completed with the code of the calendar in force.
TEST_F(MainWindowTest, QuestionMarkPositionTakesTheDropDowns) {
    const struct {
        const char *typed, *shown;
        int animal;  // with water
    } cases[] = {{"70-?-12-30", "70-59-12-30 CHL", 10}, {" 79-?-04-01 chs", "79-20-04-01 CHS", 7}};
    for (const auto& c : cases) {
        model->SetDateText(c.typed);
        model->cboElement.listIndex = 4;
        model->cboAnimal.listIndex = c.animal;
        port.answers = {true};
        port.messages.clear();
        model->cmdCompute_Click();
        EXPECT_TRUE((model->lblChineseSolarDate[1].caption + model->lblChineseLunarDate[1].caption).find(c.shown) !=
                    std::string::npos)
            << c.typed;
        EXPECT_EQ(model->cboElement.listIndex, 4);
    }
}

TEST_F(MainWindowTest, MissingLibraryIsReportedAsSuch) {
    model->parseChl = [](std::string_view, ChlDate& r) { return (r.valid = 0) != 0; };
    model->parserError = [] { return std::string("The date-string library liborbel2.so could not be loaded: gone"); };
    Convert("79-29-1-1 CHL");
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[0].title, "Date-string library");
    EXPECT_EQ(port.messages[0].text, "The date-string library liborbel2.so could not be loaded: gone");
    EXPECT_EQ(port.messages[1].text, "Error when parsing date string.");
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
}

// One model driven step by step through tests/data/main_window_session.txt:
// typing, the entry boxes and lists, clicks on the value labels. After each
// step the table holds what the window shows then.
TEST_F(MainWindowTest, SessionOfEntriesAndLabelClicks) {
    using Args = const std::vector<std::string>&;
    MainWindowModel& m = *model;
    const auto shown = [&] {
        char ajd[32];
        std::snprintf(ajd, sizeof ajd, "%.6f", m.state.CurrentAJD);
        std::string text = "date '" + m.txbDate.text + "' time '" + m.txbTime.text + "' zone '" + m.cboTimeZone.Text() +
                           "' +- '" + m.txbPlusMinus.text + "' calendar " + std::to_string(m.state.InputCalendar) +
                           " selected";
        for (const NamedPair& p : Pairs)
            if ((m.*p.pair)[0].foreColour == m.state.SelectedColour) text += " " + std::string(p.name);
        text += " at " + std::string(ajd) + " | " + m.lblCommonEraDate[1].caption + " | " +
                m.lblChineseLunarDate[1].caption + " | element '" + m.cboElement.Text() + "' animal '" +
                m.cboAnimal.Text() + "' | clipboard '" + port.clipboard + "'";
        for (const RecordedMessage& message : port.messages)
            text += " | " + message.title + (message.question ? " (asked)" : "") +
                    (message.icon == MessageIcon::Exclamation ? " (!): " : ": ") + testing::OneLine(message.text);
        for (const int16_t op : autoLogs) text += " | logged " + std::to_string(op);
        return text;
    };
    const auto step = [&](std::function<void(Args)> act) {
        return [&, act](Args a) {
            port.messages.clear();
            autoLogs.clear();
            act(a);
            return shown();
        };
    };
    testing::ExpectCaseTable(
        "main_window_session.txt",
        {{"Convert", step([&](Args a) { Convert(a[0]); })},
         {"Type", step([&](Args a) { m.SetDateText(a[0]); })},
         {"Clear", step([&](Args) { m.cmdClearDate_Click(); })},
         {"Now", step([&](Args) { m.cmdNow_Click(); })},
         {"Key", step([&](Args a) { m.txbDate_KeyPress(std::stoi(a[0])); })},
         {"Answer", step([&](Args a) { port.answers = {a[0] == "yes"}; })},
         {"Element", step([&](Args a) { m.cboElement.listIndex = std::stoi(a[0]); })},
         {"Animal", step([&](Args a) { m.cboAnimal.listIndex = std::stoi(a[0]); })},
         {"Target", step([&](Args a) { m.cboTarget.listIndex = std::stoi(a[0]); })},
         {"Zone", step([&](Args a) { m.cboTimeZone.listIndex = std::stoi(a[0]); })},
         {"Country", step([&](Args a) { ChooseCountry(std::stoi(a[0])); })},
         {"Value", [&](Args a) { return (m.*PairNamed(a[0]).pair)[1].caption; }},
         {"Time", step([&](Args a) { m.txbTime.text = a[0]; })},
         {"PlusMinus", step([&](Args a) { m.txbPlusMinus.text = a[0]; })},
         {"Minus", step([&](Args) { m.optMinus_Click(); })},
         {"Plus", step([&](Args) { m.optPlus_Click(); })},
         {"Clipboard", step([&](Args a) { port.clipboard = a[0]; })},
         {"Click", step([&](Args a) { (m.*PairNamed(a[0]).click)(std::stoi(a[1])); })},
         {"Caption", step([&](Args a) { (m.*PairNamed(a[0]).pair)[1].caption = a[1]; })},
         {"ClickPhaseOfMoon", step([&](Args) { m.lblPhaseOfMoon_Click(); })},
         {"PantheonNote", [&](Args) { return m.lblPantheonNote.caption; }},
         {"Epoch",
          [&](Args a) {
              m.cboEpoch.listIndex = std::stoi(a[0]);
              m.cboEpoch_Click();
              return std::to_string(m.Epoch()) + " " + std::to_string(m.Settings().epoch);
          }},
         {"Method", [&](Args a) {
              m.cboMethod.listIndex = std::stoi(a[0]);
              m.cboMethod_Click();
              return std::to_string(m.Settings().method);
          }}});
}

TEST_F(MainWindowTest, MoonLabelsFollowTheMoment) {
    // The full moon of the eclipse of 2000-01-21, 04:4x GMT, in lunation 0
    // (which began 2000-01-06 18:14 GMT).
    model->txbTime.text = "04:44";
    model->cboTimeZone.listIndex = 0;
    Convert("2000-01-21 CE");
    EXPECT_EQ(model->lblPhaseOfMoon.caption, "Full moon, 100.0%");
    EXPECT_EQ(model->lblAgeOfMoon.caption.rfind("[0] 14 days, 10 hrs, ", 0), 0u) << model->lblAgeOfMoon.caption;
    EXPECT_EQ(model->moonPicture, "pictures/fullmoon.bmp");
    model->lblAgeOfMoon_Click();
    EXPECT_EQ(port.clipboard, model->lblAgeOfMoon.caption);
}

// Restore state asks whether the log configuration comes back too: No
// brings the settings back and leaves a changed log tick, Yes the ticks too.
// After a change of longitude the meridian comes back with its zone name, in
// the lists and the labels.
TEST(MainWindowRestore, RestoreAsksAboutTheLogAndKeepsMeridianAndZoneTogether) {
    QTemporaryDir folder;
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.clock = [] { return Y2000Noon; };
    model.stateFilePath = (folder.path() + "/orbel.usr").toStdString();
    model.Load("1");
    const auto savedTicks = model.logPreferenceTicks;
    model.cmdSaveState_Click();
    EXPECT_FALSE(model.cmdSaveState.enabled);
    model.logPreferenceTicks[LogTickJC] = !savedTicks[LogTickJC];
    model.cboMoveStep.listIndex = 9;
    port.answers = {false};
    model.cmdRestoreState_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Restore state");
    EXPECT_EQ(port.messages[0].text, "Restore previous log configuration also?");
    EXPECT_TRUE(port.messages[0].question);
    EXPECT_EQ(model.cboMoveStep.listIndex, 6);
    EXPECT_NE(model.logPreferenceTicks, savedTicks);
    model.cboLongitude.listIndex = 12;
    model.cboLongitude_Click();
    port.answers = {true};
    model.cmdRestoreState_Click();
    EXPECT_EQ(model.logPreferenceTicks, savedTicks);
    EXPECT_EQ(model.cboLongitude.Text() + model.txbCCT.text + model.cboTimeZone.items[1], "120CCTCCT");
    EXPECT_TRUE(model.lblChineseLunarDate[1].caption.ends_with(" 20:00 CCT")) << model.lblChineseLunarDate[1].caption;
}

TEST(MainWindowStartUp, SettingHandlersWaitForReady) {
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Initialization();
    model.cboRefLong.listIndex = CountryJapan;
    model.cboRefLong_Click();  // nothing before Ready
    EXPECT_EQ(model.state.ReferenceLongitude, 120);
    model.cboEpoch.listIndex = 1;
    model.cboEpoch_Click();  // stores only
    EXPECT_EQ(model.Epoch(), -2636);
    model.cboLongitude.listIndex = 15;
    model.cboLongitude_Click();
    EXPECT_EQ(model.state.ZoneName, "L15");
    EXPECT_TRUE(model.lblChineseLunarDate[1].caption.empty());
    model.state.Initializing = true;
    model.DisplayDatesAndTimes();
    EXPECT_TRUE(model.lblCommonEraDate[1].caption.empty());
}

TEST(MainWindowDeltaT, DurationUpToADayThenMoreThan24Hours) {
    const std::pair<double, const char*> cases[] = {{1440.0, "1 day"}, {1441.0, "More than 24 hours"},
        {1440.5, "More than 24 hours"}, {125.0, "2 hours and 5 minutes"}, {0.4, "0 minutes"}};
    for (const auto& [minutes, text] : cases) EXPECT_EQ(DeltaTText(minutes), text) << minutes;
}

}  // namespace
}  // namespace orbel
