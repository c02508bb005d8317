#pragma once
// Points the per-user settings store at a fresh temporary folder for one
// test, so that no test reads or writes the real user settings.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <string>

namespace orbel::testing {

class TemporarySettings {
public:
    TemporarySettings() { PointAt(dir_.path()); }
    ~TemporarySettings() { PointAt(dir_.path() + "/gone"); }

    static void PointAt(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }
    QString Folder() const { return dir_.path(); }
    // The file the store keeps the maker's settings in.
    QString StoreFile() const { return dir_.path() + "/Corvane Systems.conf"; }
    std::string StoreFileText() const {
        QFile file(StoreFile());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll().toStdString();
    }

private:
    QTemporaryDir dir_;
};

}  // namespace orbel::testing
