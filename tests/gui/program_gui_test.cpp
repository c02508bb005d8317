// The whole program as a person meets it: start, save, quit, start again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>

#include "tests/gui/program_run.h"
#include "ui/frm_help.h"

using namespace orbel;
using orbel::testing::Choose;

namespace {

class ProgramGui : public orbel::testing::ProgramRun {
protected:
    QString StateText() const {
        QFile f(QString::fromStdString(paths.stateFilePath));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void WriteState(const QByteArray& text) const {
        QFile f(QString::fromStdString(paths.stateFilePath));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
};

}  // namespace

TEST_F(ProgramGui, SaveQuitAndStartAgainRestoresMomentOptionsListsAndZones) {
    FrmMain& w = Main();
    Choose(w.cboRefLong, 2);  // Japan
    Choose(w.cboEpoch, 1);
    Choose(w.cboMethod, 1);
    Choose(w.cboMoveStep, 3);
    Choose(w.cboTarget, 5);
    QTest::mouseClick(w.optMinus, Qt::LeftButton);
    QTest::mouseClick(w.optPrevious, Qt::LeftButton);
    QTest::mouseClick(w.chkShowCJDs, Qt::LeftButton);
    Convert("1999-12-31 CE");
    EXPECT_TRUE(w.cmdSaveState->isEnabled());
    QTest::mouseClick(w.cmdQuit, Qt::LeftButton);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(port->messages.empty()) << port->messages[0].text;
    EXPECT_TRUE(StateText().startsWith("2451544\r\n")) << StateText().left(40).toStdString();

    Restart();
    FrmMain& again = Main();
    EXPECT_EQ(again.cboRefLong->currentText(), "Japan");
    EXPECT_EQ(again.txbCCT->text(), "JST");
    for (const auto& [box, index] : {std::pair{again.cboEpoch, 1}, {again.cboMethod, 1}, {again.cboMoveStep, 3},
                                     {again.cboTarget, 5}})
        EXPECT_EQ(box->currentIndex(), index) << box->objectName().toStdString();
    EXPECT_TRUE(again.optMinus->isChecked() && again.optPrevious->isChecked() && again.chkShowCJDs->isChecked());
    EXPECT_TRUE(again.lblCommonEraDate.value->text().startsWith("1999-12-31 CE 12:00 GMT"))
        << again.lblCommonEraDate.value->text().toStdString();
    EXPECT_TRUE(port->messages.empty());
}

TEST_F(ProgramGui, AZoneLabelChangedInTheStateFileIsShownAndWrittenBack) {
    QTest::mouseClick(Main().cmdSaveState, Qt::LeftButton);
    QString text = StateText();
    ASSERT_TRUE(text.contains("\"CCT\""));
    WriteState(text.replace("\"CCT\"", "\"PEK\"").toUtf8());
    Restart();
    EXPECT_EQ(Main().txbCCT->text(), "PEK");
    EXPECT_TRUE(Main().lblChineseLunarDate.value->text().endsWith("PEK"));
    program->model.cmdSaveState_Click();
    EXPECT_TRUE(StateText().contains("\"PEK\""));
}

TEST_F(ProgramGui, ATruncatedOrGarbledStateFileGivesResetAndNowWithoutAMessage) {
    Choose(Main().cboMoveStep, 2);
    Convert("1000-01-01 CE");
    program->model.cmdSaveState_Click();
    const QString good = StateText();
    QStringList lines = good.split("\r\n");
    ASSERT_GE(lines.size(), 79);
    lines[5] = "six";  // the move step
    const QDate today = QDateTime::currentDateTimeUtc().date();
    for (const QByteArray& bad : {good.left(good.size() / 2).toUtf8(), QByteArray("garbage\r\n\x01\x02\xff"),
                                  lines.join("\r\n").toUtf8(), QByteArray()}) {
        WriteState(bad);
        Restart();
        ASSERT_TRUE(program);
        EXPECT_TRUE(port->messages.empty());
        EXPECT_EQ(Main().cboMoveStep->currentIndex(), 6);  // Reset
        const QString ce = Main().lblCommonEraDate.value->text();
        EXPECT_TRUE(ce.startsWith(today.toString(Qt::ISODate)) ||
                    ce.startsWith(today.addDays(-1).toString(Qt::ISODate)))
            << ce.toStdString();
    }
}

// A folder where the state file should be: the save fails, says so, and
// Save state stays enabled.
TEST_F(ProgramGui, AFailedSaveIsReportedAndSaveStateStaysEnabled) {
    paths.stateFilePath = dir.path().toStdString();
    Restart();
    program->model.cmdSaveState_Click();
    Main().Mirror();
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].title, "Save state");
    EXPECT_EQ(port->messages[0].text.rfind("Error when attempting to save the state: ", 0), 0u);
    EXPECT_TRUE(Main().cmdSaveState->isEnabled());
}

