#include "support/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "support/qt_text.h"

namespace orbel {
namespace {

QString EntryPath(std::string_view folder) {
    return QDir(ToQString(folder)).filePath(ToQString(AutostartFileName));
}

}  // namespace

std::string AutostartFolder() {
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config without it.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("autostart")
        .toStdString();
}

std::string AutostartCommand(std::string_view program) {
    // freedesktop.org's desktop entries, "The Exec key": an argument holding a
    // reserved character is quoted, and inside the quotes ", `, $ and \ take a
    // backslash; % is doubled everywhere. The string-value escape of the file
    // then doubles every backslash.
    static constexpr std::string_view Reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    for (const char c : program) {
        if (c == '%') argument += '%';
        argument += c;
    }
    if (argument.find_first_of(Reserved) != std::string::npos) {
        std::string quoted = "\"";
        for (const char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += "\\\\";
            quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
        }
        argument = quoted + "\"";
    }
    return argument + " --tray";
}

std::string AutostartEntryText(std::string_view program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbel\n"
           "Comment=Today's lunar date in the panel\n"
           "Exec=" + AutostartCommand(program) + "\n"
           "Icon=orbel\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool WriteAutostartEntry(std::string_view folder, std::string_view program) {
    if (!QDir().mkpath(ToQString(folder))) return false;
    QSaveFile file(EntryPath(folder));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string text = AutostartEntryText(program);
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool RemoveAutostartEntry(std::string_view folder) {
    const QString path = EntryPath(folder);
    return !QFileInfo::exists(path) || QFile::remove(path);
}

bool AutostartEntryExists(std::string_view folder) { return QFileInfo::exists(EntryPath(folder)); }

std::string AutostartProgram(std::string_view runningProgramPath) {
    const QString running = QFileInfo(ToQString(runningProgramPath)).canonicalFilePath();
    const QString onPath = QStandardPaths::findExecutable("orbel");
    if (!onPath.isEmpty() && QFileInfo(onPath).canonicalFilePath() == running) return "orbel";
    return running.isEmpty() ? std::string(runningProgramPath) : running.toStdString();
}

}  // namespace orbel
