// The move controls of the real main window: Move, one day, and a repeated
// move paced by the window's timer with Pause, Resume and Stop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/scripted_user_port.h"
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
    const QString before = Lunar(w);
    w.cmdMove->click();  // CHL month forward
    EXPECT_NE(Lunar(w), before);
    EXPECT_EQ(Lunar(w).mid(6, 2), "12") << Lunar(w).toStdString();  // 1999-12-25 lies in the eleventh month
    const QString ce = w.lblCommonEraDate.value->text();
    w.optBack->click();
    w.cmdMoveOneDay->click();
    EXPECT_EQ(w.lblCommonEraDate.value->text().left(10), QString("2000-01-30"));
    EXPECT_NE(w.lblCommonEraDate.value->text(), ce);
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
    w.move().Stepped = [&steps] { ++steps; };
    struct Seen {
        bool frame = false, moveEnabled = true, paused = false, resumed = false;
    } seen;
    s.port.onProcessEvents = [&](int) {
        QCoreApplication::processEvents();  // the window's timer ticks here
        if (steps == 2 && !seen.paused) {
            seen.frame = w.fraStopPauseResume->isVisible();
            seen.moveEnabled = w.cmdMove->isEnabled();
            w.cmdPauseResume->click();
            seen.paused = w.cmdPauseResume->text() == "Resume" && w.cboRefreshPeriod->isVisible();
            w.cmdPauseResume->click();
            seen.resumed = w.cmdPauseResume->text() == "Pause" && !w.cboRefreshPeriod->isVisible();
        }
        if (steps == 3) w.cmdStop->click();
    };
    w.cboRefreshPeriod->setCurrentIndex(0);  // 0.5 s
    s.model.cboRefreshPeriod.listIndex = 0;
    w.cmdMove->click();
    EXPECT_TRUE(seen.frame);
    EXPECT_FALSE(seen.moveEnabled);
    EXPECT_TRUE(seen.paused);
    EXPECT_TRUE(seen.resumed);
    EXPECT_EQ(steps, 3);
    EXPECT_DOUBLE_EQ(s.model.state.CurrentAJD, start + 3);
    EXPECT_FALSE(w.fraStopPauseResume->isVisible());
    EXPECT_TRUE(w.cmdMove->isEnabled());
    EXPECT_FALSE(w.chkRepeatedly->isChecked());
}
