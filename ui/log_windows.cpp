#include "ui/log_windows.h"

#include <QStandardPaths>

#include "app/log_connection.h"

namespace orbel {

LogWindows::LogWindows(MainWindowModel& main, FrmMain& mainWindow, UserPort& port)
    : logModel(port), preferencesModel(), frmLog(logModel), frmLogPreferences(preferencesModel, &mainWindow) {
    ConnectLog(main, logModel, preferencesModel);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty()) logModel.saveFolder = documents.toStdString() + "/";
    // An event in any of the three windows may change the other two.
    QObject::connect(&mainWindow, &FrmMain::acted, &frmLog, [this] { MirrorLogWindows(); });
    frmLog.afterAct = [&mainWindow] { mainWindow.Mirror(); };
    frmLogPreferences.afterAct = [&mainWindow] { mainWindow.Mirror(); };
}

void LogWindows::MirrorLogWindows() {
    frmLog.Mirror();
    frmLogPreferences.Mirror();
}

}  // namespace orbel
