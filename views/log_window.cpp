#include "views/log_window.h"

#include "support/checked_writer.h"
#include "support/language.h"

namespace orbel {

namespace {

// The log keeps the window convention of CRLF line ends; a file on this
// platform ends its lines with LF alone.
std::string WithPlatformLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

}  // namespace

LogWindowModel::LogWindowModel(UserPort& port) : port_(port) {
    caption = "Log for " + ProgramText(TextProgramTitle);
    cmdClear.caption = "Clear log";
    cmdCopyToClipboard.caption = "Copy selected text to clipboard";
    cmdSaveLog.caption = "Save log...";
    cmdClose.caption = "Close";
    txbText.enabled = true;
}

void LogWindowModel::Append(std::string_view text) {
    txbText.text += text;
    txbText.selStart = static_cast<int>(txbText.text.size());
    unsaved_ = true;
}

void LogWindowModel::Empty() {
    txbText.text.clear();
    txbText.selStart = 0;
    selectedText.clear();
    unsaved_ = false;
    onEmptied();
}

bool LogWindowModel::AddToLog(const DisplayedMoment& moment, const LogPreferences& preferences,
                              std::string_view mainCaption) {
    return AutoLogOrAdd({}, moment, preferences, mainCaption);
}

bool LogWindowModel::AutoLog(int16_t operation, bool autoLogTicked, const LogOperationControls& controls,
                             const DisplayedMoment& moment, const LogPreferences& preferences,
                             std::string_view mainCaption) {
    if (operation < 1 || !autoLogTicked || suppressAutoLog) return false;
    return AutoLogOrAdd(AutoLogOperationLine(operation, controls), moment, preferences, mainCaption);
}

// The main window's caption heads the log, before the first entry however it
// came; an operation line without an entry after it is not written.
bool LogWindowModel::AutoLogOrAdd(std::string_view operationLine, const DisplayedMoment& moment,
                                  const LogPreferences& preferences, std::string_view mainCaption) {
    const std::string entry = LogEntry(moment, preferences);
    if (entry.empty()) return false;
    if (txbText.text.empty()) {
        Append(mainCaption);
        Append(LogLineEnd);
        Append(LogLineEnd);
    }
    if (!operationLine.empty()) {
        Append(operationLine);
        Append(LogLineEnd);
    }
    Append(entry);
    onEntryAdded();
    if (preferences.viewAfterAdding) Show();
    return true;
}

void LogWindowModel::Show() {
    visible = true;
    focus = "cmdClose";
}

void LogWindowModel::cmdClear_Click() {
    if (!port_.AskOkCancel(LogClearTitle, LogClearQuestion, MessageIcon::Question)) return;
    Empty();
    visible = false;
    onClosed();
}

void LogWindowModel::cmdClose_Click() {
    visible = false;
    onClosed();
}

void LogWindowModel::cmdCopyToClipboard_Click() {
    if (txbText.text.empty()) return;
    port_.SetClipboardText(selectedText.empty() ? txbText.text : selectedText);
    cmdCopyToClipboard.caption = ProgramText(TextLogCopyAll);
    focus = "cmdClose";
}

void LogWindowModel::txbText_MouseUp() {
    cmdCopyToClipboard.caption = ProgramText(selectedText.empty() ? TextLogCopyAll : TextLogCopySelection);
}

bool LogWindowModel::cmdSaveLog_Click() {
    if (txbText.text.empty()) return false;
    const std::string path =
        port_.AskSaveFileName(LogSaveTitle, saveFolder + std::string(LogFileName), LogFileFilter);
    if (path.empty()) return false;
    const FileWriteResult written = WriteFileChecked(path, WithPlatformLineEnds(txbText.text));
    if (!written.ok) {
        port_.ShowMessage(LogSaveTitle, "The log could not be saved to " + path + ":\r\n" + written.error,
                          MessageIcon::Exclamation);
        return false;
    }
    unsaved_ = false;
    return true;
}

bool LogWindowModel::SaveOrDiscard() {
    switch (port_.AskSaveDiscardCancel(LogSaveTitle, LogUnsavedQuestion)) {
    case SaveChoice::Save: return cmdSaveLog_Click();  // a cancelled dialog or a failed write keeps the log
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: break;
    }
    return false;
}

bool LogWindowModel::Form_QueryUnload() {
    if (HasUnsavedText()) {
        if (!SaveOrDiscard()) return false;
    } else {
        port_.ShowMessage(LogFrameCloseTitle, LogFrameCloseWarning, MessageIcon::Exclamation);
    }
    Empty();
    visible = false;
    onClosed();
    return true;
}

bool LogWindowModel::QueryEndProgram() { return !HasUnsavedText() || SaveOrDiscard(); }

}  // namespace orbel
