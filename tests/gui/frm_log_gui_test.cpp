// The log windows of the running program, driven through their widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "support/scripted_user_port.h"
#include "tests/temporary_settings.h"
#include "ui/program.h"

using namespace orbel;

namespace {

class LogGui : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ProgramPaths paths;
        paths.programFolder = ORBEL_PROGRAM_FOLDER "/";
        paths.stateFilePath = (dir_.path() + "/orbel.usr").toStdString();
        program = StartProgram(port, paths, [this] { ended = true; });
        ASSERT_TRUE(program);
    }
    FrmMain& Main() { return program->window; }
    FrmLog& Log() { return program->logWindows.frmLog; }

    orbel::testing::TemporarySettings settings_;
    QTemporaryDir dir_;
    ScriptedUserPort port;
    std::unique_ptr<ProgramSession> program;
    bool ended = false;
};

TEST_F(LogGui, AddToLogThenViewLogShowsTheEntryLockedAgainstTyping) {
    EXPECT_FALSE(Main().cmdViewLog->isVisible());
    QTest::mouseClick(Main().cmdAddToLog, Qt::LeftButton);
    ASSERT_TRUE(Main().cmdViewLog->isVisible());
    EXPECT_TRUE(Main().cmdClearLog->isVisible());
    EXPECT_FALSE(Log().isVisible());
    QTest::mouseClick(Main().cmdViewLog, Qt::LeftButton);
    ASSERT_TRUE(Log().isVisible());
    const QString text = Log().txbText->toPlainText();
    EXPECT_TRUE(text.startsWith(Main().windowTitle())) << text.toStdString();
    EXPECT_TRUE(text.contains(Main().lblCommonEraDate.value->text().section(" GMT", 0, 0))) << text.toStdString();
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_TRUE(Log().txbText->isReadOnly());
    EXPECT_TRUE(Log().txbText->font().fixedPitch());
    EXPECT_EQ(Log().windowTitle(), "Log for The Chinese Calendar: New Years, Dark Moons and Solar Terms");
    QTest::mouseClick(Log().cmdClose, Qt::LeftButton);
    EXPECT_FALSE(Log().isVisible());
}

TEST_F(LogGui, AutoLogWritesAfterAConversion) {
    QTest::mouseClick(Main().chkAutoLog, Qt::LeftButton);
    ASSERT_TRUE(Main().chkAutoLog->isChecked());
    Main().txbDate->setFocus();
    QTest::keyClicks(Main().txbDate, "2012-01-23 CE");
    QTest::keyClick(Main().txbDate, Qt::Key_Return);
    ASSERT_TRUE(Main().cmdViewLog->isVisible());
    QTest::mouseClick(Main().cmdViewLog, Qt::LeftButton);
    EXPECT_TRUE(Log().txbText->toPlainText().contains("\n2012-01-23 CE 12:00 GMT\n"))
        << Log().txbText->toPlainText().toStdString();
}

TEST_F(LogGui, ClosingTheLogByItsFrameWithUnsavedTextAsks) {
    QTest::mouseClick(Main().cmdAddToLog, Qt::LeftButton);
    QTest::mouseClick(Main().cmdViewLog, Qt::LeftButton);
    port.saveChoices = {SaveChoice::Cancel};
    Log().close();
    ASSERT_FALSE(port.messages.empty());
    EXPECT_EQ(port.messages.back().title, "Save log");
    EXPECT_TRUE(Log().isVisible());
    EXPECT_FALSE(Log().txbText->toPlainText().isEmpty());
    port.saveChoices = {SaveChoice::Discard};
    Log().close();
    EXPECT_FALSE(Log().isVisible());
    EXPECT_TRUE(Log().txbText->toPlainText().isEmpty());
    EXPECT_FALSE(Main().cmdViewLog->isVisible());
}

TEST_F(LogGui, ClosingTheMainWindowWithUnsavedLogAsksAndCancelKeepsItOpen) {
    QTest::mouseClick(Main().cmdAddToLog, Qt::LeftButton);
    QTest::mouseClick(Main().cmdViewLog, Qt::LeftButton);
    port.saveChoices = {SaveChoice::Cancel};
    Main().close();
    EXPECT_FALSE(ended);
    EXPECT_FALSE(Log().isVisible());
    EXPECT_TRUE(Main().isVisible());
    port.saveChoices = {SaveChoice::Discard};
    Main().close();
    EXPECT_TRUE(ended);
}

}  // namespace
