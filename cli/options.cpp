#include "cli/options.h"

#include <cstdio>

namespace orbel::cli {

int UsageError(const std::string& message, const char* usage) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), usage);
    return 2;
}

namespace detail {

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

}  // namespace detail
}  // namespace orbel::cli
