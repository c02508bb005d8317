// Time from the start of the program to the first complete display of the
// main window (texts loaded, state restored or the present moment computed,
// window painted), cold: a fresh process each run, every memo empty.
//   QT_QPA_PLATFORM=offscreen build/bin/startup_time
// Prints the milliseconds of each phase.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

#include "support/scripted_user_port.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const qint64 appReady = clock.elapsed();
    QTemporaryDir dir;  // no saved state: the present moment is computed
    orbel::ScriptedUserPort port;
    orbel::ProgramPaths paths = orbel::DefaultProgramPaths();
    paths.stateFilePath = (dir.path() + "/orbel.usr").toStdString();
    const auto program = orbel::StartProgram(port, paths, [] {});
    if (!program) return 1;
    const qint64 started = clock.elapsed();
    program->window.repaint();  // paints every widget now
    QApplication::processEvents();
    const qint64 painted = clock.elapsed();
    std::printf("QApplication %lld ms, start-up to display %lld ms, painted %lld ms (total since process start %lld ms)\n",
                static_cast<long long>(appReady), static_cast<long long>(started - appReady),
                static_cast<long long>(painted - started), static_cast<long long>(painted));
    return 0;
}
