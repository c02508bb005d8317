#pragma once
// The calendar settings options shared by the orbel-cli commands:
// --country vietnam|china|japan, --longitude 100..145 (wins over the
// country's meridian), --epoch -2696|-2636, --method true|mean, and the flag
// --observed (China's calendar as it was observed).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"
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
// A settings option without a value.
bool IsSettingsFlag(std::string_view arg);
// False with `error` worded when the options do not go together: --observed
// with a country other than China.
bool CheckSettingsOptions(const SettingsOptions& options, std::string& error);

// Applies one option and its value; false with `error` worded when the value
// is not allowed.
bool ReadSettingsOption(std::string_view option, std::string_view value, SettingsOptions& options,
                        std::string& error);

// A whole decimal number and nothing else.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace orbel::cli
