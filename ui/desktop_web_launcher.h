#pragma once
// Opens web addresses with the desktop's default browser (QtGui).
#include "support/web_link.h"

namespace orbel {

class DesktopWebLauncher : public WebPageLauncher {
public:
    // QDesktopServices reports no reason for a failure; the usual one on a
    // desktop is that no program handles the address, so that is the code.
    int32_t Launch(const std::string& address) override;
};

}  // namespace orbel
