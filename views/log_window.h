#pragma once
// The log window (frmLog) without a screen: the log's text, locked against
// typing, with Clear log, the copy button, "Save log..." and Close. The main
// window adds entries through AddToLog and AutoLog. The log lives as long as
// the program runs; a log whose text has not been saved is never dropped
// without asking first.
#include <cstdint>
#include <functional>
#include <string>

#include "support/controls.h"
#include "support/user_port.h"
#include "views/log_entry.h"

namespace orbel {

inline constexpr std::string_view LogClearTitle = "Clear log";
inline constexpr std::string_view LogClearQuestion = "Erase all data in the log?";
inline constexpr std::string_view LogFrameCloseTitle = "X";
inline constexpr std::string_view LogFrameCloseWarning =
    "Closing the log window in this way\r\n causes its contents to be lost.\r\n\r\n"
    "To preserve the contents\r\nuse the 'Close' button.";
inline constexpr std::string_view LogSaveTitle = "Save log";
inline constexpr std::string_view LogUnsavedQuestion = "The log holds entries that have not been saved.\r\n\r\n"
                                                       "Save the log before it is lost?";
inline constexpr std::string_view LogFileFilter = "Text files (*.txt);;All files (*)";
inline constexpr std::string_view LogFileName = "orbel-log.txt";

class LogWindowModel {
public:
    explicit LogWindowModel(UserPort& port);

    // Appends the entry for `moment`, headed by `mainCaption` and an empty
    // line when the log is empty. False (and nothing written) when no group
    // of the preferences is ticked.
    bool AddToLog(const DisplayedMoment& moment, const LogPreferences& preferences, std::string_view mainCaption);
    // With Auto log ticked and suppressAutoLog clear: the operation's line
    // (when it has one), then the entry. False when nothing was written.
    bool AutoLog(int16_t operation, bool autoLogTicked, const LogOperationControls& controls,
                 const DisplayedMoment& moment, const LogPreferences& preferences, std::string_view mainCaption);

    void Show();
    // Clear log: OK empties the log and closes the window.
    void cmdClear_Click();
    // Hides the window; the log is kept.
    void cmdClose_Click();
    // The selection, or the whole log when nothing is selected.
    void cmdCopyToClipboard_Click();
    // The left mouse button released in the text: the copy button names
    // what it will copy.
    void txbText_MouseUp();
    // "Save log...": the log as a UTF-8 text file through the save-file
    // dialog. True when the file was written.
    bool cmdSaveLog_Click();
    // Closing by the window's frame: with unsaved text the person chooses
    // to save, discard or keep the window open; otherwise the frame's
    // warning is shown. True when the window closes (and the log is gone).
    bool Form_QueryUnload();
    // Before the program ends: false when the person keeps it running.
    bool QueryEndProgram();

    const std::string& Text() const { return txbText.text; }
    bool HasUnsavedText() const { return unsaved_; }

    // Set by its owner to keep AutoLog from writing; clear otherwise.
    bool suppressAutoLog = false;
    // The folder the save-file dialog opens in, ending with a separator.
    std::string saveFolder;
    // The main window hides View log and Clear log (the log is empty), shows
    // them (an entry was added) and takes the focus back (the window was
    // closed).
    std::function<void()> onEmptied = [] {};
    std::function<void()> onEntryAdded = [] {};
    std::function<void()> onClosed = [] {};

    std::string caption;  // "Log for " and the program title
    bool visible = false;
    std::string focus;           // name of the control that has the focus
    TextBox txbText;             // selStart is the caret
    std::string selectedText;    // the text selected in txbText, lines ended CRLF
    Button cmdClear, cmdCopyToClipboard, cmdSaveLog, cmdClose;

private:
    bool AutoLogOrAdd(std::string_view operationLine, const DisplayedMoment& moment, const LogPreferences& preferences,
                      std::string_view mainCaption);
    void Append(std::string_view text);
    void Empty();
    // Asks to save unsaved text; false when the person cancels.
    bool SaveOrDiscard();

    UserPort& port_;
    bool unsaved_ = false;  // entries added since the log was last saved
};

}  // namespace orbel
