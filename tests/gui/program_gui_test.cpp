// The whole program as a person meets it: start, save, quit, start again.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QApplication>
#include <QTest>

#include "support/scripted_user_port.h"
#include "tests/temporary_settings.h"
#include "ui/frm_help.h"
#include "ui/program.h"

using namespace orbel;

namespace {

// A program folder of its own: the built program's texts and pictures.
class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        paths_.programFolder = ORBEL_PROGRAM_FOLDER "/";
        paths_.stateFilePath = (dir_.path() + "/Corvane_Systems/orbel.usr").toStdString();
        QDir().mkpath(dir_.path() + "/Corvane_Systems");
    }
    std::unique_ptr<ProgramSession> Start(ScriptedUserPort& port) {
        ended_ = false;
        return StartProgram(port, paths_, [this] { ended_ = true; });
    }
    QString StateText() const {
        QFile f(QString::fromStdString(paths_.stateFilePath));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void WriteState(const QByteArray& text) const {
        QFile f(QString::fromStdString(paths_.stateFilePath));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    orbel::testing::TemporarySettings settings_;
    QTemporaryDir dir_;
    ProgramPaths paths_;
    bool ended_ = false;
};

void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

TEST_F(ProgramRun, SaveQuitAndStartAgainRestoresMomentOptionsListsAndZones) {
    {
        ScriptedUserPort port;
        auto program = Start(port);
        ASSERT_TRUE(program);
        FrmMain& w = program->window;
        Choose(w.cboRefLong, 2);  // Japan
        Choose(w.cboEpoch, 1);
        Choose(w.cboMethod, 1);
        Choose(w.cboMoveStep, 3);
        Choose(w.cboTarget, 5);
        QTest::mouseClick(w.optMinus, Qt::LeftButton);
        QTest::mouseClick(w.optPrevious, Qt::LeftButton);
        QTest::mouseClick(w.chkShowCJDs, Qt::LeftButton);
        QTest::keyClicks(w.txbDate, "1999-12-31 CE");
        QTest::mouseClick(w.cmdCompute, Qt::LeftButton);
        EXPECT_TRUE(w.cmdSaveState->isEnabled());
        QTest::mouseClick(w.cmdQuit, Qt::LeftButton);
        EXPECT_TRUE(ended_);
        EXPECT_TRUE(port.messages.empty()) << port.messages[0].text;
    }
    EXPECT_TRUE(StateText().startsWith("2451544\r\n")) << StateText().left(40).toStdString();
    ScriptedUserPort port;
    auto program = Start(port);
    ASSERT_TRUE(program);
    FrmMain& w = program->window;
    EXPECT_EQ(w.cboRefLong->currentText(), "Japan");
    EXPECT_EQ(w.txbCCT->text(), "JST");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(64, 64, 224));
    EXPECT_EQ(w.cboEpoch->currentIndex(), 1);
    EXPECT_EQ(w.cboMethod->currentIndex(), 1);
    EXPECT_EQ(w.cboMoveStep->currentIndex(), 3);
    EXPECT_EQ(w.cboTarget->currentIndex(), 5);
    EXPECT_TRUE(w.optMinus->isChecked());
    EXPECT_TRUE(w.optPrevious->isChecked());
    EXPECT_TRUE(w.chkShowCJDs->isChecked());
    EXPECT_TRUE(w.lblCommonEraDate.value->text().startsWith("1999-12-31 CE 12:00 GMT"))
        << w.lblCommonEraDate.value->text().toStdString();
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(ProgramRun, AZoneLabelChangedInTheStateFileIsShownAndWrittenBack) {
    {
        ScriptedUserPort port;
        auto program = Start(port);
        QTest::mouseClick(program->window.cmdSaveState, Qt::LeftButton);
    }
    QString text = StateText();
    ASSERT_TRUE(text.contains("\"CCT\""));
    text.replace("\"CCT\"", "\"PEK\"");
    WriteState(text.toUtf8());
    ScriptedUserPort port;
    auto program = Start(port);
    EXPECT_EQ(program->window.txbCCT->text(), "PEK");
    EXPECT_TRUE(program->window.lblChineseLunarDate.value->text().endsWith("PEK"));
    program->model.cmdSaveState_Click();
    EXPECT_TRUE(StateText().contains("\"PEK\""));
}

TEST_F(ProgramRun, ATruncatedOrGarbledStateFileGivesResetAndNowWithoutAMessage) {
    {
        ScriptedUserPort port;
        auto program = Start(port);
        Choose(program->window.cboMoveStep, 2);
        QTest::keyClicks(program->window.txbDate, "1000-01-01 CE");
        QTest::mouseClick(program->window.cmdCompute, Qt::LeftButton);
        program->model.cmdSaveState_Click();
    }
    const QString good = StateText();
    QStringList lines = good.split("\r\n");
    ASSERT_GE(lines.size(), 79);
    lines[5] = "six";  // the move step
    const QString garbled = lines.join("\r\n");
    const QString today = QDateTime::currentDateTimeUtc().date().toString("yyyy-MM-dd");
    for (const QByteArray& bad : {good.left(good.size() / 2).toUtf8(), QByteArray("garbage\r\n\x01\x02\xff"),
                                  garbled.toUtf8(), QByteArray()}) {
        WriteState(bad);
        ScriptedUserPort port;
        auto program = Start(port);
        ASSERT_TRUE(program);
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(program->window.cboMoveStep->currentIndex(), 6);  // Reset
        const QString ce = program->window.lblCommonEraDate.value->text();
        EXPECT_TRUE(ce.startsWith(today) || ce.startsWith(QDateTime::currentDateTimeUtc().date().addDays(-1).toString("yyyy-MM-dd")))
            << ce.toStdString();
    }
}

TEST_F(ProgramRun, AFailedSaveIsReportedAndSaveStateStaysEnabled) {
    {
        ScriptedUserPort port;
        auto program = Start(port);
        program->model.cmdSaveState_Click();
    }
    const QString before = StateText();
    ASSERT_FALSE(before.isEmpty());
    // A folder where the state file should be: the save fails, says so, and
    // Save state stays enabled.
    paths_.stateFilePath = dir_.path().toStdString();
    ScriptedUserPort port;
    auto program = Start(port);
    program->model.cmdSaveState_Click();
    program->window.Mirror();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Save state");
    EXPECT_EQ(port.messages[0].text.rfind("Error when attempting to save the state: ", 0), 0u);
    EXPECT_TRUE(program->window.cmdSaveState->isEnabled());
}

TEST(ProgramStart, AMissingProgramTextFileEndsTheProgramWithItsMessage) {
    QTemporaryDir empty;
    ScriptedUserPort port;
    const ProgramPaths paths{(empty.path() + "/").toStdString(), (empty.path() + "/orbel.usr").toStdString()};
    EXPECT_EQ(StartProgram(port, paths, [] {}), nullptr);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text.rfind("Cannot open file containing program text.", 0), 0u) << port.messages[0].text;
    EXPECT_NE(port.messages[0].text.find("orbel.dat"), std::string::npos);
}

