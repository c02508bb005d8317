// The main window driven as a user drives it: type, convert, read the labels;
// change the settings; click the value labels.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/main_window_model.h"
#include "app/scripted_user_port.h"
#include "dates/date_entry.h"
#include "engine/cycles.h"

namespace orbel {
namespace {

constexpr double Y2000Noon = 2451545.0;  // 2000-01-01 12:00 GMT
const std::string Sign = "\xC2\xBA";    // masculine ordinal sign

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Start("1"); }

    void Start(std::string_view storedCountry) {
        port = std::make_unique<ScriptedUserPort>();
        model = std::make_unique<MainWindowModel>(*port);
        model->clock = [] { return Y2000Noon; };
        model->links.AutoLog = [this](int16_t& op) { autoLogs.push_back(op); };
        model->Load(storedCountry);
        autoLogs.clear();
    }

    // Types `text` into the date box and presses Convert.
    void Convert(std::string_view text) {
        model->SetDateText(text);
        model->cmdCompute_Click();
    }

    // Converts `text`, expecting entry error `code` with its message and no
    // change of the moment or the calendar in force.
    void ExpectEntryError(std::string_view text, int code) {
        const double before = model->state.CurrentAJD;
        const int16_t calendar = model->state.InputCalendar;
        port->messages.clear();
        Convert(text);
        ASSERT_EQ(port->messages.size(), 1u) << text;
        EXPECT_EQ(port->messages[0].title, "Invalid date or time entry") << text;
        EXPECT_EQ(port->messages[0].text, DateErrorMessage(code, model->state.IsChina)) << text;
        EXPECT_EQ(port->messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(model->state.CurrentAJD, before) << text;
        EXPECT_EQ(model->state.InputCalendar, calendar) << text;
    }

    void ChooseCountry(int country) {
        model->cboRefLong.listIndex = country;
        model->cboRefLong_Click();
    }

    std::unique_ptr<ScriptedUserPort> port;
    std::unique_ptr<MainWindowModel> model;
    std::vector<int16_t> autoLogs;
};

TEST_F(MainWindowTest, FirstStartShowsThePresentMomentWithTheDefaults) {
    const MainWindowModel& m = *model;
    EXPECT_EQ(m.caption, "The Chinese Calendar: New Years, Dark Moons and Solar Terms V.18.0 ");
    EXPECT_TRUE(m.state.Ready);
    EXPECT_FALSE(m.state.Initializing);
    EXPECT_EQ(m.state.CurrentAJD, Y2000Noon);
    EXPECT_EQ(m.cboRefLong.Text(), "China");
    EXPECT_EQ(m.cboLongitude.Text(), "120");
    EXPECT_EQ(m.txbCCT.text, "CCT");
    EXPECT_EQ(m.cboEpoch.Text(), "-2696 = 2697 BC");
    EXPECT_EQ(m.cboMethod.Text(), "true sun");
    EXPECT_EQ(m.cboMoveStep.Text(), "CHL month");
    EXPECT_EQ(m.cboRefreshPeriod.Text(), "1");
    EXPECT_EQ(m.cboTarget.Text(), "Full moon");
    EXPECT_EQ(m.cboTarget.itemData[0], 2);
    EXPECT_EQ(m.cboTarget.itemData[1], 0);
    EXPECT_EQ(m.cboTimeZone.listIndex, -1);
    EXPECT_EQ(m.cboTimeZone.items, (std::vector<std::string>{"GMT", "CCT"}));
    EXPECT_EQ(m.cboElement.listIndex, 5);
    EXPECT_EQ(m.cboElement.Text(), "");
    EXPECT_EQ(m.cboAnimal.listIndex, 12);
    EXPECT_EQ(m.state.InputCalendar, CalendarCHL);
    EXPECT_TRUE(m.chkShowPAN.value);
    EXPECT_TRUE(m.lblPantheonCalendarGMT[1].visible);
    EXPECT_FALSE(m.chkShowCJDs.value);
    EXPECT_FALSE(m.lblChronologicalJulianDateBeijing[1].visible);
    EXPECT_TRUE(m.lblElementAnimalOfYear[1].visible);
    EXPECT_EQ(m.backColour, (Rgb{192, 0, 0}));
    EXPECT_EQ(m.lblChineseLunarDate[0].caption, "Chinese Lunar");
    EXPECT_EQ(m.lblChineseSolarDate[0].caption, "Chinese Solar");
    EXPECT_EQ(m.lblChronologicalJulianDateBeijing[0].caption, "Chronological JD 120" + Sign + " East");
    EXPECT_EQ(m.lblCommonEraDate[1].caption, "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_EQ(m.lblChineseLunarDate[0].foreColour, m.state.SelectedColour);
    EXPECT_EQ(m.lblCommonEraDate[0].foreColour, m.state.UnselectedColour);
    EXPECT_TRUE(m.imgDayStem.visible);
    EXPECT_TRUE(m.port.ClipboardText().empty());
    EXPECT_EQ(m.focus, "cmdNow");
}

TEST_F(MainWindowTest, StoredCountryChoosesTheCountryOrElseChina) {
    Start("0");
    EXPECT_EQ(model->cboRefLong.Text(), "Vietnam");
    EXPECT_EQ(model->state.ReferenceLongitude, 105);
    EXPECT_EQ(model->state.ZoneName, "ICT");
    for (const char* other : {"3", "", "x", "-1"}) {
        Start(other);
        EXPECT_EQ(model->cboRefLong.Text(), "China") << other;
        EXPECT_EQ(model->state.ReferenceLongitude, 120) << other;
    }
}

TEST_F(MainWindowTest, JapanSetsMeridianZoneStepsAnimalWordsAndColour) {
    ChooseCountry(CountryJapan);
    const MainWindowModel& m = *model;
    EXPECT_EQ(m.cboLongitude.Text(), "135");
    EXPECT_EQ(m.state.ZoneName, "JST");
    EXPECT_EQ(m.txbCCT.text, "JST");
    EXPECT_EQ(m.cboTimeZone.items[1], "JST");
    EXPECT_EQ(m.cboMoveStep.items[14], "PAN month (JST)");
    EXPECT_EQ(m.cboMoveStep.items[15], "PAN year (JST)");
    EXPECT_EQ(m.cboAnimal.items[3], "rabbit");
    EXPECT_EQ(m.cboAnimal.items[7], "sheep");
    EXPECT_EQ(m.cboAnimal.items[11], "boar");
    EXPECT_EQ(m.state.MoonImageSuffix, "_jp");
    EXPECT_FALSE(m.state.IsChina);
    EXPECT_FALSE(m.imgDayStem.visible);
    EXPECT_FALSE(m.lblElementAnimalOfDay[0].visible);
    EXPECT_EQ(m.backColour, (Rgb{64, 64, 224}));
    EXPECT_EQ(m.lblCommonEraDate[1].backColour, (Rgb{64, 64, 224}));
    EXPECT_EQ(m.lblChineseLunarDate[0].caption, "Japanese Lunar");
    EXPECT_EQ(m.Settings().referenceLongitude, 135);
    // 2000-01-01 12:00 GMT is 21:00 in Japan.
    EXPECT_NE(m.lblChineseLunarDate[1].caption.find(" 21:00 JST"), std::string::npos);
}

TEST_F(MainWindowTest, VietnamRenamesAnimalsInListsAndTargetsAndChinaRenamesThemBack) {
    model->cboTarget.listIndex = ElementAnimalDayTarget;
    model->cboElement.listIndex = 3;  // metal
    model->cboElement_Click();
    model->cboAnimal.listIndex = 3;
    model->cboAnimal_Click();
    EXPECT_EQ(model->cboTarget.items[15], "metal-rabbit (xin-mao) day");
    EXPECT_EQ(model->focus, "cmdSearch");

    ChooseCountry(CountryVietnam);
    EXPECT_EQ(model->cboTarget.items[15], "metal-cat (xin-mao) day");
    EXPECT_EQ(model->cboAnimal.items[3], "cat");
    EXPECT_EQ(model->cboAnimal.items[7], "goat");
    EXPECT_EQ(model->cboAnimal.items[11], "pig");
    EXPECT_EQ(model->cboMoveStep.items[14], "PAN month (ICT)");
    EXPECT_EQ(model->lblChronologicalJulianDateBeijing[0].caption, "Chronological JD 105" + Sign + " East");
    EXPECT_EQ(model->lblChineseSolarDate[0].caption, "Vietnamese Solar");
    EXPECT_EQ(model->backColour, (Rgb{0, 128, 0}));

    ChooseCountry(CountryChina);
    EXPECT_EQ(model->cboTarget.items[15], "metal-rabbit (xin-mao) day");
    EXPECT_EQ(model->cboAnimal.items[3], "rabbit");
}

TEST_F(MainWindowTest, ElementAnimalTargetTexts) {
    model->cboTarget.listIndex = 16;
    model->cboAnimal.listIndex = 10;  // dog only
    model->cboAnimal_Click();
    EXPECT_EQ(model->cboTarget.items[16], "-dog (-xu) month");
    model->cboTarget.listIndex = 17;
    model->cboAnimal.listIndex = BlankAnimalIndex;
    model->cboElement.listIndex = 1;  // fire only
    model->cboElement_Click();
    EXPECT_EQ(model->cboTarget.items[17], "fire- (bing-, ding-) year");
    model->cboElement.listIndex = BlankElementIndex;
    model->cboElement_Click();
    EXPECT_EQ(model->cboTarget.items[17], "Element-animal year");
    // Another target: the focus goes to Convert.
    model->cboTarget.listIndex = 0;
    model->cboElement_Click();
    EXPECT_EQ(model->focus, "cmdCompute");
}

TEST_F(MainWindowTest, LongitudeWithoutANamedZoneShowsItsLabel) {
    model->SetDateText("2012-01-23 CE");
    model->txbTime.text = "09:00";
    model->cboLongitude.listIndex = 12;
    model->cboLongitude_Click();
    EXPECT_EQ(model->state.ReferenceLongitude, 112);
    EXPECT_EQ(model->state.ZoneName, "L12");
    EXPECT_EQ(model->txbCCT.text, "L12");
    EXPECT_EQ(model->cboTimeZone.items[1], "L12");
    EXPECT_EQ(model->cboTimeZone.listIndex, -1);
    EXPECT_EQ(model->txbDate.text, "");
    EXPECT_EQ(model->txbTime.text, "");
    EXPECT_EQ(model->lblChronologicalJulianDateBeijing[0].caption, "Chronological JD 112" + Sign + " East");
    // 12:00 GMT + 112/360 day = 19:28 at 112 degrees East.
    EXPECT_NE(model->lblChineseLunarDate[1].caption.find(" 19:28 L12"), std::string::npos);
    EXPECT_TRUE(model->cmdSaveState.enabled);
}

TEST_F(MainWindowTest, ShowCJDsSwapsTheMonthAndYearLabelsForTheDayCounts) {
    model->chkShowCJDs.value = true;
    model->chkShowCJDs_Click();
    EXPECT_TRUE(model->lblChronologicalJulianDateBeijing[1].visible);
    EXPECT_TRUE(model->lblChronologicalJulianDateLondon[0].visible);
    EXPECT_FALSE(model->lblElementAnimalOfMonth[1].visible);
    EXPECT_FALSE(model->lblElementAnimalOfYear[0].visible);
    model->chkShowCJDs.value = false;
    model->chkShowCJDs_Click();
    EXPECT_FALSE(model->lblChronologicalJulianDateLondon[1].visible);
    EXPECT_TRUE(model->lblElementAnimalOfYear[1].visible);
    model->chkShowPAN.value = false;
    model->chkShowPAN_Click();
    EXPECT_FALSE(model->lblPantheonCalendarCCT[0].visible);
    EXPECT_FALSE(model->lblPantheonCalendarGMT[1].visible);
}

TEST_F(MainWindowTest, OptionsColourTheChosenCaption) {
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
    model->cmdReset_Click();
    EXPECT_TRUE(model->optPlus.value);
    EXPECT_TRUE(model->optNext.value);
    EXPECT_EQ(model->optNext.foreColour, (Rgb{255, 255, 255}));
}

TEST_F(MainWindowTest, ConvertCEDateFillsEveryLabel) {
    Convert("2012-01-23 ce");
    const MainWindowModel& m = *model;
    ASSERT_TRUE(port->messages.empty());
    EXPECT_EQ(m.txbDate.text, "2012-01-23 CE");
    EXPECT_EQ(m.txbTime.text, "12:00");
    EXPECT_EQ(m.cboTimeZone.Text(), "GMT");
    EXPECT_EQ(m.state.CurrentAJD, 2455950.0);
    EXPECT_EQ(m.state.InputCalendar, CalendarCE);
    EXPECT_EQ(m.lblCommonEraDate[0].foreColour, m.state.SelectedColour);
    EXPECT_EQ(m.lblChineseLunarDate[0].foreColour, m.state.UnselectedColour);
    EXPECT_EQ(m.lblAstronomicalJulianDate[1].caption, "2,455,950.0000 AJD");
    EXPECT_EQ(m.lblChronologicalJulianDateLondon[1].caption, "2,455,950.5000 CJDL");
    EXPECT_EQ(m.lblCommonEraDate[1].caption, "2012-01-23 CE 12:00 GMT Monday");
    EXPECT_EQ(m.lblCommonEraDate[1].toolTip,
              "The 23rd day of January in the year 2012 in the Common Era Calendar (London).");
    EXPECT_EQ(m.lblJulianCalendarDate[1].caption, "2012-01-10 JC 12:00 GMT Monday");
    EXPECT_EQ(m.lblJulianCalendarDate[1].toolTip,
              "The 10th day of January in the year 2012 in the Julian Calendar (London).");
    EXPECT_EQ(m.lblChronologicalJulianDateBeijing[1].caption, "2,455,950.8333 CJDC");
    // The lunar new year of the water-dragon year 2012, a gui-wei day.
    EXPECT_EQ(m.lblChineseLunarDate[1].caption, "79-29-01-01 CHL 20:00 CCT");
    EXPECT_EQ(m.lblChineseSolarDate[1].caption, "79-29-03-03 CHS 20:00 CCT");
    EXPECT_EQ(m.lblElementAnimalOfDay[0].caption, "gui-wei");
    EXPECT_EQ(m.lblElementAnimalOfDay[1].caption, "water-sheep day");
    EXPECT_EQ(m.lblElementAnimalOfMonth[1].caption, "water-tiger month");
    EXPECT_EQ(m.lblElementAnimalOfYear[1].caption, "water-dragon year");
    EXPECT_EQ(m.imgDayStem.image, 10);   // gui
    EXPECT_EQ(m.imgDayBranch.image, 8);  // wei
    EXPECT_EQ(m.imgYearStem.image, 9);   // ren
    EXPECT_EQ(m.imgYearBranch.image, 5); // chen
    EXPECT_EQ(m.lblChineseLunarDate[1].toolTip.find('\n'), std::string::npos);
    EXPECT_EQ(m.lblChineseLunarDate[1].toolTip.rfind("The 1st day (water-sheep", 0), 0u);
    EXPECT_NE(m.lblChineseLunarDate[1].toolTip.find("at position 29 of cycle 79 (year 4709)."), std::string::npos);
    EXPECT_EQ(m.lblDeltaT[1].caption, "1 minute");
    EXPECT_EQ(autoLogs, (std::vector<int16_t>{2}));
    EXPECT_TRUE(m.cmdSaveState.enabled);
    EXPECT_EQ(m.focus, "txbDate");
}

TEST_F(MainWindowTest, SolarTermFirstDayDropsTheZoneAndShowsTheTermCode) {
    Convert("2003-02-04 CE");
    EXPECT_EQ(model->lblChineseSolarDate[1].caption, "79-20-04-01 CHS (J1) 20:00 ");
    EXPECT_EQ(model->lblChineseSolarDate[1].toolTip.rfind("The 1st day (", 0), 0u);
}

TEST_F(MainWindowTest, EpochAndMethodRedrawTheChineseDates) {
    Convert("2012-01-23 CE");
    model->cboEpoch.listIndex = 1;
    model->cboEpoch_Click();
    EXPECT_EQ(model->Epoch(), -2636);
    EXPECT_EQ(model->Settings().epoch, -2636);
    EXPECT_EQ(model->lblChineseLunarDate[1].caption, "78-29-01-01 CHL 20:00 CCT");
    model->cboMethod.listIndex = 1;
    model->cboMethod_Click();
    EXPECT_EQ(model->Settings().method, 1);
}

TEST_F(MainWindowTest, PlusMinusDaysMoveTheEnteredOrDisplayedDate) {
    Convert("2012-01-23 CE");
    model->txbPlusMinus.text = " 10 ";
    model->optMinus_Click();
    Convert("2012-01-23 CE");
    EXPECT_EQ(model->txbPlusMinus.text, "10");
    EXPECT_EQ(model->state.CurrentAJD, 2455940.0);
    // An empty date box takes the displayed date of the calendar in force.
    model->txbPlusMinus.text = "+1.5";
    model->optPlus_Click();
    port->clipboard = "kept";
    Convert("");
    ASSERT_TRUE(port->messages.empty());
    EXPECT_EQ(model->txbDate.text, "2012-01-13 CE");
    EXPECT_EQ(model->state.CurrentAJD, 2455941.5);
    EXPECT_EQ(port->clipboard, "kept");
    model->txbPlusMinus.text = "1,000";
    Convert("2012-01-23 CE");
    EXPECT_EQ(model->state.CurrentAJD, 2456950.0);
}

TEST_F(MainWindowTest, SameMomentOrSameCETextIsUnchanged) {
    Convert("2012-01-23 CE");
    autoLogs.clear();
    Convert("2012-01-23 CE");
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].title, "Convert date");
    EXPECT_EQ(port->messages[0].text, "Calendar dates unchanged.");
    EXPECT_EQ(port->messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(autoLogs.empty());
    // Seconds later: the labels follow, the CE text does not change.
    port->messages.clear();
    Convert("2455950.0001 AJD");
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].text, "Calendar dates unchanged.");
    EXPECT_EQ(model->lblAstronomicalJulianDate[1].caption, "2,455,950.0001 AJD");
    EXPECT_TRUE(autoLogs.empty());
}

