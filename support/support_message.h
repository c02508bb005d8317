#pragma once
// A message the support services want shown to the user. The services word
// it; whoever owns the user-interaction port shows it (title, text, and the
// exclamation symbol or none).
#include <functional>
#include <string>

namespace orbel {

struct SupportMessage {
    std::string title;
    std::string text;
    bool exclamation = false;
};

using MessageCallback = std::function<void(const SupportMessage&)>;

}  // namespace orbel