TEST_F(ProgramGui, AMissingProgramTextFileEndsTheProgramWithItsMessage) {
    paths.programFolder = dir.path().toStdString() + "/";
    Restart();
    EXPECT_EQ(program, nullptr);
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].text.rfind("Cannot open file containing program text.", 0), 0u)
        << port->messages[0].text;
    EXPECT_NE(port->messages[0].text.find("orbel.dat"), std::string::npos);
}

// Help and the stem and branch table open from the main window; Escape closes
// the window it is pressed in, never the main window; Credits closes with Help.
TEST_F(ProgramGui, SecondaryWindowsOpenFromTheMainWindowAndCloseOnEscape) {
    FrmMain& w = Main();
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    FrmHelp* help = w.findChild<FrmHelp*>();
    ASSERT_TRUE(help && help->isVisible() && help->isWindow());
    help->cmdCredits_Click();
    QTest::keyClick(help->credits()->txbCredits, Qt::Key_Escape);
    EXPECT_TRUE(!help->credits()->isVisible() && help->isVisible());
    help->cmdCredits_Click();
    QTest::keyClick(help->txbHelp, Qt::Key_Escape);
    EXPECT_TRUE(!help->isVisible() && !help->credits()->isVisible());
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);  // the same help window again
    EXPECT_TRUE(w.findChild<FrmHelp*>() == help && help->isVisible() && help->parentWidget() == &w);
    ASSERT_TRUE(w.imgDayStem->isVisible());  // China shows the day's stem and branch
    QTest::mouseClick(w.imgDayStem, Qt::LeftButton);
    ASSERT_TRUE(program->stemBranch);
    EXPECT_TRUE(program->stemBranch->isVisible());
    EXPECT_EQ(program->stemBranch->windowTitle(), "Chinese stems and branches");
    QTest::keyClick(program->stemBranch.get(), Qt::Key_Escape);
    EXPECT_FALSE(program->stemBranch->isVisible());
    QTest::keyClick(w.txbDate, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible() && !ended);
}

// Return presses the focused button in the main window, the data window and
// the month view, as Space does; the month view's title follows its month.
TEST_F(ProgramGui, ReturnPressesTheFocusedButtonInEveryWindow) {
    FrmMain& w = Main();
    QTest::keyClicks(w.txbDate, "2024-04-20 CE");
    const auto press = [](QPushButton* button) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    };
    press(w.cmdCompute);
    EXPECT_TRUE(w.lblCommonEraDate.value->text().startsWith("2024-04-20 CE"));
    press(w.cmdDisplayYearData);
    EXPECT_TRUE(program->dataWindow.isVisible());
    press(program->dataWindow.cmdClose);
    EXPECT_FALSE(program->dataWindow.isVisible());
    press(w.cmdDisplayCalendar);
    ASSERT_TRUE(program->calendar && program->calendar->isVisible());
    EXPECT_EQ(program->calendar->windowTitle(), "79-41-03-12 CHL");
    press(program->calendar->cmdShowPreviousOrNext[1]);
    EXPECT_EQ(program->calendar->windowTitle(), "79-41-04-12 CHL");
    press(program->calendar->cmdClose);
    EXPECT_FALSE(program->calendar->isVisible());
}
