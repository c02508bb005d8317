#pragma once
// The calendar settings options shared by the orbel-cli commands:
// --country vietnam|china|japan|korea, --longitude 100..145 (wins over the
// country's meridian), --epoch -2696|-2636, --method true|mean,
// --names en|hans|hant|vi|ja|ko, the words of the calendar terms, and the
// flag --observed (China's calendar as it was observed).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"
#include "engine/cycles.h"
#include "engine/names.h"

namespace orbel::cli {

struct SettingsOptions {
    int country = CountryChina;
    std::optional<int16_t> countryLongitude;
    std::optional<int16_t> longitude;
    CalendarSettings settings;  // epoch and method as given
    Names names = Names::English;

    // The settings with the reference longitude the options choose.
    CalendarSettings Resolved() const;
};

bool IsSettingsOption(std::string_view arg);
// A settings option without a value.
bool IsSettingsFlag(std::string_view arg);
// False with `error` worded when the options do not go together: --observed
// with a country other than China.
bool CheckSettingsOptions(const SettingsOptions& options, std::string& error);

// "--names": a settings option, except where a command has a "--names" flag
// of its own (yeardata's term names); there it takes a value only when the
// next argument is one of the codes.
inline constexpr std::string_view NamesOption = "--names";
bool IsNamesCode(std::string_view arg);

// Applies one option and its value; false with `error` worded when the value
// is not allowed.
bool ReadSettingsOption(std::string_view option, std::string_view value, SettingsOptions& options,
                        std::string& error);

// A whole decimal number and nothing else.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace orbel::cli
