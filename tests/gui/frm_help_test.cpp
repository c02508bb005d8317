// The help and credits windows, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>

#include "app/help_texts.h"
#include "ui/frm_help.h"

using namespace orbel;

TEST(FrmHelpGui, OpensWithItsCaptionTextAndButtons) {
    FrmHelp help;
    help.show();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), "Orbel help");
    EXPECT_EQ(help.cmdCredits->text(), "Credits");
    EXPECT_EQ(help.cmdClose->text(), "Close");
    EXPECT_TRUE(help.txbHelp->isReadOnly());
    EXPECT_EQ(help.txbHelp->toPlainText(), QString::fromUtf8(HelpText.data(), qsizetype(HelpText.size())));
    EXPECT_EQ(help.credits(), nullptr);
}

TEST(FrmHelpGui, CreditsButtonOpensTheCreditsWindowOnce) {
    FrmHelp help;
    help.show();
    QTest::mouseClick(help.cmdCredits, Qt::LeftButton);
    FrmCredits* credits = help.credits();
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isVisible());
    EXPECT_TRUE(credits->isWindow());
    EXPECT_EQ(credits->windowTitle(), "Orbel credits");
    EXPECT_EQ(credits->txbCredits->toPlainText(), QString::fromUtf8(CreditsText.data(), qsizetype(CreditsText.size())));
    // Closed and asked for again: the same window comes back.
    QTest::mouseClick(credits->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(credits->isVisible());
    QTest::mouseClick(help.cmdCredits, Qt::LeftButton);
    EXPECT_EQ(help.credits(), credits);
    EXPECT_TRUE(credits->isVisible());
}

TEST(FrmHelpGui, CloseHidesTheHelpWindow) {
    FrmHelp help;
    help.show();
    QTest::mouseClick(help.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST(FrmHelpGui, ShowHelpKeepsOneHelpWindowPerMainWindow) {
    QWidget main;
    main.show();
    FrmHelp* first = ShowHelp(&main);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->parentWidget(), &main);
    first->close();
    FrmHelp* again = ShowHelp(&main);
    EXPECT_EQ(again, first);
    EXPECT_TRUE(again->isVisible());
    // Another main window has a help window of its own.
    QWidget other;
    EXPECT_NE(ShowHelp(&other), first);
}

TEST(FrmHelpGui, ShowHelpWithoutAParentKeepsOneWindowUntilClosed) {
    FrmHelp* first = ShowHelp(nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ShowHelp(nullptr), first);
    QPointer<FrmHelp> watch(first);
    first->close();  // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    FrmHelp* second = ShowHelp(nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
