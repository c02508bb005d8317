// The data window's texts: the year data and the three lists for chosen
// moments, compared whole with golden files, and the behaviour of its controls.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>

#include "tests/data_window_fixture.h"

namespace orbel::testing {
namespace {

struct GoldenCase {
    const char* file;
    const char* date;  // typed into the main window
    std::function<void(DataWindowModel&)> run;
    char calendar = 'G';  // 'J': Julian dates
};

void YearData(DataWindowModel& d, bool major, bool minor, bool names) {
    d.chkIncludeMajorSolarTerms.value = major;
    d.chkIncludeMinorSolarTerms.value = minor;
    d.chkDisplaySolarTermNames.value = names;
    d.DisplayYearData();
}

void RunList(DataWindowModel& d, int16_t kind, const char* years, bool leapOnly = false, bool omit = false) {
    d.chkLeapMonthsOnly.value = leapOnly;
    d.chkOmitInvalidDates.value = omit;
    d.txbNumYears.text = years;
    d.ListKind = kind;
    d.cmdList_Click();
}

const GoldenCase GoldenCases[] = {
    // 2020 has a leap fourth month; major terms only.
    {"year_data_2020.txt", "2020-05-23 CE", [](auto& d) { YearData(d, true, false, false); }},
    // 2023 has a leap second month; every term, with its names.
    {"year_data_2023_names.txt", "2023-03-25 CE", [](auto& d) { YearData(d, true, true, true); }},
    // The leap eleventh month of 2033 makes a sui of 13 months; no terms.
    {"year_data_2033_no_terms.txt", "2033-12-25 CE", [](auto& d) { YearData(d, false, false, false); }},
    // Negative four-digit years fill the date column; Julian dates.
    {"year_data_minus_2500_julian.txt", "-2500-06-01 CE", [](auto& d) { YearData(d, true, false, false); }, 'J'},
    // The JC button rebuilds the year data at once with Julian dates.
    {"year_data_1700_jc_button.txt", "1700-03-01 CE",
     [](auto& d) {
         d.DisplayYearData();
         d.optJC_Click();
     }},
    // Lunar new years with the months, J1 and Z1 of each nian.
    {"lunar_new_years_2020.txt", "2020-01-25 CE", [](auto& d) { RunList(d, ListLunarNewYearsKind, "8"); }},
    // A day 30 (79-37-12-30, 2021-02-11) in years whose twelfth month is short.
    {"anniversaries_day_30.txt", "2021-02-11 CE", [](auto& d) { RunList(d, ListLunarNewYearsKind, "12"); }},
    // The same without the invalid lines.
    {"anniversaries_day_30_omitted.txt", "2021-02-11 CE",
     [](auto& d) { RunList(d, ListLunarNewYearsKind, "12", false, true); }},
    // A day of the leap fourth month of 2020 (79-37-4*-10) in years without one.
    {"anniversaries_leap_month.txt", "2020-06-01 CE", [](auto& d) { RunList(d, ListLunarNewYearsKind, "6"); }},
    // The Julian calendar in an anniversary list.
    {"anniversaries_julian.txt", "1500-03-01 CE", [](auto& d) { RunList(d, ListLunarNewYearsKind, "4"); }, 'J'},
    // The month starts of three years centred on 2033.
    {"month_starts_2033.txt", "2033-06-01 CE", [](auto& d) { RunList(d, ListLeapMonthsKind, ""); }},
    // Leap months only, 30 years from 2006 (centred on 2020).
    {"leap_months_30_years.txt", "2020-06-01 CE", [](auto& d) { RunList(d, ListLeapMonthsKind, "30", true); }},
    // Julian and CE new years, twenty years.
    {"julian_ce_new_years.txt", "2000-06-01 CE", [](auto& d) { RunList(d, ListJCCENewYearsKind, ""); }},
    // The Julian list stopped by the size of the window's text.
    {"julian_new_years_full.txt", "-2000-06-01 CE", [](auto& d) { RunList(d, ListJCCENewYearsKind, "5000"); }, 'J'},
};

class DataWindowGolden : public DataWindowTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(DataWindowGolden, TextMatchesGoldenFile) {
    Show(GetParam().date);
    data->ChooseCalendar(GetParam().calendar);
    GetParam().run(*data);
    ExpectWindowGolden(GetParam().file, data->txbText.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, DataWindowGolden, ::testing::ValuesIn(GoldenCases),
                         [](const auto& info) {
                             const std::string file = info.param.file;
                             return file.substr(0, file.find('.'));
                         });

TEST_F(DataWindowTest, NumberOfYearsIsCleanedDefaultedAndKeptPerList) {
    struct Case {
        int16_t kind;
        bool leapOnly;
        const char* typed;
        const char* stored;
    } cases[] = {
        {ListLunarNewYearsKind, false, "", "20"},  {ListLeapMonthsKind, false, "", "3"},
        {ListLeapMonthsKind, true, "", "30"},      {ListJCCENewYearsKind, false, "", "20"},
        {ListLunarNewYearsKind, false, "1x2", "12"}, {ListLunarNewYearsKind, false, "0", "20"},
        {ListLunarNewYearsKind, false, "-7", "7"},  {ListLunarNewYearsKind, false, "99999999", "32767"},
    };
    for (const Case& c : cases) {
        data->NumYearsByKind.fill(0);
        data->chkLeapMonthsOnly.value = c.leapOnly;
        data->txbNumYears.text = c.typed;
        data->CheckNumYears(c.kind);
        EXPECT_EQ(data->txbNumYears.text, c.stored) << c.typed;
    }
    Show("2020-05-23 CE");
    data->ShowList(ListJCCENewYearsKind);
    data->txbNumYears.text = "12";
    data->txbNumYears_KeyPress(13);
    data->ShowList(ListLeapMonthsKind);
    EXPECT_EQ(data->txbNumYears.text, "3");
    data->ShowList(ListJCCENewYearsKind);
    EXPECT_EQ(data->txbNumYears.text, "12");
}

// Copying, the messages of the lists, Stop and Close during a long list and
// closing: after each step data_window/session.txt holds what the window
// shows and every message.
// The text's line `n` and the chronological Julian date it carries, if any
// (the fifth word of a month or solar-term line).
std::string LineOf(const std::string& text, int n) {
    std::istringstream lines(text);
    std::string line;
    for (int i = 0; i <= n; ++i) std::getline(lines, line);
    return line;
}
std::string MomentOf(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    for (int i = 0; i < 5; ++i) words >> word;
    return word.find('.') == std::string::npos ? "" : word;
}
int LineWith(const std::string& text, std::string_view part) {
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(text.find(part)), '\n'));
}

// Each output opens at its top. Written again in other words (a solar-term
// box, CE or JC), it keeps at the top the moment the reader had there; a
// list keeps the line number.
TEST_F(DataWindowTest, OutputsOpenAtTheTopAndRewritesKeepTheReadersPlace) {
    Show("2020-05-23 CE");
    data->DisplayYearData();
    EXPECT_EQ(data->topLine, 0);
    EXPECT_EQ(data->txbText.selStart, 0);
    const std::string& text = data->txbText.text;
    data->topLine = LineWith(text, "LN 250");
    const std::string month = MomentOf(LineOf(text, data->topLine));
    data->chkIncludeMinorSolarTerms.value = data->chkDisplaySolarTermNames.value = true;
    for (void (DataWindowModel::*click)() : {&DataWindowModel::chkIncludeMinorSolarTerms_Click,
                                             &DataWindowModel::chkDisplaySolarTermNames_Click,
                                             &DataWindowModel::optJC_Click}) {
        ((*data).*click)();
        EXPECT_EQ(MomentOf(LineOf(text, data->topLine)), month);
    }
    EXPECT_NE(LineOf(text, data->topLine).find(" JC "), std::string::npos);
    EXPECT_EQ(data->txbText.selStart, static_cast<int>(text.find(LineOf(text, data->topLine))));
    data->ShowList(ListLunarNewYearsKind);
    EXPECT_EQ(data->topLine, 0);
    data->topLine = 5;
    data->optCE_Click();
    EXPECT_EQ(data->caption, "Lunar new years & anniversaries");
    EXPECT_NE(LineOf(text, 5).find(" CE = "), std::string::npos) << "the list is written again in CE";
    EXPECT_EQ(data->topLine, 5);
    EXPECT_TRUE(data->optJC.enabled);
}

TEST_F(DataWindowTest, WindowSession) {
    bool focused = false;
    data->focusMainWindow = [&] { focused = true; };
    std::string transcript;
    const auto Dated = [&] {
        int lines = 0;
        for (std::size_t at = 0; (at = data->txbText.text.find(" JDN ", at)) != std::string::npos; ++at) ++lines;
        return lines;
    };
    const auto note = [&](const std::string& step) {
        const std::string& clipboard = port.clipboard;
        transcript += step + ": window " + (data->visible ? "shown" : "hidden") + ", copy button \"" +
                      data->cmdCopyToClipboard.caption + "\", years \"" + data->txbNumYears.text + "\"" +
                      (data->chkLargeWindow.value ? ", large" : "") + (focused ? ", main window focused" : "") +
                      ", Close button \"" + data->cmdClose.caption + "\", label \"" + data->lblYears.caption + "\"" +
                      (port.busy ? ", busy" : "") + ", " + std::to_string(Dated()) + " dated lines\n" +
                      (clipboard.empty() ? "" : "  clipboard: " + (clipboard == data->txbText.text ? "all" : clipboard) + "\n") +
                      TakeMessages(port, "");
        port.clipboard.clear();
    };
    data->cmdCopyToClipboard_Click();
    note("Copy with no text");
    Show("2020-05-23 CE");
    data->DisplayYearData();
    data->txbTextSelection = "79-37";
    data->txbText_MouseUp();
    note("Year data, 79-37 selected");
    data->cmdCopyToClipboard_Click();
    note("Copy");
    data->txbTextSelection.clear();
    data->txbText_MouseUp();
    note("Nothing selected");
    data->cmdCopyToClipboard_Click();
    note("Copy");

    main->lblChineseLunarDate[1].caption = "no date";
    List(ListLunarNewYearsKind, "3");
    note("Lunar new years of a lunar date the library cannot read");
    // Each list stops at the ends of the range, lists nothing outside it and says so.
    const std::regex outside(R"((^|[^-\d])(-30(0[1-9]|[1-9]\d)-|3000-(0[2-9]|1[0-2])|3000-01-(0[2-9]|[1-3]\d)|)"
                             R"(30(0[1-9]|[1-9]\d)-))");
    const std::pair<int16_t, const char*> lists[] = {
        {ListLeapMonthsKind, "2999-06-01 CE"}, {ListLeapMonthsKind, "-3000-01-05 CE"},
        {ListLunarNewYearsKind, "2990-06-01 CE"}, {ListJCCENewYearsKind, "2995-06-01 CE"}};
    for (const auto& [kind, date] : lists) {
        Show(date);
        List(kind, "20");
        note(std::string("List of kind ") + std::to_string(kind) + " from " + date);
        EXPECT_FALSE(std::regex_search(data->txbText.text, outside)) << data->txbText.text;
        EXPECT_EQ(data->chkOmitInvalidDates.visible, kind == ListLunarNewYearsKind);
        for (const ListedDay& day : data->listedDays) EXPECT_LE(day.date.jdn, MaxJDN);  // nor exported
    }
    // The Julian and CE list ends after the block of ten that fills the window.
    Show("-2000-06-01 CE");
    List(ListJCCENewYearsKind, "5000");
    note("Julian and CE new years, 5000 years");

    Show("2020-05-01 CE");  // 79-37-04-09: no year lacks it
    for (const std::string button : {"Stop", "Close"}) {
        port.onProcessEvents = [&](int pass) {
            if (pass != 5) return;
            note("Pass 5 of a list of 100 years, " + button + " pressed");
            button == "Stop" ? data->cmdStop_Click() : data->cmdClose_Click();
        };
        port.eventLoopRuns = 0;
        List(ListLunarNewYearsKind, "100");
        note("The list ends after the year it was in");
    }

    data->chkLargeWindow.value = true;
    data->Form_QueryUnload();
    note("Close by the frame");
    ExpectGolden("data_window/session.txt", transcript);
}

}  // namespace
}  // namespace orbel::testing
