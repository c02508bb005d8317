#include "cli/options.h"

namespace orbel::cli::detail {

bool Unexpected(std::string_view arg, std::string& error) {
    error = "unexpected argument '" + std::string(arg) + "'";
    return false;
}

bool NeedsValue(std::string_view option, std::string& error) {
    error = "option " + std::string(option) + " needs a value";
    return false;
}

bool NoCommand(const CommandWords& words, std::string& error) {
    error = "expected the command " + std::string(words.commands[0]);
    return false;
}

bool IsCommandWord(const CommandWords& words, std::string_view arg) {
    return !arg.empty() && std::find(words.commands.begin(), words.commands.end(), arg) != words.commands.end();
}

}  // namespace orbel::cli::detail