TEST_F(MainWindowTest, DayCountsCarryTheirOwnTime) {
    Convert("2,111,111 AJD");
    EXPECT_EQ(model->state.CurrentAJD, 2111111.0);
    EXPECT_EQ(model->txbTime.text, "12:00");
    EXPECT_EQ(model->cboTimeZone.Text(), "GMT");
    EXPECT_EQ(model->state.InputCalendar, CalendarAJD);
    EXPECT_EQ(model->lblAstronomicalJulianDate[0].foreColour, model->state.SelectedColour);
    Convert("2111112.5 CJDL");
    EXPECT_EQ(model->state.CurrentAJD, 2111112.0);
    EXPECT_EQ(model->state.InputCalendar, CalendarCJDL);
    model->txbTime.text = "03:00";
    Convert("2455950.5 CJDC");
    EXPECT_DOUBLE_EQ(model->state.CurrentAJD, 2455950.0 - 120.0 / 360.0);
    EXPECT_EQ(model->txbTime.text, "12:00");
    EXPECT_EQ(model->cboTimeZone.listIndex, 1);
    EXPECT_EQ(model->state.InputCalendar, CalendarCJDC);
}

TEST_F(MainWindowTest, TimeBoxAndZoneDecideTheMoment) {
    model->txbTime.text = "9.30";
    model->cboTimeZone.listIndex = 1;  // CCT
    Convert("2012-01-23 CE");
    EXPECT_EQ(model->txbTime.text, "9:30");
    EXPECT_EQ(model->lblChineseLunarDate[1].caption, "79-29-01-01 CHL 09:30 CCT");
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "2012-01-23 CE 01:30 GMT Monday");
}

