// The panel icon's side of the running program, on a screen without a panel.
#include <gtest/gtest.h>

#include "tests/gui/program_run.h"
#include "views/calendar_month.h"

using namespace orbel;

namespace {

class TodayPanelGui : public orbel::testing::ProgramRun {};

TEST_F(TodayPanelGui, WithoutAPanelTheWindowShowsSaysSoOnceAndTheMenuOpensToday) {
    program.reset();
    port = std::make_unique<ScriptedUserPort>();
    program = StartProgram(*port, paths, [] {}, /*inPanel=*/true);
    ASSERT_TRUE(program);
    EXPECT_TRUE(Main().isVisible());
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_EQ(port->messages[0].title, NoPanelTitle);
    EXPECT_EQ(port->messages[0].text, NoPanelText);
    // Off, then on again: the desktop still has no panel, and that was said.
    Main().chkShowInPanel->click();
    Main().chkShowInPanel->click();
    EXPECT_EQ(port->messages.size(), 1u);
    EXPECT_TRUE(Main().chkShowInPanel->isChecked());

    const QList<QAction*> menu = program->panel->icon().contextMenu()->actions();
    ASSERT_EQ(menu[1]->text().toStdString(), OpenMonthText);
    menu[1]->trigger();
    ASSERT_TRUE(program->calendar);
    const LocalDay today = program->panel->model().facts.day;
    EXPECT_EQ(program->calendar->model().lngCJDN,
              LunarMonthStart(today.jdn - today.zoneMinutes / 1440.0, program->model.Settings()));
    Convert("2000-01-01 CE");
    menu[0]->trigger();  // Open on today
    EXPECT_NEAR(program->model.state.CurrentAJD, today.jdn, 1.0);
}

}  // namespace
