// The real main window, driven through its widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QDate>
#include <QScrollBar>
#include <QTest>

#include "support/scripted_user_port.h"
#include "ui/frm_main.h"

using namespace orbel;

namespace {

struct Started {
    ScriptedUserPort port;
    MainWindowModel model{port};
    FrmMain window{model};
    explicit Started(std::string_view storedCountry = "") {
        model.Load(storedCountry);
        window.Mirror();
        window.show();
        window.Mirror();
    }
};

QString ValueOf(const FrmMain::Pair& pair) { return pair.value->text(); }

}  // namespace

TEST(FrmMainGui, FirstStartShowsTheDefaultsAndThePresentMoment) {
    Started s;
    FrmMain& w = s.window;
    EXPECT_EQ(w.cboRefLong->currentText(), "China");
    EXPECT_EQ(w.txbCCT->text(), "CCT");
    EXPECT_EQ(w.cboEpoch->currentText(), "-2696 = 2697 BC");
    EXPECT_TRUE(w.optForward->isChecked());
    // The present moment: today's CE date (GMT), give or take midnight.
    const QString ce = ValueOf(w.lblCommonEraDate);
    const QDate today = QDateTime::currentDateTimeUtc().date();
    EXPECT_TRUE(ce.startsWith(today.toString("yyyy-MM-dd")) || ce.startsWith(today.addDays(-1).toString("yyyy-MM-dd")))
        << ce.toStdString();
    EXPECT_EQ(w.windowTitle(), "The Chinese Calendar: New Years, Dark Moons and Solar Terms V.18.0 ");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(192, 0, 0));
    EXPECT_TRUE(s.port.messages.empty());
}

TEST(FrmMainGui, JapanTurnsTheWindowBlueWithJstAndJapaneseAnimalWords) {
    Started s;
    FrmMain& w = s.window;
    w.cboRefLong->setCurrentIndex(2);
    emit w.cboRefLong->activated(2);
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(64, 64, 224));
    EXPECT_EQ(w.txbCCT->text(), "JST");
    EXPECT_EQ(w.cboAnimal->itemText(11), "boar");
    EXPECT_EQ(w.lblChineseLunarDate.caption->text(), "Japanese Lunar");
    // And back to Vietnam: green, cat and goat.
    w.cboRefLong->setCurrentIndex(0);
    emit w.cboRefLong->activated(0);
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(w.cboAnimal->itemText(3), "cat");
}

TEST(FrmMainGui, ATypedDateConvertsOnEnter) {
    Started s;
    FrmMain& w = s.window;
    w.txbDate->clear();
    QTest::keyClicks(w.txbDate, "4709-1-1 chl");
    QTest::keyClick(w.txbDate, Qt::Key_Return);
    EXPECT_EQ(w.txbDate->text(), "4709-1-1 CHL");
    EXPECT_EQ(w.txbTime->text(), "12:00");
    EXPECT_TRUE(ValueOf(w.lblCommonEraDate).startsWith("2012-01-23 CE 04:00 GMT")) << ValueOf(w.lblCommonEraDate).toStdString();
    EXPECT_TRUE(ValueOf(w.lblChineseLunarDate).startsWith("79-29-01-01 CHL 12:00 CCT"))
        << ValueOf(w.lblChineseLunarDate).toStdString();
    EXPECT_TRUE(s.port.messages.empty());
}

TEST(FrmMainGui, ClickingAValueLabelFillsTheEntryBoxes) {
    Started s;
    FrmMain& w = s.window;
    QTest::keyClicks(w.txbDate, "2012-01-23 CE");
    QTest::mouseClick(w.cmdCompute, Qt::LeftButton);
    QTest::mouseClick(w.lblChineseSolarDate.value, Qt::LeftButton);
    EXPECT_EQ(w.txbDate->text(), "79-29-03-03 CHS");
    EXPECT_EQ(w.txbTime->text(), "20:00");
}

