#pragma once
// What the windows need from the person at the screen: message boxes, yes/no
// questions, the clipboard and a chance for the event loop to run. The Qt
// program implements it with real dialogs; tests and orbel-cli script it.
#include <string>
#include <string_view>

namespace orbel {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

// The answer to "save it first?" before something unsaved is lost.
enum class SaveChoice { Save, Discard, Cancel };

class UserPort {
public:
    virtual ~UserPort() = default;
    // A message box with an OK button.
    virtual void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) = 0;
    // A message box with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(std::string_view title, std::string_view text, MessageIcon icon) = 0;
    // A message box with OK and Cancel buttons; true for OK.
    virtual bool AskOkCancel(std::string_view title, std::string_view text, MessageIcon icon) = 0;
    // A question with Save, Discard and Cancel buttons.
    virtual SaveChoice AskSaveDiscardCancel(std::string_view title, std::string_view text) = 0;
    // The save-file dialog: the path chosen, or empty when it was cancelled.
    // `filter` is a dialog filter such as "PNG image (*.png)".
    virtual std::string AskSaveFileName(std::string_view title, std::string_view suggestedPath,
                                        std::string_view filter) = 0;
    virtual void SetClipboardText(std::string_view text) = 0;
    virtual std::string ClipboardText() const = 0;
    // Lets pending window events (repaints, Stop and Pause clicks) be handled
    // in the middle of a long loop.
    virtual void ProcessEvents() = 0;
    // The busy pointer over the program's windows while a long operation runs.
    virtual void SetBusy(bool busy) = 0;
};

}  // namespace orbel
