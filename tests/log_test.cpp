// The log: entries in every form the preferences choose, Auto log's
// operation lines, the log window's buttons, the preferences window, and
// nothing lost when the log holds unsaved text.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/log_connection.h"
#include "support/scripted_user_port.h"
#include "support/language.h"
#include "tests/golden.h"
#include "tests/temporary_settings.h"

namespace orbel {
namespace {

const std::filesystem::path DataFolder = ORBEL_TEST_DATA_FOLDER;
const std::filesystem::path SourceFolder = DataFolder.parent_path().parent_path();

// The main window at a fixed moment with the log joined to it.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(LoadProgramText((SourceFolder / "data").string()).has_value());
        main.clock = [] { return 2455950.0; };  // 2012-01-23 12:00 GMT, the lunar new year 4709
        ConnectLog(main, log, preferences);
        main.links.EndProgram = [this] { ended = true; };
        main.Load("1");
        main.stateFilePath = main.state.StateFilePath = (QDir(state.path()).filePath("orbel.usr")).toStdString();
        port.messages.clear();
    }

    void Tick(std::initializer_list<bool LogPreferences::*> fields) {
        LogPreferences p;
        for (auto field : fields) p.*field = true;
        main.logPreferenceTicks = LogTicksOf(p);
    }

    void Convert(std::string_view text, std::string_view plusMinus = "") {
        main.txbPlusMinus.text = std::string(plusMinus);
        main.SetDateText(text);
        main.cmdCompute_Click();
    }

    // One CE entry in the log.
    void AddOneEntry() {
        Tick({&LogPreferences::ce});
        main.cmdAddToLog_Click();
        ASSERT_FALSE(log.Text().empty());
    }

    orbel::testing::TemporarySettings settings;
    QTemporaryDir state;
    ScriptedUserPort port;
    MainWindowModel main{port};
    LogWindowModel log{port};
    LogPreferencesModel preferences;
    bool ended = false;
};

using P = LogPreferences;

std::string Said(bool done) { return done ? "done" : "not done"; }

// Each "## " line of log_entries.txt names the ticked boxes ("all" for every
// group, "vietnam" for that country) before any remark after a colon; the
// entry follows it.
TEST_F(LogTest, EntriesOfEachGroupWithTheirSeparatorsAndExpandedWording) {
    // The ten groups first, then the wording.
    const std::vector<std::string> names = {"chs",  "chl", "cjdc",  "epoch",    "ce",       "jc",
                                            "cjdl", "ajd", "phase", "lunation", "expanded", "chinese-terms"};
    const std::vector<bool P::*> boxes = {&P::chs,  &P::chl, &P::cjdc,  &P::epochEtc, &P::ce,       &P::jc,
                                          &P::cjdl, &P::ajd, &P::phase, &P::lunation, &P::expanded, &P::chineseTerms};
    std::ifstream in(orbel::testing::GoldenPath("log_entries.txt"), std::ios::binary);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("## ")) continue;
        line.erase(line.find('\r'));
        LogPreferences p;
        std::istringstream words(line.substr(3, line.find(':') - 3));
        for (std::string word; words >> word;) {
            const auto named = std::find(names.begin(), names.end(), word) - names.begin();
            for (std::size_t i = 0; i < boxes.size(); ++i)
                p.*boxes[i] = p.*boxes[i] || static_cast<std::ptrdiff_t>(i) == named || (word == "all" && i < 10);
        }
        const int country = line.ends_with("vietnam") ? 0 : 1;
        if (main.Country() != country) {
            main.cboRefLong.listIndex = country;
            main.cboRefLong_Click();
        }
        out += line + "\r\n" + LogEntry(DisplayedMomentOf(main), p);
    }
    EXPECT_GT(out.size(), 1000u) << "the cases are read from tests/data/log_entries.txt";
    orbel::testing::ExpectGolden("log_entries.txt", out);
}

