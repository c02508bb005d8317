#include "support/file_utilities.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include "support/qt_text.h"

namespace orbel {
namespace {

std::string Join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !path.ends_with('/') && !path.ends_with('\\')) path += '/';
    return path + std::string(name);
}

bool UsableFolder(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable();
}

}  // namespace

std::string SpecialFolderPath(int32_t id) {
    QStandardPaths::StandardLocation location;
    switch (id) {
        case DesktopFolder: location = QStandardPaths::DesktopLocation; break;
        case DocumentsFolder: location = QStandardPaths::DocumentsLocation; break;
        case AppDataFolder:
        case LocalAppDataFolder: location = QStandardPaths::GenericDataLocation; break;
        default: return {};
    }
    return QStandardPaths::writableLocation(location).toStdString();
}

std::string FirstReadyDrive() {
    if (UsableFolder(QDir::homePath())) return QDir::homePath().toStdString();
    if (UsableFolder(QDir::tempPath())) return QDir::tempPath().toStdString();
    return {};
}

bool IsDirectory(std::string_view path) {
    const QString trimmed = ToQString(path).trimmed();
    return !trimmed.isEmpty() && QFileInfo(trimmed).isDir();
}

std::string DataFilePathIn(std::string_view base, std::string_view fallbackBase, std::string_view file,
                           std::string_view folder) {
    const std::string folderPath = Join(base.empty() ? fallbackBase : base, folder);
    if (!IsDirectory(folderPath)) QDir().mkpath(QString::fromStdString(folderPath));
    return Join(folderPath, file);
}

std::string DataFilePath(std::string_view file, std::string_view folder) {
    const std::string base = SpecialFolderPath(AppDataFolder);
    return DataFilePathIn(base, base.empty() ? FirstReadyDrive() : std::string(), file, folder);
}

std::string DefaultStateFilePath() { return DataFilePath(StateFileName, MakerFolderName); }

}  // namespace orbel
