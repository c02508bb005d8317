// orbel: the desktop program.
#include <QApplication>

#include "ui/program.h"
#include "ui/qt_user_port.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Corvane Systems");
    QApplication::setApplicationName("ORBEL");
    // --tray: start as an icon in the desktop's panel, the window hidden.
    const bool inPanel = QCoreApplication::arguments().contains("--tray");
    orbel::QtUserPort port;
    const std::unique_ptr<orbel::ProgramSession> program =
        orbel::StartProgram(port, orbel::DefaultProgramPaths(), [] { QCoreApplication::quit(); }, inPanel);
    if (!program) return 1;
    port.SetParent(&program->window);
    return app.exec();
}
