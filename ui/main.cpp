// orbel: the desktop program.
#include <QApplication>
#include <QDir>

#include "app/main_window_model.h"
#include "ui/frm_main.h"
#include "ui/qt_user_port.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Corvane Systems");
    QApplication::setApplicationName("ORBEL");

    orbel::QtUserPort port;
    orbel::MainWindowModel model(port);
    model.state.ProgramFolder = QDir(QApplication::applicationDirPath()).absolutePath().toStdString() + "/";
    orbel::FrmMain window(model);
    port.SetParent(&window);
    QObject::connect(&window, &orbel::FrmMain::quitRequested, &app, &QApplication::quit);

    model.Load("");
    window.Mirror();
    window.show();
    window.Mirror();  // focus needs the window on screen
    return app.exec();
}
