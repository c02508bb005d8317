#include "support/web_link.h"

#include <cctype>

#include <QDir>
#include <QString>
#include <QUrl>

#include "dates/date_text.h"
#include "support/qt_text.h"

namespace orbel {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

std::string DocumentationAddress(std::string_view programFolder) {
    const QString manual = QDir(ToQString(programFolder)).absoluteFilePath(ToQString(UserManualFile));
    return QUrl::fromLocalFile(manual).toString().toStdString();
}

}  // namespace

std::string SecureAddress(std::string_view address) {
    if (!StartsWithNoCase(address, "http:")) return std::string(address);
    return "https:" + std::string(address.substr(5));
}

std::string AddressExtension(std::string_view address) {
    address = address.substr(0, address.find_first_of("?#"));
    const size_t slash = address.find_last_of('/');
    const std::string_view last = slash == std::string_view::npos ? address : address.substr(slash + 1);
    const size_t dot = last.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(last.substr(dot + 1));
}

std::string WebLaunchFailureMessage(int32_t result, std::string_view extension) {
    std::string text = "Error launching web browser, error code =";
    text += SignedNumberStr(result) + ".";
    if (result == LaunchNoAssociation)
        text += "\r\nFile extension '" + std::string(extension) + "' is not associated with any application program.";
    else if (result == LaunchOutOfMemory)
        text += "\r\nOut of memory.";
    else if (result == LaunchNotFound)
        text += "\r\nPlease try once more.";
    return text;
}

bool OpenWebPage(std::string_view address, WebPageLauncher& launcher, const MessageCallback& show) {
    const std::string secure = SecureAddress(address);
    const std::string extension = AddressExtension(secure);
    const int32_t result = launcher.Launch(secure);
    if (result > 32) return true;
    if (show) show(SupportMessage{std::string(WebLaunchFailureTitle), WebLaunchFailureMessage(result, extension), true});
    return false;
}

std::string MakerSiteAddress(std::string_view programFolder) { return DocumentationAddress(programFolder); }
std::string OnlineManualAddress(std::string_view programFolder) { return DocumentationAddress(programFolder); }

}  // namespace orbel
