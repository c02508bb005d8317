#include "cli/settings_options.h"

#include <charconv>

#include "engine/sol_eq.h"

namespace orbel::cli {

CalendarSettings SettingsOptions::Resolved() const {
    CalendarSettings s = settings;
    if (countryLongitude) s.referenceLongitude = *countryLongitude;
    if (longitude) s.referenceLongitude = *longitude;
    return s;
}

bool IsSettingsOption(std::string_view arg) {
    return arg == "--country" || arg == "--longitude" || arg == "--epoch" || arg == "--method" || arg == NamesOption ||
           IsSettingsFlag(arg);
}

bool IsSettingsFlag(std::string_view arg) { return arg == "--observed"; }

bool CheckSettingsOptions(const SettingsOptions& options, std::string& error) {
    if (options.settings.asObserved && options.country != CountryChina)
        return error = "--observed needs the country china: the calendar as observed is China's", false;
    return true;
}

bool IsNamesCode(std::string_view arg) { return NamesFromCode(arg).has_value(); }

std::optional<int64_t> ParseInteger(std::string_view text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

bool ReadSettingsOption(std::string_view option, std::string_view value, SettingsOptions& options,
                        std::string& error) {
    if (option == "--country") {
        if (value == "vietnam")
            options.country = CountryVietnam, options.countryLongitude = CountryMeridians[CountryVietnam];
        else if (value == "china")
            options.country = CountryChina, options.countryLongitude = CountryMeridians[CountryChina];
        else if (value == "japan")
            options.country = CountryJapan, options.countryLongitude = CountryMeridians[CountryJapan];
        else if (value == "korea")
            options.country = CountryKorea, options.countryLongitude = CountryMeridians[CountryKorea];
        else
            return error = "unknown country '" + std::string(value) + "'", false;
    } else if (option == "--longitude") {
        const auto n = ParseInteger(value);
        if (!n || *n < 100 || *n > 145) return error = "longitude must be a whole number from 100 to 145", false;
        options.longitude = static_cast<int16_t>(*n);
    } else if (option == "--epoch") {
        const auto n = ParseInteger(value);
        if (!n || (*n != -2696 && *n != -2636)) return error = "epoch must be -2696 or -2636", false;
        options.settings.epoch = static_cast<int16_t>(*n);
    } else if (option == "--observed") {
        options.settings.asObserved = true;
    } else if (option == "--method") {
        if (value == "true")
            options.settings.method = TrueSunMethod;
        else if (value == "mean")
            options.settings.method = MeanSunMethod;
        else
            return error = "method must be true or mean", false;
    } else if (option == NamesOption) {
        const std::optional<Names> names = NamesFromCode(value);
        if (!names) {
            error = "unknown names '" + std::string(value) + "'; choose one of";
            for (const NamesChoice& choice : NamesChoices) error += " " + std::string(choice.code);
            return false;
        }
        options.names = *names;
    } else {
        return error = "unknown option " + std::string(option), false;
    }
    return true;
}

}  // namespace orbel::cli
