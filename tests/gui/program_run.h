#pragma once
// The whole program started as a person starts it, from the built program's
// folder, with settings and state file in temporary folders of the test.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "support/scripted_user_port.h"
#include "tests/temporary_settings.h"
#include "ui/program.h"

namespace orbel::testing {

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Restart();
        ASSERT_TRUE(program);
    }
    // Ends the running program, if any, and starts it again with a fresh port.
    void Restart() {
        program.reset();
        port = std::make_unique<ScriptedUserPort>();
        ended = false;
        program = StartProgram(*port, paths, [this] { ended = true; });
    }
    FrmMain& Main() { return program->window; }
    // Types `date` into the date box and presses Convert.
    void Convert(const QString& date) {
        Main().txbDate->clear();
        QTest::keyClicks(Main().txbDate, date);
        QTest::mouseClick(Main().cmdCompute, Qt::LeftButton);
    }

    TemporarySettings settings;
    QTemporaryDir dir;
    ProgramPaths paths{ORBEL_PROGRAM_FOLDER "/", (dir.path() + "/orbel.usr").toStdString()};
    std::unique_ptr<ScriptedUserPort> port;
    std::unique_ptr<ProgramSession> program;
    bool ended = false;
};

// Chooses item `index` of a list as a click would.
inline void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace orbel::testing
