#pragma once
// A UserPort with no screen: it records every message, answers questions from
// a queue (No when the queue is empty) and keeps the clipboard text. Used by
// the tests and by orbel-cli.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "support/user_port.h"

namespace orbel {

struct RecordedMessage {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    bool question = false;  // asked with Yes and No
    bool answer = false;    // the answer given to a question
};

class ScriptedUserPort final : public UserPort {
public:
    void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override {
        messages.push_back({std::string(title), std::string(text), icon, false, false});
    }
    bool AskYesNo(std::string_view title, std::string_view text, MessageIcon icon) override {
        bool answer = false;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        messages.push_back({std::string(title), std::string(text), icon, true, answer});
        return answer;
    }
    // Answered from the same queue as yes/no questions: true is OK.
    bool AskOkCancel(std::string_view title, std::string_view text, MessageIcon icon) override {
        return AskYesNo(title, text, icon);
    }
    SaveChoice AskSaveDiscardCancel(std::string_view title, std::string_view text) override {
        SaveChoice answer = SaveChoice::Cancel;
        if (!saveChoices.empty()) {
            answer = saveChoices.front();
            saveChoices.pop_front();
        }
        messages.push_back({std::string(title), std::string(text), MessageIcon::Question, true, false});
        return answer;
    }
    std::string AskSaveFileName(std::string_view title, std::string_view suggestedPath,
                                std::string_view /*filter*/) override {
        std::string answer;
        if (!fileNames.empty()) {
            answer = fileNames.front();
            fileNames.pop_front();
        }
        fileDialogs.push_back({std::string(title), std::string(suggestedPath)});
        return answer;
    }
    void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }
    std::string ClipboardText() const override { return clipboard; }
    // Counts the passes and runs the test's script for this pass, which may
    // press Stop or Pause in the middle of a long loop.
    void ProcessEvents() override {
        ++eventLoopRuns;
        if (onProcessEvents) onProcessEvents(eventLoopRuns);
    }
    void SetBusy(bool on) override { busy = on; }

    std::vector<RecordedMessage> messages;
    std::deque<bool> answers;                // answers to the next yes/no questions, in order
    std::deque<SaveChoice> saveChoices;      // answers to the next save questions (Cancel when empty)
    std::deque<std::string> fileNames;       // answers to the next save-file dialogs (cancelled when empty)
    struct FileDialog {
        std::string title, suggestedPath;
    };
    std::vector<FileDialog> fileDialogs;     // every save-file dialog shown
    std::string clipboard;
    int eventLoopRuns = 0;
    std::function<void(int pass)> onProcessEvents;
    bool busy = false;
};

}  // namespace orbel
