// The real main window, driven through its widgets: the mirroring of its
// model, the events of its controls (Move and its timer, Search and the
// multiple search window), its layout and its focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QScrollBar>
#include <QTest>

#include <map>

#include "support/scripted_user_port.h"
#include "tests/gui/program_run.h"
#include "ui/frm_main.h"

using namespace orbel;
using orbel::testing::Choose;

namespace {

// The main window started on the stored country; at the present moment or
// at `now`.
struct Started {
    ScriptedUserPort port;
    MainWindowModel model{port};
    FrmMain window{model};
    explicit Started(std::string_view storedCountry = "", double now = 0) {
        if (now != 0) model.clock = [now] { return now; };
        model.Load(storedCountry);
        window.Mirror();
        window.show();
        window.Mirror();
    }
};

QString ValueOf(const FrmMain::Pair& pair) { return pair.value->text(); }

}  // namespace

// The first start mirrors the model's defaults; a country recolours the
// window and renames the zone, captions and animals. (The present moment at
// start: the program's test of a garbled state file; Enter in the date box:
// the log window's test.)
TEST(FrmMainGui, FirstStartMirrorsTheDefaultsAndTheCountryRecolours) {
    Started s;
    FrmMain& w = s.window;
    EXPECT_EQ(w.cboEpoch->currentText(), "-2696 = 2697 BC");
    EXPECT_TRUE(w.optForward->isChecked());
    EXPECT_EQ(w.windowTitle(), "The Chinese Calendar: New Years, Dark Moons and Solar Terms V.18.0");
    EXPECT_TRUE(s.port.messages.empty());
    const struct {
        int country;
        QColor back;
        const char *zone, *lunar;
        int animal;
        const char* animalText;
    } countries[] = {{1, QColor(192, 0, 0), "CCT", "Chinese Lunar", 11, "pig"},
                     {2, QColor(64, 64, 224), "JST", "Japanese Lunar", 11, "boar"},
                     {0, QColor(0, 128, 0), "ICT", "Vietnamese Lunar", 3, "cat"}};
    for (const auto& c : countries) {
        Choose(w.cboRefLong, c.country);
        EXPECT_EQ(w.palette().color(QPalette::Window), c.back);
        EXPECT_EQ(w.txbCCT->text(), c.zone);
        EXPECT_EQ(w.lblChineseLunarDate.caption->text(), c.lunar);
        EXPECT_EQ(w.cboAnimal->itemText(c.animal), c.animalText);
    }
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

TEST(FrmMainGui, TheLongitudeListOpensWithFifteenRowsAndAScrollBar) {
    Started s;
    s.window.cboLongitude->showPopup();
    QAbstractItemView* list = s.window.cboLongitude->view();
    EXPECT_NEAR(double(list->viewport()->height()) / list->sizeHintForRow(0), FrmMain::ListRows, 1.0);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
}

// Where every named control of the window stands, hidden ones included
// (those inside a hidden frame are not laid out yet).
std::map<std::string, std::string> Places(FrmMain& w) {
    std::map<std::string, std::string> places;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->window() != &w || c->objectName().isEmpty() || !c->parentWidget()->isVisible()) continue;
        const QPoint at = c->mapTo(&w, QPoint());
        places[c->objectName().toStdString() + (qobject_cast<ClickLabel*>(c) ? "" : " ")] =
            QString("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(c->width()).arg(c->height()).toStdString();
    }
    return places;
}

