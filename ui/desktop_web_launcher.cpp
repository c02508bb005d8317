#include "ui/desktop_web_launcher.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace orbel {

int32_t DesktopWebLauncher::Launch(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    if (!url.isValid()) return LaunchFailed;
    return QDesktopServices::openUrl(url) ? LaunchSucceeded : LaunchNoAssociation;
}

}  // namespace orbel
