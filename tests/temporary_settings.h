#pragma once
// Points the per-user settings store at a fresh temporary folder for one
// test, so that no test reads or writes the real user settings.
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
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
    // The file the store keeps the maker's settings in.
    std::string StoreFileText() const {
        std::ifstream in((dir_.path() + "/Corvane Systems.conf").toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Points the store at a folder that cannot be created: its parent is an
    // ordinary file (permissions alone do not stop a test running as root).
    void MakeUnwritable() const {
        std::ofstream((dir_.path() + "/blocker").toStdString()) << "x";
        PointAt(dir_.path() + "/blocker/settings");
    }

private:
    QTemporaryDir dir_;
};

}  // namespace orbel::testing