TEST_F(MainWindowTest, EntryErrorsFromTypedText) {
    Convert("2012-01-23 CE");
    model->txbTime.text.clear();
    ExpectEntryError("", DateErrorNoDate);
    ExpectEntryError("CE 2001-12-31", DateErrorNoDate);
    ExpectEntryError("2001-12-31 CEX", DateErrorNoCalendar);
    ExpectEntryError("2001 12 31", DateErrorNoCalendar);
    EXPECT_EQ(model->txbTime.text, "");  // refused before the time was looked at
    ExpectEntryError("2001-12-31 12:00 CE", DateErrorTimeInDate);
    ExpectEntryError("2001/12/31 CE", DateErrorSeparator);
    ExpectEntryError("2001.12.31 JC", DateErrorSeparator);
    ExpectEntryError("2001-02-30 CE", DateErrorBadCE);
    EXPECT_EQ(model->txbTime.text, "12:00");  // written before the date was read
    ExpectEntryError("2001-02-29 JC", DateErrorBadJC);
    ExpectEntryError("-1-2-3 AJD", DateErrorBadDayCount);
    ExpectEntryError("-3001-01-01 CE", DateErrorTooEarly);
    ExpectEntryError("0 AJD", DateErrorTooEarly);
    ExpectEntryError("625332 CJDL", DateErrorTooEarly);
    model->txbPlusMinus.text = "1-5";
    ExpectEntryError("2001-12-31 CE", DateErrorPlusMinus);
    model->txbPlusMinus.text.clear();
    model->txbTime.text = "930";
    ExpectEntryError("2001-12-31 CE", DateErrorBadTime);
    model->txbTime.text = "24:00";
    ExpectEntryError("2001-12-31 CE", DateErrorBadTime);
    EXPECT_EQ(model->txbDate.text, "2001-12-31 CE");
    EXPECT_EQ(model->txbTime.text, "24:00");
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "2012-01-23 CE 12:00 GMT Monday");
    EXPECT_EQ(model->state.InputCalendar, CalendarCE);
}

