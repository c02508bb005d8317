// The log windows of the running program, driven through their widgets.
#include <gtest/gtest.h>

#include "tests/gui/program_run.h"

using namespace orbel;

namespace {

class LogGui : public orbel::testing::ProgramRun {
protected:
    FrmLog& Log() { return program->logWindows.frmLog; }
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

// The frames' close events reach the models (which decide what is asked):
// Cancel keeps the log and the program, Discard lets the program end.
TEST_F(LogGui, ClosingByTheFrameWithAnUnsavedLogAsks) {
    QTest::mouseClick(Main().cmdAddToLog, Qt::LeftButton);
    QTest::mouseClick(Main().cmdViewLog, Qt::LeftButton);
    port->saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Discard};
    Log().close();
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages.back().title, "Save log");
    EXPECT_TRUE(Log().isVisible());
    Main().close();
    EXPECT_FALSE(ended);
    EXPECT_FALSE(Log().isVisible());
    EXPECT_TRUE(Main().isVisible());
    Main().close();
    EXPECT_TRUE(ended);
}

}  // namespace
