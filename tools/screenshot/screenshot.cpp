// Starts the main window on the present moment (or on the date given),
// waits for it to be drawn, and saves a picture of it: the screenshot in the
// README is made with
//   xvfb-run -s "-screen 0 1600x1200x24" build/bin/orbel-screenshot docs/main-window.png "2012-01-23 CE"
// A country index (0 Vietnam .. 3 Korea) and a names code (en, hans, hant,
// vi, ja, ko) may follow the date.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "app/main_window_model.h"
#include "engine/names.h"
#include "support/scripted_user_port.h"
#include "ui/frm_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: orbel-screenshot OUT.png [DATE [COUNTRY [NAMES]]]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    orbel::ScriptedUserPort port;
    orbel::MainWindowModel model(port);
    model.programFolder = QDir(QApplication::applicationDirPath()).absolutePath().toStdString() + "/";
    orbel::FrmMain window(model);
    const std::optional<orbel::Names> names = orbel::NamesFromCode(argc > 4 ? argv[4] : "en");
    if (!names) {
        std::fprintf(stderr, "orbel-screenshot: unknown names '%s'\n", argv[4]);
        return 2;
    }
    model.Load(argc > 3 ? argv[3] : "", std::to_string(static_cast<int>(*names)));
    if (argc > 2) {
        model.SetDateText(argv[2]);
        model.cmdCompute_Click();
    }
    window.Mirror();
    window.show();
    window.Mirror();
    QTimer::singleShot(800, [&] {
        const bool ok = window.grab().save(out);
        app.exit(ok ? 0 : 1);
    });
    return app.exec();
}