TEST_F(MainWindowTest, ErrorKeepsTheTrimmedUpperCaseText) {
    ExpectEntryError("  2001-02-30 ce  ", DateErrorBadCE);
    EXPECT_EQ(model->txbDate.text, "2001-02-30 CE");
    EXPECT_EQ(model->state.InputCalendar, CalendarCHL);
}

TEST_F(MainWindowTest, DateWithoutCodeAsksAboutTheCalendarInForce) {
    model->lblCommonEraDate_Click(2);  // right click: CE in force
    port->answers = {false};
    Convert("2001-12-31");
    ASSERT_EQ(port->messages.size(), 2u);
    EXPECT_TRUE(port->messages[0].question);
    EXPECT_EQ(port->messages[1].text, DateErrorMessage(DateErrorNoCalendar, true));
    EXPECT_EQ(model->txbDate.text, "2001-12-31");
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
    port->answers = {true};
    port->messages.clear();
    Convert("2001-12-31");
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].title, "Calendar?");
    EXPECT_EQ(port->messages[0].text, "Is this a CE Calendar date?");
    EXPECT_TRUE(port->messages[0].question);
    EXPECT_EQ(model->txbDate.text, "2001-12-31 CE");
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "2001-12-31 CE 12:00 GMT Monday");
}

// A day count too long for a double reads as infinity, and is refused as late.
TEST_F(MainWindowTest, AnEndlessDayCountIsRefusedAsTooLate) {
    Convert(std::string(400, '7') + " AJD");
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].text, "Date is later than 3000-01-01 CE.");
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
}