// Every button copies the value; only the left one fills the entry boxes.
TEST(FrmMainGui, OnlyALeftClickOnAValueLabelFillsTheEntryBoxes) {
    Started s;
    FrmMain& w = s.window;
    QTest::keyClicks(w.txbDate, "2012-01-23 CE");
    QTest::mouseClick(w.cmdCompute, Qt::LeftButton);
    for (auto [button, date] :
         {std::pair{Qt::MiddleButton, ""}, {Qt::RightButton, ""}, {Qt::LeftButton, "79-29-03-03 CHS"}}) {
        QTest::mouseClick(w.cmdClearDate, Qt::LeftButton);
        s.port.clipboard.clear();
        QTest::mouseClick(w.lblChineseSolarDate.value, button);
        EXPECT_EQ(w.txbDate->text(), date) << button;
        EXPECT_EQ(QString::fromStdString(s.port.clipboard), ValueOf(w.lblChineseSolarDate)) << button;
    }
}

// Show chronological JDs swaps rows in place: the window keeps its size.
TEST(FrmMainGui, ShowChronologicalJDsKeepsTheWindowsSize) {
    Started s;
    FrmMain& w = s.window;
    for (int country : {0, 1, 2}) {
        w.cboRefLong->setCurrentIndex(country);
        emit w.cboRefLong->activated(country);
        QApplication::processEvents();
        const QSize before = w.size();
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(w.chkShowCJDs, Qt::LeftButton);
            QApplication::processEvents();
            EXPECT_EQ(w.size(), before) << "country " << country << ", click " << click;
        }
    }
}

TEST(FrmMainGui, TheLongitudeListOpensWithFifteenRowsAndAScrollBar) {
    Started s;
    s.window.cboLongitude->showPopup();
    QAbstractItemView* list = s.window.cboLongitude->view();
    EXPECT_NEAR(double(list->viewport()->height()) / list->sizeHintForRow(0), FrmMain::ListRows, 1.0);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
}

TEST(FrmMainGui, TheWindowResizesWithoutOverlappingControls) {
    Started s;
    FrmMain& w = s.window;
    const QList<QWidget*> all = w.findChildren<QWidget*>();
    int pairs = 0;
    for (QSize size : {w.minimumSizeHint(), QSize(1400, 1000), QSize(2000, 1300)}) {
        w.resize(size);
        QApplication::processEvents();
        EXPECT_GE(w.width(), w.minimumSizeHint().width());
        // Siblings shown side by side must not cover each other.
        for (QWidget* a : all)
            for (QWidget* b : all) {
                if (a >= b || a->parentWidget() != b->parentWidget() || !a->isVisible() || !b->isVisible()) continue;
                if (a->objectName().isEmpty() && b->objectName().isEmpty()) continue;  // parts of one widget
                ++pairs;
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString() << " at "
                    << size.width() << "x" << size.height();
            }
    }
    EXPECT_GT(pairs, 100);
}

TEST(FrmMainGuiKeys, F1InTheDateBoxOnNowOrOnHelpAsksForHelp) {
    Started s;
    FrmMain& w = s.window;
    int requests = 0;
    QObject::connect(&w, &FrmMain::helpRequested, [&requests] { ++requests; });
    for (QWidget* target : std::initializer_list<QWidget*>{w.txbDate, w.cmdNow, w.cmdHelp}) {
        target->setFocus();
        QTest::keyRelease(target, Qt::Key_F1);
    }
    EXPECT_EQ(requests, 3);
    w.txbTime->setFocus();
    QTest::keyRelease(w.txbTime, Qt::Key_F1);  // not from the Time box
    EXPECT_EQ(requests, 3);
}

TEST(FrmMainGuiKeys, TypingInTheTimeBoxKeepsTheFocusThere) {
    Started s;
    FrmMain& w = s.window;
    w.activateWindow();
    w.txbTime->setFocus();
    QTest::keyClicks(w.txbTime, "9.30");
    EXPECT_EQ(w.txbTime->text(), "9.30");
    EXPECT_EQ(w.focusWidget(), w.txbTime);
    // After Convert the model's focus (the date box) is given once.
    QTest::keyClicks(w.txbDate, "2001-12-31 CE");
    QTest::mouseClick(w.cmdCompute, Qt::LeftButton);
    EXPECT_EQ(w.txbTime->text(), "9:30");
    EXPECT_EQ(w.focusWidget(), w.txbDate);
    w.txbTime->setFocus();
    QTest::keyClicks(w.txbTime, "1");
    EXPECT_EQ(w.focusWidget(), w.txbTime);
}
