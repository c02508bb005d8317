// The log: entries in every form the preferences choose, Auto log's
// operation lines, the log window's buttons, the preferences window, and
// nothing lost when the log holds unsaved text.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/log_connection.h"
#include "support/scripted_user_port.h"
#include "support/language.h"
#include "tests/temporary_settings.h"

namespace orbel {
namespace {

const std::filesystem::path DataFolder = ORBEL_TEST_DATA_FOLDER;
const std::filesystem::path SourceFolder = DataFolder.parent_path().parent_path();

// The whole text of golden file `name`; ORBEL_UPDATE_GOLDEN=1 writes `actual`
// into it instead, for review before it is committed.
void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = DataFolder / name;
    if (std::getenv("ORBEL_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << actual;
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "golden file " << name;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

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

    // An entry added to the log, then the log emptied with OK.
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

TEST_F(LogTest, EntriesOfEachGroupWithTheirSeparatorsAndExpandedWording) {
    struct Case {
        const char* title;
        std::vector<bool LogPreferences::*> ticks;
        int country = 1;
    };
    const std::vector<bool P::*> all = {&P::chs, &P::chl, &P::cjdc, &P::epochEtc, &P::ce, &P::jc,
                                                  &P::cjdl, &P::ajd, &P::phase, &P::lunation};
    const std::vector<Case> cases = {
        {"ChS", {&P::chs}},
        {"ChL", {&P::chl}},
        {"CJDC", {&P::cjdc}},
        {"Epoch alone: no Chinese group, nothing", {&P::epochEtc}},
        {"ChL with epoch", {&P::chl, &P::epochEtc}},
        {"CE", {&P::ce}},
        {"JC", {&P::jc}},
        {"CJDL", {&P::cjdl}},
        {"AJD", {&P::ajd}},
        {"Phase", {&P::phase}},
        {"Lunation", {&P::lunation}},
        {"ChL and AJD: one separator", {&P::chl, &P::ajd}},
        {"ChL and CE: one separator", {&P::chl, &P::ce}},
        {"CE and phase: one separator", {&P::ce, &P::phase}},
        {"ChL, CE and AJD: two separators", {&P::chl, &P::ce, &P::ajd}},
        {"Expanded, every group", {}},
        {"Expanded, every group, Chinese terms", {}},
        {"Expanded, every group, Vietnam", {}, 0},
    };
    std::string out;
    for (const Case& c : cases) {
        const std::string title = c.title;
        LogPreferences p;
        for (auto field : title.starts_with("Expanded") ? all : c.ticks) p.*field = true;
        p.expanded = title.starts_with("Expanded");
        p.chineseTerms = title.ends_with("Chinese terms");
        if (main.Country() != c.country) {
            main.cboRefLong.listIndex = c.country;
            main.cboRefLong_Click();
        }
        out += "## " + title + "\r\n" + LogEntry(DisplayedMomentOf(main), p);
    }
    ExpectGolden("log_entries.txt", out);
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
    ExpectGolden("log_auto.txt", log.Text());
}

// The edges of the days line and unknown codes; log_auto.txt has the rest.
TEST(LogOperationLine, DaysTextAndUnknownOperations) {
    struct Case {
        int16_t operation;
        LogOperationControls controls;
        std::string line;
    };
    auto with = [](bool forward, std::string days) {
        LogOperationControls c;
        c.plus = c.forward = c.next = forward;
        c.plusMinusText = std::move(days);
        c.moveStep = "CHL month";
        c.target = "Full moon";
        return c;
    };
    const Case cases[] = {
        {2, with(false, " 1,000 "), "Minus 1,000 days"},
        {2, with(true, "1,1"), "Plus 1,1 days"},
        {2, with(true, "0"), "Plus 0 days"},
        {2, with(true, "  "), ""},
        {0, with(true, ""), ""},
        {6, with(true, ""), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoLogOperationLine(c.operation, c.controls), c.line) << c.operation << " " << c.controls.plusMinusText;
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

TEST_F(LogTest, AddingShowsTheLogButtonsAndTheLogWhenAsked) {
    Tick({&P::ce});
    main.cmdAddToLog_Click();
    EXPECT_TRUE(main.cmdViewLog.visible);
    EXPECT_TRUE(main.cmdClearLog.visible);
    EXPECT_FALSE(log.visible);
    EXPECT_EQ(log.txbText.selStart, static_cast<int>(log.Text().size()));
    Tick({&P::ce, &P::viewAfterAdding});
    main.cmdAddToLog_Click();
    EXPECT_TRUE(log.visible);
    log.cmdClose_Click();
    EXPECT_FALSE(log.visible);
    EXPECT_FALSE(log.Text().empty());  // Close keeps the log
    main.cmdViewLog_Click();
    EXPECT_TRUE(log.visible);
    EXPECT_EQ(log.focus, "cmdClose");
}

TEST_F(LogTest, ClearLogAsksAndOnOkEmptiesAndCloses) {
    AddOneEntry();
    main.cmdViewLog_Click();
    port.answers = {false, true};
    main.cmdClearLog_Click();
    EXPECT_FALSE(log.Text().empty());
    EXPECT_TRUE(log.visible);
    log.cmdClear_Click();
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[1].title, "Clear log");
    EXPECT_EQ(port.messages[1].text, "Erase all data in the log?");
    EXPECT_TRUE(log.Text().empty());
    EXPECT_FALSE(log.visible);
    EXPECT_FALSE(main.cmdViewLog.visible);
    EXPECT_FALSE(main.cmdClearLog.visible);
}

TEST_F(LogTest, CopyTakesTheSelectionOrTheWholeLog) {
    log.cmdCopyToClipboard_Click();
    EXPECT_TRUE(port.clipboard.empty());  // an empty log copies nothing
    AddOneEntry();
    log.selectedText = "2012";
    log.txbText_MouseUp();
    EXPECT_EQ(log.cmdCopyToClipboard.caption, "Copy selected text to clipboard");
    log.cmdCopyToClipboard_Click();
    EXPECT_EQ(port.clipboard, "2012");
    log.selectedText.clear();
    log.txbText_MouseUp();
    EXPECT_EQ(log.cmdCopyToClipboard.caption, "Copy all text to clipboard");
    log.cmdCopyToClipboard_Click();
    EXPECT_EQ(port.clipboard, log.Text());
    EXPECT_EQ(log.focus, "cmdClose");
}

TEST_F(LogTest, SaveLogWritesATextFileOrSaysWhyNot) {
    AddOneEntry();
    log.saveFolder = QDir(state.path()).filePath("").toStdString();
    EXPECT_FALSE(log.cmdSaveLog_Click());  // the dialog cancelled
    ASSERT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(port.fileDialogs[0].suggestedPath, log.saveFolder + "orbel-log.txt");
    EXPECT_TRUE(log.HasUnsavedText());

    const std::string missing = QDir(state.path()).filePath("no such folder/log.txt").toStdString();
    port.fileNames = {missing};
    EXPECT_FALSE(log.cmdSaveLog_Click());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Save log");
    EXPECT_NE(port.messages[0].text.find(missing), std::string::npos) << port.messages[0].text;
    EXPECT_TRUE(log.HasUnsavedText());

    const std::string path = QDir(state.path()).filePath("log.txt").toStdString();
    port.fileNames = {path};
    EXPECT_TRUE(log.cmdSaveLog_Click());
    std::string expected = log.Text();
    std::erase(expected, '\r');
    EXPECT_EQ(FileText(path), expected);
    EXPECT_FALSE(log.HasUnsavedText());
}

TEST_F(LogTest, ClosingByTheFrameAsksWhileTextIsUnsaved) {
    struct Case {
        std::deque<SaveChoice> choices;
        std::deque<std::string> files;
        bool closes;
    };
    const std::string path = QDir(state.path()).filePath("log.txt").toStdString();
    const Case cases[] = {
        {{SaveChoice::Cancel}, {}, false},
        {{SaveChoice::Save}, {}, false},  // the save-file dialog cancelled
        {{SaveChoice::Save}, {path}, true},
        {{SaveChoice::Discard}, {}, true},
    };
    for (const Case& c : cases) {
        AddOneEntry();
        main.cmdViewLog_Click();
        const std::string text = log.Text();
        port.messages.clear();
        port.saveChoices = c.choices;
        port.fileNames = c.files;
        EXPECT_EQ(log.Form_QueryUnload(), c.closes);
        ASSERT_EQ(port.messages.size(), 1u);
        EXPECT_EQ(port.messages[0].title, "Save log");
        EXPECT_EQ(log.visible, !c.closes);
        EXPECT_EQ(log.Text().empty(), c.closes);
        EXPECT_EQ(main.cmdViewLog.visible, !c.closes);
        if (!c.files.empty()) {
            EXPECT_EQ(FileText(path).size(), text.size() - std::count(text.begin(), text.end(), '\r'));
        }
        log.txbText.text.clear();
    }
}

TEST_F(LogTest, ClosingASavedLogByTheFrameWarnsThatItIsLost) {
    AddOneEntry();
    port.fileNames = {QDir(state.path()).filePath("log.txt").toStdString()};
    ASSERT_TRUE(log.cmdSaveLog_Click());
    EXPECT_TRUE(log.Form_QueryUnload());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "X");
    EXPECT_EQ(port.messages[0].text, LogFrameCloseWarning);
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(log.Text().empty());
    EXPECT_FALSE(main.cmdViewLog.visible);
}

TEST_F(LogTest, QuittingWithUnsavedTextAsksAndCancelKeepsTheProgram) {
    AddOneEntry();
    main.cmdViewLog_Click();
    port.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    main.Form_QueryUnload();
    EXPECT_FALSE(ended);
    EXPECT_FALSE(log.visible);  // the frame hid it first
    EXPECT_FALSE(std::filesystem::exists(main.state.StateFilePath));
    main.cmdQuit_Click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(std::filesystem::exists(main.state.StateFilePath));
    EXPECT_EQ(port.messages.size(), 2u);
    port.messages.clear();
    ended = false;
    port.fileNames = {QDir(state.path()).filePath("log.txt").toStdString()};
    ASSERT_TRUE(log.cmdSaveLog_Click());
    main.cmdQuit_Click();  // nothing unsaved: no question
    EXPECT_TRUE(ended);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(LogTest, PreferencesWindowSetsClearsAndClosesIntoTheSavedState) {
    main.cmdLogPreferences_Click();
    EXPECT_TRUE(preferences.visible);
    EXPECT_EQ(preferences.focus, "cmdClose");
    EXPECT_EQ(preferences.Preferences(), LogPreferencesOfTicks(main.logPreferenceTicks));
    preferences.chkVerbose.value = false;
    preferences.chkVerbose_Click();
    EXPECT_FALSE(preferences.chkIncludeGanzhi.enabled);
    preferences.cmdSetClear_Click(0);
    for (CheckBox* box : preferences.CheckBoxes()) EXPECT_TRUE(box->value) << box->caption;
    EXPECT_TRUE(preferences.chkIncludeGanzhi.enabled);
    preferences.cmdSetClear_Click(1);
    for (CheckBox* box : preferences.CheckBoxes()) EXPECT_FALSE(box->value) << box->caption;
    preferences.chkIncludeJC.value = true;
    main.CmdSaveStateEnabled(false);
    preferences.cmdClose_Click();
    EXPECT_FALSE(preferences.visible);
    EXPECT_TRUE(main.cmdSaveState.enabled);
    LogPreferences jcOnly;
    jcOnly.jc = true;
    EXPECT_EQ(LogPreferencesOfTicks(main.logPreferenceTicks), jcOnly);

    // Saved with the state and restored at the next start.
    main.cmdSaveState_Click();
    ScriptedUserPort port2;
    MainWindowModel main2{port2};
    LogWindowModel log2{port2};
    LogPreferencesModel preferences2;
    ConnectLog(main2, log2, preferences2);
    main2.stateFilePath = main.state.StateFilePath;
    main2.Load("1");
    main2.cmdLogPreferences_Click();
    EXPECT_EQ(preferences2.Preferences(), jcOnly);

    // Closing with every box cleared ticks ChL.
    preferences2.cmdSetClear_Click(1);
    preferences2.cmdClose_Click();
    LogPreferences chlOnly;
    chlOnly.chl = true;
    EXPECT_EQ(LogPreferencesOfTicks(main2.logPreferenceTicks), chlOnly);
}

}  // namespace
}  // namespace orbel