// The first and the last day of the range are admitted whole, at Greenwich;
// a minute outside is refused with its own message (empty: admitted).
TEST_F(MainWindowTest, TheRangeAdmitsItsFirstAndLastDayWhole) {
    const struct {
        const char *date, *time;
        int zone;  // 0 GMT, 1 CCT
        std::string refusal;
    } cases[] = {{"-3000-01-01 CE", "00:00", 0, ""}, {"-3000-01-01 CE", "07:59", 1, "Date is earlier than -3000-01-01 CE."},
                 {"3000-01-01 CE", "23:59", 0, ""},  {"3000-01-02 CE", "00:00", 0, "Date is later than 3000-01-01 CE."}};
    for (const auto& c : cases) {
        Convert("2000-01-01 CE");
        port->messages.clear();
        model->txbTime.text = c.time;
        model->cboTimeZone.listIndex = c.zone;
        Convert(c.date);
        const std::string shown = port->messages.empty() ? "" : port->messages[0].text;
        EXPECT_EQ(shown, c.refusal) << c.date << " " << c.time;
        EXPECT_EQ(model->lblCommonEraDate[1].caption.starts_with(c.date), c.refusal.empty()) << c.date;
    }
}

TEST_F(MainWindowTest, LeftClicksFillTheEntryBoxes) {
    Convert("2012-01-23 CE");
    model->lblChineseLunarDate_Click(1);
    EXPECT_EQ(port->clipboard, "79-29-01-01 CHL 20:00 CCT");
    EXPECT_EQ(model->txbDate.text, "79-29-01-01 CHL");
    EXPECT_EQ(model->txbTime.text, "20:00");
    EXPECT_EQ(model->cboTimeZone.listIndex, 1);
    EXPECT_EQ(model->state.InputCalendar, CalendarCHL);
    EXPECT_EQ(model->lblChineseLunarDate[0].foreColour, model->state.SelectedColour);
    EXPECT_EQ(model->lblCommonEraDate[0].foreColour, model->state.UnselectedColour);

    model->lblJulianCalendarDate_Click(1);
    EXPECT_EQ(model->txbDate.text, "2012-01-10 JC");
    EXPECT_EQ(model->txbTime.text, "12:00");
    EXPECT_EQ(model->cboTimeZone.Text(), "GMT");
    Convert(model->txbDate.text);  // the same moment again
    EXPECT_EQ(port->messages.back().text, "Calendar dates unchanged.");

    model->lblChronologicalJulianDateLondon_Click(1);
    EXPECT_EQ(model->txbDate.text, "2,455,950.5000 CJDL");
    EXPECT_EQ(model->txbTime.text, "");
    EXPECT_EQ(model->cboTimeZone.listIndex, -1);
    EXPECT_EQ(model->state.InputCalendar, CalendarCJDL);

    model->lblChineseSolarDate_Click(1);
    EXPECT_EQ(model->txbDate.text, "79-29-03-03 CHS");
    EXPECT_EQ(model->state.InputCalendar, CalendarCHS);
}