// The window keeps the size its contents ask for, whatever shows or hides:
// a search's progress, the multiple search, a repeated move (which hides the
// epoch, Now and the list buttons and shows Stop). No control covers another,
// and the Pantheon note keeps the rows' pitch below Delta T.
TEST(FrmMainGui, TheWindowKeepsItsSizeAndEveryControlItsPlace) {
    Started s("", 2451545.0);
    FrmMain& w = s.window;
    const QSize size = w.size();
    const std::map<std::string, std::string> places = Places(w);
    w.resize(size + QSize(300, 200));
    QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
    EXPECT_EQ(w.size(), size) << "after a search";
    Choose(w.cboTarget, 20);
    QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
    Choose(w.frmMultiple->cboAnimal[0], 8);
    QTest::mouseClick(w.frmMultiple->cmdSearch, Qt::LeftButton);
    w.frmMultiple->close();
    EXPECT_EQ(w.size(), size) << "after a multiple search";
    w.chkRepeatedly->click();
    int steps = 0;
    w.moveModel().Stepped = [&] {
        if (++steps < 2) return;
        EXPECT_TRUE(w.fraStopPauseResume->isVisible());
        const std::map<std::string, std::string> now = Places(w);
        for (const auto& [name, place] : places) EXPECT_EQ(now.at(name), place) << name << " during a repeated move";
        w.cmdStop->click();
    };
    s.port.onProcessEvents = [](int) { QCoreApplication::processEvents(); };
    Choose(w.cboRefreshPeriod, 0);
    w.cmdMove->click();
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(w.size(), size);

    const QList<QWidget*> all = w.findChildren<QWidget*>();
    int pairs = 0;
    for (QWidget* a : all)
        for (QWidget* b : all) {
            if (a >= b || a->parentWidget() != b->parentWidget() || !a->isVisible() || !b->isVisible()) continue;
            if (a->objectName().isEmpty() && b->objectName().isEmpty()) continue;  // parts of one widget
            ++pairs;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
        }
    EXPECT_GT(pairs, 100);
    const int pitch = w.lblDeltaT.value->y() - w.lblAstronomicalJulianDate.value->y();
    EXPECT_EQ(w.lblPantheonNote->y() - w.lblDeltaT.value->y(), pitch);
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

// Tab goes through the settings, the date, the values, the move and search
// controls and the buttons, each row by row from the left, and round again.
TEST(FrmMainGuiKeys, TabFollowsTheReadingOrder) {
    Started s("", 2451545.0);
    FrmMain& w = s.window;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.cboRefLong->setFocus();
    QStringList order;
    for (int i = 0; i < 60 && (order.empty() || w.focusWidget() != w.cboRefLong); ++i) {
        order << w.focusWidget()->objectName();
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(' ').toStdString(),
              "cboRefLong cboLongitude txbCCT cboEpoch cboMethod chkShowPAN chkShowCJDs chkAutoLog cboNames chkAsObserved chkShowInPanel chkStartWithDesktop "
              "txbDate txbTime cboTimeZone txbPlusMinus optPlus optMinus cboElement cboAnimal "
              "cmdCompute cmdNow cmdClearDate cmdReset "
              "lblCommonEraDate lblJulianCalendarDate lblChineseLunarDate lblChineseSolarDate "
              "lblPantheonCalendarGMT lblPantheonCalendarCCT lblAstronomicalJulianDate "
              "cboMoveStep optForward optBack chkRepeatedly cmdMove cmdMoveOneDay cboTarget cboFestival optNext optPrevious "
              "cmdSearch cmdDisplayYearData cmdListLunarNewYears cmdListLeapMonths cmdListJulianCENewYears cmdListFestivals "
              "cmdDisplayCalendar cmdAddToLog cmdLogPreferences cmdSaveState cmdRestoreState cmdCalendarExport cmdHelp cmdQuit");
}

// Arrowing through a closed list looks at its items and keeps the focus
// there; closing the list by a choice sends the focus on.
TEST(FrmMainGuiKeys, AClosedListKeepsTheFocusUntilAChoiceClosesIt) {
    Started s("", 2451545.0);
    FrmMain& w = s.window;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (auto [list, next] : {std::pair{w.cboMoveStep, w.cmdMove}, {w.cboTarget, w.cmdSearch}, {w.cboEpoch, w.cmdNow}}) {
        list->setFocus();
        const int first = list->currentIndex();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentIndex(), first + 1) << list->objectName().toStdString();
        EXPECT_EQ(w.focusWidget(), list) << list->objectName().toStdString();
        Choose(list, first);
        EXPECT_EQ(w.focusWidget(), next) << list->objectName().toStdString();
    }
    EXPECT_EQ(s.model.cboMoveStep.listIndex, MoveCHLMonth);
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

// A repeated move paced by the window's timer, with Pause, Resume and Stop
// (Escape); then one day back, shown at once.
TEST(FrmMainMoveGui, RepeatedMoveRunsPausesResumesAndStopsThenOneDayBack) {
    Started s("1", 2451545.0);
    FrmMain& w = s.window;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_FALSE(w.fraStopPauseResume->isVisible()) << "Stop and Pause are hidden at rest";
    Choose(w.cboMoveStep, MoveDay);
    w.chkRepeatedly->click();
    const double start = s.model.state.CurrentAJD;
    int steps = 0;
    w.moveModel().Stepped = [&steps] { ++steps; };
    bool frameShown = false, moveDisabled = false;
    s.port.onProcessEvents = [&](int) {
        QCoreApplication::processEvents();  // the window's timer ticks here
        if (steps == 2 && !frameShown) {
            frameShown = w.fraStopPauseResume->isVisible();
            moveDisabled = !w.cmdMove->isEnabled();
            w.cmdPauseResume->click();
            w.cmdPauseResume->click();
        }
        if (steps == 3) QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
    };
    Choose(w.cboRefreshPeriod, 0);  // 0.5 s
    w.cmdMove->click();
    EXPECT_TRUE(frameShown);
    EXPECT_TRUE(moveDisabled);
    EXPECT_DOUBLE_EQ(s.model.state.CurrentAJD, start + 3);  // three day steps
    EXPECT_FALSE(w.fraStopPauseResume->isVisible());
    EXPECT_TRUE(w.cmdMove->isEnabled());
    EXPECT_FALSE(w.chkRepeatedly->isChecked());
    w.optBack->click();
    w.cmdMoveOneDay->click();
    EXPECT_EQ(ValueOf(w.lblCommonEraDate).left(10), QString("2000-01-03"));
    EXPECT_EQ(w.focusWidget(), w.cmdMove);
}

TEST(FrmSearchGui, TheMultipleSearchWindowOpensSearchesAndCloses) {
    Started s("", 2451545.0);
    FrmMultipleElAn& w = *s.window.frmMultiple;
    Choose(s.window.cboTarget, 20);
    QTest::mouseClick(s.window.cmdSearch, Qt::LeftButton);
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Search for multiple element-animal");
    // Only the day's animal (the day found is the model's test's): the main
    // window shows another moment.
    const QString before = ValueOf(s.window.lblAstronomicalJulianDate);
    Choose(w.cboAnimal[0], 8);
    QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    const QString shown = ValueOf(s.window.lblAstronomicalJulianDate);
    EXPECT_NE(shown, before);
    // Open again: the choice is kept and the heading follows the direction
    // chosen in the main window; Escape closes the window and moves nothing.
    QTest::mouseClick(s.window.cmdSearch, Qt::LeftButton);
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.cboAnimal[0]->currentIndex(), 8);
    s.window.optPrevious->click();
    EXPECT_EQ(w.Label1[2]->text(), "Search for the previous");
    QTest::keyClick(w.cboWithin, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ValueOf(s.window.lblAstronomicalJulianDate), shown);
}