TEST_F(ProgramRun, HelpAndTheStemBranchTableOpenFromTheMainWindow) {
    ScriptedUserPort port;
    auto program = Start(port);
    ASSERT_TRUE(program);
    FrmMain& w = program->window;
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    QWidget* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &w && top->inherits("orbel::FrmHelp")) help = top;
    ASSERT_NE(help, nullptr);
    help->close();
    ASSERT_TRUE(w.imgDayStem->isVisible());  // China shows the day's stem and branch
    QTest::mouseClick(w.imgDayStem, Qt::LeftButton);
    ASSERT_TRUE(program->stemBranch);
    EXPECT_TRUE(program->stemBranch->isVisible());
    EXPECT_EQ(program->stemBranch->windowTitle(), "Chinese stems and branches");
}

// Escape closes the window it is pressed in, never the main window; Credits
// closes with Help.
TEST_F(ProgramRun, EscapeClosesTheSecondaryWindows) {
    ScriptedUserPort port;
    auto program = Start(port);
    FrmMain& w = program->window;
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    FrmHelp* help = w.findChild<FrmHelp*>();
    help->cmdCredits_Click();
    QTest::keyClick(help->credits()->txbCredits, Qt::Key_Escape);
    EXPECT_TRUE(!help->credits()->isVisible() && help->isVisible());
    help->cmdCredits_Click();
    QTest::keyClick(help->txbHelp, Qt::Key_Escape);
    EXPECT_TRUE(!help->isVisible() && !help->credits()->isVisible());
    QTest::mouseClick(w.imgDayStem, Qt::LeftButton);
    QTest::keyClick(program->stemBranch.get(), Qt::Key_Escape);
    EXPECT_FALSE(program->stemBranch->isVisible());
    QTest::keyClick(w.txbDate, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible() && !ended_);
}

TEST_F(ProgramRun, RestoreStateAsksAboutTheLogConfiguration) {
    ScriptedUserPort port;
    auto program = Start(port);
    ASSERT_TRUE(program);
    MainWindowModel& m = program->model;
    FrmMain& w = program->window;
    const auto savedTicks = m.logPreferenceTicks;
    Choose(w.cboMoveStep, 2);
    QTest::mouseClick(w.cmdSaveState, Qt::LeftButton);
    EXPECT_FALSE(w.cmdSaveState->isEnabled());
    EXPECT_FALSE(w.cmdRestoreState->isEnabled());
    // Change a log tick and the move step, then restore answering No: the
    // step comes back, the tick stays as changed.
    m.logPreferenceTicks[LogTickJC] = !savedTicks[LogTickJC];
    Choose(w.cboMoveStep, 9);
    port.answers.push_back(false);
    m.cmdRestoreState_Click();
    w.Mirror();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Restore state");
    EXPECT_EQ(port.messages[0].text, "Restore previous log configuration also?");
    EXPECT_TRUE(port.messages[0].question);
    EXPECT_EQ(w.cboMoveStep->currentIndex(), 2);
    EXPECT_NE(m.logPreferenceTicks, savedTicks);
    EXPECT_FALSE(w.cmdSaveState->isEnabled());
    // Yes brings the ticks back too.
    port.answers.push_back(true);
    m.cmdRestoreState_Click();
    EXPECT_EQ(m.logPreferenceTicks, savedTicks);
}