TEST_F(MainWindowTest, LunarValueWithNamesChoosesElementAndAnimal) {
    model->lblChineseLunarDate[1].caption = "76-13-11-28 CHL Fire-Dog 10:32 CCT";
    model->lblChineseLunarDate_Click(1);
    EXPECT_EQ(model->txbDate.text, "76-13-11-28 CHL");
    EXPECT_EQ(model->txbTime.text, "10:32");
    EXPECT_EQ(model->cboTimeZone.Text(), "CCT");
    EXPECT_EQ(model->cboElement.Text(), "fire");
    EXPECT_EQ(model->cboAnimal.Text(), "dog");
    // Without names the element stays and the animal empties.
    model->lblChineseLunarDate[1].caption = "76-13-11-29 CHL 10:32 CCT";
    model->lblChineseLunarDate_Click(1);
    EXPECT_EQ(model->cboAnimal.listIndex, BlankAnimalIndex);
}

TEST_F(MainWindowTest, RightClickOnlyCopiesAndChoosesTheCalendar) {
    Convert("2012-01-23 CE");
    model->SetDateText("typed");
    model->lblAstronomicalJulianDate_Click(2);
    EXPECT_EQ(port->clipboard, "2,455,950.0000 AJD");
    EXPECT_EQ(model->txbDate.text, "typed");
    EXPECT_EQ(model->state.InputCalendar, CalendarAJD);
    EXPECT_EQ(model->lblAstronomicalJulianDate[0].foreColour, model->state.SelectedColour);
    model->lblDeltaT[1].caption = "x";
    model->lblPhaseOfMoon.caption = "Full moon, 100.0%";
    model->lblPhaseOfMoon_Click();
    EXPECT_EQ(port->clipboard, "Full moon, 100.0%");
}

