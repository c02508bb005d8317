#pragma once
// weblink: opens a web page in the user's browser and explains a failure.
// Opening an address needs the desktop (QDesktopServices, in QtGui), so it is
// behind WebPageLauncher; the program's launcher lives in ui/.
#include <cstdint>
#include <string>
#include <string_view>

#include "support/support_message.h"

namespace orbel {

inline constexpr std::string_view WebLaunchFailureTitle = "Cannot launch web browser";

// Launcher result codes, those of the Windows shell's ShellExecute: above 32
// success; 31 no program is associated with the address; 8 out of memory; 2
// not found (worth another try); any other value up to 32 a failure without
// details.
inline constexpr int32_t LaunchSucceeded = 33;
inline constexpr int32_t LaunchNoAssociation = 31;
inline constexpr int32_t LaunchOutOfMemory = 8;
inline constexpr int32_t LaunchNotFound = 2;
inline constexpr int32_t LaunchFailed = 0;  // no details

class WebPageLauncher {
public:
    virtual ~WebPageLauncher() = default;
    // Asks the system to open `address`; returns a result code as above.
    virtual int32_t Launch(const std::string& address) = 0;
};

// The address with an "http:" scheme turned into "https:". Only the scheme:
// an "http:" further on (say, inside a query) is part of what is asked for.
std::string SecureAddress(std::string_view address);

// The text after the last "." of the address's last path part (query and
// fragment left out), or the empty text.
std::string AddressExtension(std::string_view address);

// The message for a failed launch with result `result`.
std::string WebLaunchFailureMessage(int32_t result, std::string_view extension);

// Opens `address` through `launcher`; on failure `show` receives the message,
// titled "Cannot launch web browser", with the exclamation symbol. True when
// the page was opened.
bool OpenWebPage(std::string_view address, WebPageLauncher& launcher, const MessageCallback& show);

// The user manual beside the program, an HTML page that any desktop opens
// with its browser (the build and the installation put it there).
inline constexpr std::string_view UserManualFile = "manual.html";

// The two web labels' addresses: the maker's site and the user manual. Both
// are the user manual's file address.
std::string MakerSiteAddress(std::string_view programFolder);
std::string OnlineManualAddress(std::string_view programFolder);

// Tool tips of the two labels, each followed by a blank and the address.
inline constexpr std::string_view MakerSiteToolTip = "Click for the Corvane Systems website at";
inline constexpr std::string_view OnlineManualToolTip = "Click for the online user manual at";

}  // namespace orbel
