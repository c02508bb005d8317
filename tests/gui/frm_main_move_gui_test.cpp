// The move controls of the real main window: Move, one day, and a repeated
// move paced by the window's timer with Pause, Resume and Stop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "support/scripted_user_port.h"
#include "ui/frm_main.h"

using namespace orbel;

namespace {

struct Started {
    ScriptedUserPort port;
    MainWindowModel model{port};
    FrmMain window{model};
    Started() {
        model.clock = [] { return 2451545.0; };
        model.Load("1");
        window.Mirror();
        window.show();
        window.Mirror();
    }
};

QString Lunar(FrmMain& w) { return w.lblChineseLunarDate.value->text(); }

}  // namespace

TEST(FrmMainMoveGui, MoveAndOneDayChangeTheDisplay) {
    Started s;
    FrmMain& w = s.window;
    EXPECT_FALSE(w.fraStopPauseResume->isVisible()) << "Stop and Pause are hidden at rest";
    w.cmdMove->click();  // CHL month forward from 1999-12-25, in the eleventh month
    EXPECT_EQ(Lunar(w).mid(6, 2), "12") << Lunar(w).toStdString();
    w.optBack->click();
    w.cmdMoveOneDay->click();
    EXPECT_EQ(w.lblCommonEraDate.value->text().left(10), QString("2000-01-30"));
    EXPECT_EQ(w.focusWidget(), w.cmdMove);
}

TEST(FrmMainMoveGui, RepeatedMoveRunsPausesResumesAndStops) {
    Started s;
    FrmMain& w = s.window;
    w.cboMoveStep->setCurrentIndex(MoveDay);
    emit w.cboMoveStep->activated(MoveDay);
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
        if (steps == 3) w.cmdStop->click();
    };
    w.cboRefreshPeriod->setCurrentIndex(0);  // 0.5 s
    s.model.cboRefreshPeriod.listIndex = 0;
    w.cmdMove->click();
    EXPECT_TRUE(frameShown);
    EXPECT_TRUE(moveDisabled);
    EXPECT_EQ(steps, 3);
    EXPECT_DOUBLE_EQ(s.model.state.CurrentAJD, start + 3);
    EXPECT_FALSE(w.fraStopPauseResume->isVisible());
    EXPECT_TRUE(w.cmdMove->isEnabled());
    EXPECT_FALSE(w.chkRepeatedly->isChecked());
}