TEST_F(MainWindowTest, NowClearAndReset) {
    Convert("2012-01-23 CE");
    model->txbTime.text = "10:00";
    model->cmdClearDate_Click();
    EXPECT_EQ(model->txbDate.text, "");
    EXPECT_EQ(model->txbTime.text, "");
    EXPECT_EQ(model->cboTimeZone.listIndex, -1);
    EXPECT_EQ(model->state.CurrentAJD, 2455950.0);

    model->chkShowCJDs.value = true;
    model->chkShowCJDs_Click();
    model->cboMoveStep.listIndex = 2;
    model->cboTarget.listIndex = 5;
    model->cmdReset_Click();
    EXPECT_FALSE(model->chkShowCJDs.value);
    EXPECT_FALSE(model->lblChronologicalJulianDateBeijing[1].visible);
    EXPECT_EQ(model->cboMoveStep.listIndex, 6);
    EXPECT_EQ(model->cboTarget.listIndex, 0);
    EXPECT_EQ(model->state.InputCalendar, CalendarCHL);
    EXPECT_EQ(model->state.CurrentAJD, 2455950.0);

    autoLogs.clear();
    model->cboElement.listIndex = 2;
    model->cmdNow_Click();
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
    EXPECT_EQ(model->cboElement.listIndex, BlankElementIndex);
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "2000-01-01 CE 12:00 GMT Saturday");
    EXPECT_EQ(autoLogs, (std::vector<int16_t>{1}));
}

TEST_F(MainWindowTest, DateTextKeepsElementAndAnimalOnlyForAQuestionMarkLunarDate) {
    model->cboElement.listIndex = 4;
    model->cboAnimal.listIndex = 10;
    model->SetDateText("70-?-12-30 chl");
    EXPECT_EQ(model->cboElement.listIndex, 4);
    EXPECT_EQ(model->cboAnimal.listIndex, 10);
    model->SetDateText("70-?-12-30 chs");
    EXPECT_EQ(model->cboElement.listIndex, BlankElementIndex);
    EXPECT_EQ(model->cboAnimal.listIndex, BlankAnimalIndex);
    model->cboTarget.listIndex = 17;
    model->cboAnimal.listIndex = 3;
    model->SetDateText("2001-01-01 CE");
    EXPECT_EQ(model->cboAnimal.listIndex, 3);
}

