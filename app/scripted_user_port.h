#pragma once
// A UserPort with no screen: it records every message, answers questions from
// a queue (No when the queue is empty) and keeps the clipboard text. Used by
// the tests and by orbel-cli.
#include <deque>
#include <string>
#include <vector>

#include "app/user_port.h"

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
    void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }
    std::string ClipboardText() const override { return clipboard; }
    void ProcessEvents() override { ++eventLoopRuns; }

    std::vector<RecordedMessage> messages;
    std::deque<bool> answers;  // answers to the next questions, in order
    std::string clipboard;
    int eventLoopRuns = 0;
};

}  // namespace orbel
