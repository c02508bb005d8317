#pragma once
// The command line of every orbel-cli command, read against one table per
// command: each row names an option, says whether the next argument is its
// value, and applies it. The calendar settings options (settings_options.h)
// belong to every table without being listed.
//
// Options may stand before and after the command word. The first "--" ends
// them, so that a date text may begin with a hyphen.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/settings_options.h"

namespace orbel::cli {

// One row of a command's option table. `apply` gets the option and its value
// (empty for a flag) and returns false with `error` worded when it refuses it.
// `Values` is the command's record of what its options chose; it has a
// `SettingsOptions settings` member.
template <class Values>
struct Option {
    std::string_view name;
    bool takesValue;
    bool (*apply)(Values& values, std::string_view option, std::string_view value, std::string& error);
};

// The words of a command line that are not options.
struct CommandWords {
    std::array<std::string_view, 2> commands;  // the words that name the command (the second may be empty)
    size_t maxOperands;                        // after the command word
    bool optionsAfterCommand = true;           // false: every word after it is an operand
    bool commandMayFollowEnd = false;          // "-- convert TEXT" is convert
};

struct ParsedCommand {
    std::string command;
    std::vector<std::string> operands;
};

// Prints "orbel-cli: MESSAGE" and the command's usage on stderr; the exit
// status of bad usage, 2.
int UsageError(const std::string& message, const char* usage);

namespace detail {

bool Unexpected(std::string_view arg, std::string& error);
bool NeedsValue(std::string_view option, std::string& error);
bool NoCommand(const CommandWords& words, std::string& error);
bool IsCommandWord(const CommandWords& words, std::string_view arg);

template <class Values>
const Option<Values>* FindOption(std::span<const Option<Values>> table, std::string_view arg) {
    const auto row = std::find_if(table.begin(), table.end(), [arg](const Option<Values>& o) { return o.name == arg; });
    return row == table.end() ? nullptr : &*row;
}

// Whether `arg` takes the next argument `next` (empty at the end) as its value.
template <class Values>
bool TakesValue(std::span<const Option<Values>> table, std::string_view arg, std::string_view next) {
    const Option<Values>* row = FindOption(table, arg);
    if (arg == NamesOption && row) return IsNamesCode(next);
    return (IsSettingsOption(arg) && !IsSettingsFlag(arg)) || (row && row->takesValue);
}

}  // namespace detail

// True when the first word of the command line that is not an option (or an
// option's value) names this command: the command a runner is for.
template <class Values>
bool CommandIs(int argc, char** argv, std::span<const Option<Values>> table, const CommandWords& words) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (words.commandMayFollowEnd && arg == "--") return i + 1 < argc && detail::IsCommandWord(words, argv[i + 1]);
        if (detail::TakesValue(table, arg, i + 1 < argc ? argv[i + 1] : ""))
            ++i;
        else if (!detail::FindOption(table, arg) && !IsSettingsFlag(arg))
            return detail::IsCommandWord(words, arg);
    }
    return false;
}

// Applies every option of the command line in order and collects the command
// word and its operands; false with `error` worded at the first argument that
// does not fit (an unknown option, a missing or refused value, a word too
// many) or when the command word is missing.
template <class Values>
bool ParseCommandLine(int argc, char** argv, std::span<const Option<Values>> table, const CommandWords& words,
                      Values& values, ParsedCommand& parsed, std::string& error) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        const Option<Values>* row = optionsEnded ? nullptr : detail::FindOption(table, arg);
        if (!optionsEnded && (row || IsSettingsOption(arg))) {
            std::string_view value;
            const bool takesValue = detail::TakesValue(table, arg, i + 1 < argc ? argv[i + 1] : "");
            if (takesValue) {
                if (i + 1 >= argc) return detail::NeedsValue(arg, error);
                value = argv[++i];
            }
            const bool applied = row && !(arg == NamesOption && takesValue)
                                     ? row->apply(values, arg, value, error)
                                     : ReadSettingsOption(arg, value, values.settings, error);
            if (!applied) return false;
        } else if (parsed.command.empty() && detail::IsCommandWord(words, arg)) {
            parsed.command = arg;
            optionsEnded = optionsEnded || !words.optionsAfterCommand;
        } else if (!parsed.command.empty() && parsed.operands.size() < words.maxOperands &&
                   (optionsEnded || !arg.starts_with("--"))) {
            parsed.operands.emplace_back(arg);
        } else {
            return detail::Unexpected(arg, error);
        }
    }
    if (parsed.command.empty()) return detail::NoCommand(words, error);
    return CheckSettingsOptions(values.settings, error);
}

// The same for a table kept in an array.
template <class Values, size_t N>
bool ParseCommandLine(int argc, char** argv, const std::array<Option<Values>, N>& table, const CommandWords& words,
                      Values& values, ParsedCommand& parsed, std::string& error) {
    return ParseCommandLine(argc, argv, std::span<const Option<Values>>(table), words, values, parsed, error);
}

template <class Values, size_t N>
bool CommandIs(int argc, char** argv, const std::array<Option<Values>, N>& table, const CommandWords& words) {
    return CommandIs(argc, argv, std::span<const Option<Values>>(table), words);
}

// Handlers for table rows: a flag that sets a field, and an option kept with
// its value, in order, for the command to apply once its window is loaded.
template <class Values, bool Values::*Field>
bool SetFlag(Values& values, std::string_view, std::string_view, std::string&) {
    values.*Field = true;
    return true;
}

template <class Values>
bool KeepForLater(Values& values, std::string_view option, std::string_view value, std::string&) {
    values.later.emplace_back(option, value);
    return true;
}

}  // namespace orbel::cli