TEST_F(MainWindowTest, EnterInTheDateBoxConverts) {
    model->SetDateText("2012-01-23 CE");
    model->txbDate_KeyPress('a');
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
    model->txbDate_KeyPress(13);
    EXPECT_EQ(model->state.CurrentAJD, 2455950.0);
}

TEST_F(MainWindowTest, PantheonLabelsAndEntry) {
    // 2000-01-01 CE is 4696-11-25 PAN, a Mars Day.
    EXPECT_EQ(model->lblPantheonCalendarGMT[1].caption, "4696-11-25 PAN 12:00 GMT Mars Day");
    EXPECT_EQ(model->lblPantheonCalendarGMT[1].toolTip,
              "The 25th day of Dionysus in the year 4696 in the Pantheon Calendar (GMT timezone)");
    EXPECT_EQ(model->lblPantheonCalendarCCT[1].caption, "4696-11-25 PAN 20:00 CCT Mars Day");
    Convert("2012-01-23 CE");
    model->lblPantheonCalendarCCT_Click(1);
    EXPECT_EQ(model->txbDate.text, "4709-01-01 PAN");
    EXPECT_EQ(model->cboTimeZone.Text(), "CCT");
    EXPECT_EQ(model->state.InputCalendar, CalendarPANCCT);
    EXPECT_EQ(model->lblPantheonCalendarGMT[0].foreColour, model->state.SelectedColour);
    // The time and zone the click filled in stay: 20:00 CCT is 12:00 GMT.
    Convert("4696-11-25 PAN");
    EXPECT_EQ(model->state.InputCalendar, CalendarPANGMT);
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "2000-01-01 CE 12:00 GMT Saturday");
    model->txbTime.text = "02:00";
    Convert("4696-11-25 PAN");
    EXPECT_EQ(model->lblCommonEraDate[1].caption, "1999-12-31 CE 18:00 GMT Friday");
    ExpectEntryError("4700-10-30 PAN", DateErrorBadPAN);
    ExpectEntryError("4698-14-01 PAN", DateErrorBadPAN);
    ExpectEntryError("-305-01-01 PAN", DateErrorTooEarly);
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
    ChooseCountry(CountryVietnam);
    EXPECT_EQ(model->moonPicture, "pictures/fullmoon_vn.bmp");
    EXPECT_EQ(model->picMoon.backColour, (Rgb{0, 128, 0}));
    // A week later the Moon wanes.
    model->txbPlusMinus.text = "7";
    Convert("");
    EXPECT_NE(model->lblPhaseOfMoon.caption.find("(waning)"), std::string::npos) << model->lblPhaseOfMoon.caption;
    EXPECT_EQ(model->lblAgeOfMoon.caption.rfind("[0] 21 days, ", 0), 0u) << model->lblAgeOfMoon.caption;
    model->lblAgeOfMoon_Click();
    EXPECT_EQ(port->clipboard, model->lblAgeOfMoon.caption);
}

// Restore state after a change of longitude brings the meridian back with
// its zone name, in the lists and the labels.
TEST(MainWindowRestore, RestoreAfterALongitudeChangeKeepsMeridianAndZoneTogether) {
    QTemporaryDir folder;
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.clock = [] { return Y2000Noon; };
    model.stateFilePath = (folder.path() + "/orbel.usr").toStdString();
    model.Load("1");
    model.cmdSaveState_Click();
    model.cboLongitude.listIndex = 12;
    model.cboLongitude_Click();
    port.answers = {true};
    model.cmdRestoreState_Click();
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
    EXPECT_EQ(DeltaTText(1440.0), "1 day");
    EXPECT_EQ(DeltaTText(1441.0), "More than 24 hours");
    EXPECT_EQ(DeltaTText(1440.5), "More than 24 hours");
    EXPECT_EQ(DeltaTText(125.0), "2 hours and 5 minutes");
    EXPECT_EQ(DeltaTText(0.4), "0 minutes");
}

TEST(MainWindowCalendarTable, CodesThenNames) {
    EXPECT_EQ(GetCalendar("CE"), 0);
    EXPECT_EQ(GetCalendar("CHL"), 2);
    EXPECT_EQ(GetCalendar("PAN"), 7);
    EXPECT_EQ(GetCalendar("PANGMT"), 7);
    EXPECT_EQ(GetCalendar("PANCCT"), 8);
    EXPECT_EQ(GetCalendar("CJDL"), 6);
    EXPECT_EQ(GetCalendar("XYZ"), -1);
    EXPECT_EQ(GetCalendar("ce"), -1);
}

}  // namespace
}  // namespace orbel