TEST_F(LogTest, AutoLogNamesEachOperationAndTheCaptionHeadsTheLog) {
    Tick({&P::ce});
    main.chkAutoLog.value = true;
    main.cmdNow_Click();
    Convert("2012-01-23 CE", "1");
    Convert("2012-01-23 CE", "1,000");
    main.optMinus_Click();
    Convert("2012-01-23 CE", "2");
    Convert("2000-01-01 CE");
    for (bool forward : {true, false}) {
        main.optMoveDirection[0].value = forward;
        main.optMoveDirection[1].value = !forward;
        main.optNext.value = forward;
        main.optPrevious.value = !forward;
        for (int16_t operation : {3, 4, 5}) main.links.AutoLog(operation);
    }
    orbel::testing::ExpectGolden("log_auto.txt", log.Text());
}

TEST(LogOperationLine, Cases) {
    orbel::testing::ExpectCaseTable(
        "log_operation_lines.txt", {{"AutoLogOperationLine", [](const std::vector<std::string>& a) {
                                         LogOperationControls c;
                                         c.plus = c.forward = c.next = a[1] == "forward";
                                         c.plusMinusText = a[2];
                                         c.moveStep = "CHL month";
                                         c.target = "Full moon";
                                         return AutoLogOperationLine(int16_t(std::stoi(a[0])), c);
                                     }}});
}

TEST_F(LogTest, NothingIsWrittenWithoutAGroupAutoLogOrWhileSuppressed) {
    Tick({&P::expanded, &P::chineseTerms, &P::epochEtc});
    main.cmdAddToLog_Click();
    EXPECT_TRUE(log.Text().empty());
    EXPECT_FALSE(main.cmdViewLog.visible);
    Tick({&P::ce});
    main.cmdNow_Click();  // Auto log unticked
    EXPECT_TRUE(log.Text().empty());
    main.chkAutoLog.value = true;
    log.suppressAutoLog = true;
    main.cmdNow_Click();
    EXPECT_TRUE(log.Text().empty());
    log.suppressAutoLog = false;
    main.cmdNow_Click();
    EXPECT_FALSE(log.Text().empty());
}

// A session with the log window: adding, viewing, copying, clearing, saving
// and closing the log and the program. After each step log_window.txt
// holds what the windows show and every message asked or shown.
TEST_F(LogTest, WindowSession) {
    const std::string folder = QDir(state.path()).filePath("").toStdString();
    const std::string path = folder + "log.txt";
    std::string transcript;
    const auto note = [&](const std::string& step) {
        transcript += step + ": log " + (log.visible ? "shown" : "hidden") + ", " +
                      (log.Text().empty() ? "empty" : log.HasUnsavedText() ? "unsaved" : "saved") + ", View and Clear log " +
                      (main.cmdViewLog.visible ? "shown" : "hidden") + (main.cmdClearLog.visible ? "/shown" : "/hidden") +
                      ", focus " + log.focus + ", copy button \"" + log.cmdCopyToClipboard.caption + "\"" +
                      (ended ? ", program ended" : "") +
                      (std::filesystem::exists(main.state.StateFilePath) ? ", state saved" : "") + "\n" +
                      (port.clipboard.empty() ? "" : "  clipboard: " + (port.clipboard == log.Text() ? "the whole log" : port.clipboard) + "\n") +
                      orbel::testing::TakeMessages(port, folder);
        port.clipboard.clear();
    };
    log.cmdCopyToClipboard_Click();
    note("Copy with an empty log");
    AddOneEntry();
    EXPECT_EQ(log.txbText.selStart, static_cast<int>(log.Text().size()));
    note("Add to log");
    Tick({&P::ce, &P::viewAfterAdding});
    main.cmdAddToLog_Click();
    note("Add to log, view after adding");
    log.cmdClose_Click();
    note("Close");
    main.cmdViewLog_Click();
    note("View log");
    log.selectedText = "2012";
    log.txbText_MouseUp();
    note("Select 2012");
    log.cmdCopyToClipboard_Click();
    note("Copy with 2012 selected");
    log.selectedText.clear();
    log.txbText_MouseUp();
    note("Select nothing");
    log.cmdCopyToClipboard_Click();
    note("Copy with nothing selected");
    port.answers = {false, true};
    main.cmdClearLog_Click();
    note("Clear log, Cancel");
    log.cmdClear_Click();
    note("Clear in the log window, OK");

    AddOneEntry();
    log.saveFolder = folder;
    note("Save log, dialog cancelled: " + Said(log.cmdSaveLog_Click()));
    port.fileNames = {folder + "no such folder/log.txt"};
    note("Save log into a missing folder: " + Said(log.cmdSaveLog_Click()));
    port.fileNames = {path};
    note("Save log: " + Said(log.cmdSaveLog_Click()));
    std::string expected = log.Text();
    std::erase(expected, '\r');
    EXPECT_EQ(orbel::testing::FileText(path), expected);
    note("Close by the frame when saved: " + Said(log.Form_QueryUnload()));

    // Closing by the frame while text is unsaved; Save with the dialog
    // cancelled keeps the window.
    const std::pair<SaveChoice, const char*> choices[] = {
        {SaveChoice::Cancel, "Cancel"}, {SaveChoice::Save, "Save, dialog cancelled"},
        {SaveChoice::Save, "Save"}, {SaveChoice::Discard, "Discard"}};
    for (const auto& [choice, name] : choices) {
        if (log.Text().empty()) AddOneEntry();
        main.cmdViewLog_Click();
        port.saveChoices = {choice};
        if (std::string(name) == "Save") port.fileNames = {path};
        note(std::string("Close by the frame with unsaved text, ") + name + ": " + Said(log.Form_QueryUnload()));
    }

    AddOneEntry();
    main.cmdViewLog_Click();
    port.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    main.Form_QueryUnload();
    note("Close the program with unsaved text, Cancel");
    main.cmdQuit_Click();
    note("Quit, Discard");
    ended = false;
    AddOneEntry();
    port.fileNames = {path};
    note("Save log: " + Said(log.cmdSaveLog_Click()));
    main.cmdQuit_Click();
    note("Quit with the log saved");
    orbel::testing::ExpectGolden("log_window.txt", transcript);
}

