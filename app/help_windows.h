#pragma once
// The help window (frmHelp) and the credits window (frmCredits) without a
// screen: a caption, a fixed text and their buttons. Credits on the help
// window opens the credits window; Close closes the window it is on.
#include <string>

#include "support/controls.h"
#include "app/help_texts.h"
#include "app/program_version.h"

namespace orbel {

struct HelpWindowModel {
    HelpWindowModel() {
        txbHelp.text = HelpText;
        cmdCredits.caption = CreditsButtonCaption;
        cmdClose.caption = CloseButtonCaption;
    }
    std::string caption{HelpCaption};
    TextBox txbHelp;  // read-only
    Button cmdCredits, cmdClose;
};

// The credits begin with the program's name and version.
struct CreditsWindowModel {
    CreditsWindowModel() {
        txbCredits.text = "Orbel " + std::string(ProgramVersion) + "\n\n" + std::string(CreditsText);
        cmdClose.caption = CloseButtonCaption;
    }
    std::string caption{CreditsCaption};
    TextBox txbCredits;  // read-only
    Button cmdClose;
};

}  // namespace orbel
