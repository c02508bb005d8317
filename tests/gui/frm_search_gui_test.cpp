// Search in the real main window and the multiple element-animal search
// window it opens, driven through their widgets.
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
        model.Load("");
        window.Mirror();
        window.show();
        window.Mirror();
    }
    void ChooseTarget(int index) {
        window.cboTarget->setCurrentIndex(index);
        emit window.cboTarget->activated(index);
    }
};

}  // namespace

TEST(FrmSearchGui, TheMultipleSearchWindowOpensSearchesAndCloses) {
    Started s;
    FrmMultipleElAn& w = *s.window.frmMultiple;
    s.ChooseTarget(20);
    QTest::mouseClick(s.window.cmdSearch, Qt::LeftButton);
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Search for multiple element-animal");
    EXPECT_EQ(w.Label1[2]->text(), "Search for the next");

    // Only the day's animal: a monkey day within twelve days.
    w.cboAnimal[0]->setCurrentIndex(8);
    emit w.cboAnimal[0]->activated(8);
    QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(s.window.lblElementAnimalOfDay.value->text().endsWith("-monkey day"))
        << s.window.lblElementAnimalOfDay.value->text().toStdString();
    EXPECT_TRUE(s.window.cmdMove->isEnabled());

    // Open again: the choice is kept; Close hides the window and moves nothing.
    const QString shown = s.window.lblAstronomicalJulianDate.value->text();
    QTest::mouseClick(s.window.cmdSearch, Qt::LeftButton);
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.cboAnimal[0]->currentIndex(), 8);
    QTest::mouseClick(w.cmdClose, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(s.window.lblAstronomicalJulianDate.value->text(), shown);
}