// Every tick holds at once, for Add to log and Save state, while the window
// is still open.
TEST_F(LogTest, PreferencesWindowTicksSetsClearsAndCloses) {
    main.cmdLogPreferences_Click();
    EXPECT_TRUE(preferences.visible);
    EXPECT_EQ(preferences.focus, "cmdClose");
    EXPECT_EQ(preferences.Preferences(), LogPreferencesOfTicks(main.logPreferenceTicks));
    preferences.CheckBox_Click(preferences.chkVerbose, false);
    EXPECT_FALSE(preferences.chkIncludeGanzhi.enabled);
    preferences.cmdSetClear_Click(0);
    for (CheckBox* box : preferences.CheckBoxes()) EXPECT_TRUE(box->value) << box->caption;
    EXPECT_TRUE(preferences.chkIncludeGanzhi.enabled);
    EXPECT_TRUE(LogPreferencesOfTicks(main.logPreferenceTicks).lunation);
    preferences.cmdSetClear_Click(1);
    for (CheckBox* box : preferences.CheckBoxes()) EXPECT_FALSE(box->value) << box->caption;
    main.CmdSaveStateEnabled(false);
    preferences.CheckBox_Click(preferences.chkIncludeJC, true);
    EXPECT_TRUE(main.cmdSaveState.enabled);
    EXPECT_EQ(LogPreferencesOfTicks(main.logPreferenceTicks), LogPreferences{.jc = true});
    main.cmdAddToLog_Click();
    EXPECT_NE(log.Text().find(" JC "), std::string::npos) << log.Text();
    preferences.cmdClose_Click();
    EXPECT_FALSE(preferences.visible);
    EXPECT_EQ(LogPreferencesOfTicks(main.logPreferenceTicks), LogPreferences{.jc = true});

    // Closing with every box cleared ticks ChL.
    main.cmdLogPreferences_Click();
    preferences.cmdSetClear_Click(1);
    preferences.cmdClose_Click();
    EXPECT_EQ(LogPreferencesOfTicks(main.logPreferenceTicks), LogPreferences{.chl = true});
}

}  // namespace
}  // namespace orbel
