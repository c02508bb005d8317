#include "ui/log_windows.h"

#include <QDir>
#include <QStandardPaths>

#include "app/log_connection.h"

namespace orbel {

LogWindows::LogWindows(MainWindowModel& main, FrmMain& mainWindow, UserPort& port)
    : logModel(port), preferencesModel(), frmLog(logModel), frmLogPreferences(preferencesModel, &mainWindow) {
    ConnectLog(main, logModel, preferencesModel);
    // The save-file dialog opens in the documents folder, or at home when
    // there is none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    logModel.saveFolder = folder.toStdString() + "/";
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
