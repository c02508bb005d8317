#pragma once
// The calendar settings options shared by the orbel-cli commands:
// --country vietnam|china|japan, --longitude 100..145 (wins over the
// country's meridian), --epoch -2696|-2636, --method true|mean.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"
#include "support/scripted_user_port.h"
#include "engine/cycles.h"

namespace orbel::cli {

struct SettingsOptions {
    int country = CountryChina;
    std::optional<int16_t> countryLongitude;
    std::optional<int16_t> longitude;
    CalendarSettings settings;  // epoch and method as given

    // The settings with the reference longitude the options choose.
    CalendarSettings Resolved() const;
};

bool IsSettingsOption(std::string_view arg);

// Applies one option and its value; false with `error` worded when the value
// is not allowed.
bool ReadSettingsOption(std::string_view option, std::string_view value, SettingsOptions& options,
                        std::string& error);

// True, with `ended` set, for the first "--" of a command line: it ends the
// options, so that what follows is read as it stands and a date text may
// begin with a hyphen.
bool EndsOptions(std::string_view arg, bool& ended);

// True when the first word of the command line that is not an option (or an
// option's value) is one of `names`: the command a runner is for.
bool CommandIs(int argc, char** argv, std::initializer_list<std::string_view> names,
               bool (*takesValue)(std::string_view), bool (*isFlag)(std::string_view));

// Prints the title and text of every message box the port has shown (not the
// questions) on stderr and forgets them; true when there was one.
bool ReportMessages(ScriptedUserPort& port);

// A whole decimal number and nothing else.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace orbel::cli
