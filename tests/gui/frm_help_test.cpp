// The help and credits windows, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/help_texts.h"
#include "ui/frm_help.h"

using namespace orbel;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The help shows its text; Credits opens the credits window once and brings
// the same window back; Close hides each.
TEST(FrmHelpGui, ShowsItsTextAndOpensTheCreditsOnce) {
    FrmHelp help;
    help.show();
    EXPECT_EQ(help.windowTitle(), "Orbel help");
    EXPECT_TRUE(help.txbHelp->isReadOnly());
    EXPECT_EQ(help.txbHelp->toPlainText(), FromUtf8(HelpText));
    EXPECT_EQ(help.credits(), nullptr);
    QTest::mouseClick(help.cmdCredits, Qt::LeftButton);
    FrmCredits* credits = help.credits();
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isVisible() && credits->isWindow());
    EXPECT_EQ(credits->windowTitle(), "Orbel credits");
    EXPECT_EQ(credits->txbCredits->toPlainText(), FromUtf8(CreditsText));
    QTest::mouseClick(credits->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(credits->isVisible());
    QTest::mouseClick(help.cmdCredits, Qt::LeftButton);
    EXPECT_EQ(help.credits(), credits);
    EXPECT_TRUE(credits->isVisible());
    QTest::mouseClick(help.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST(FrmHelpGui, ShowHelpKeepsOneHelpWindowPerMainWindow) {
    QWidget main;
    main.show();
    FrmHelp* first = ShowHelp(&main);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible() && first->isWindow());
    EXPECT_EQ(first->parentWidget(), &main);
    first->close();
    FrmHelp* again = ShowHelp(&main);
    EXPECT_TRUE(again == first && again->isVisible());
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
    ASSERT_TRUE(second && second->isVisible());
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
