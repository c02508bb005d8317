// The help and credits windows, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/help_texts.h"
#include "app/program_version.h"
#include "support/qt_text.h"
#include "ui/frm_help.h"

using namespace orbel;

// The help shows its text; Credits opens the credits window once and brings
// the same window back; Close hides each.
TEST(FrmHelpGui, ShowsItsTextAndOpensTheCreditsOnce) {
    FrmHelp help;
    help.show();
    EXPECT_EQ(help.windowTitle(), "Orbel help");
    EXPECT_TRUE(help.txbHelp->isReadOnly());
    EXPECT_EQ(help.txbHelp->toPlainText(), ToQString(HelpText));
    EXPECT_EQ(help.credits(), nullptr);
    QTest::mouseClick(help.cmdCredits, Qt::LeftButton);
    FrmCredits* credits = help.credits();
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isVisible() && credits->isWindow());
    EXPECT_EQ(credits->windowTitle(), "Orbel credits");
    EXPECT_EQ(credits->txbCredits->toPlainText(),
              ToQString("Orbel " + std::string(ProgramVersion) + "\n\n" + std::string(CreditsText)));
    QTest::mouseClick(credits->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(credits->isVisible());
    QTest::mouseClick(help.cmdCredits, Qt::LeftButton);
    EXPECT_EQ(help.credits(), credits);
    EXPECT_TRUE(credits->isVisible());
    QTest::mouseClick(help.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST(FrmHelpGui, ShowHelpKeepsOneWindowPerParentAndAParentlessOneUntilClosed) {
    FrmHelp* first = ShowHelp(nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ShowHelp(nullptr), first);
    QPointer<FrmHelp> watch(first);
    first->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    FrmHelp* second = ShowHelp(nullptr);
    ASSERT_TRUE(second && second->isVisible());
    QWidget main;
    EXPECT_NE(ShowHelp(&main), second);  // a window has a help window of its own
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
