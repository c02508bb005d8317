#include "cli/today_command.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/options.h"
#include "views/today.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--names en|hans|hant|vi|ja|ko] [--observed] [--format TEXT] today\n"
    "TEXT holds the fields {lunar} {names} {festival} {term} {next-term} {phase} {moon}; {{ and }} write a brace\n";

struct TodayOptions {
    cli::SettingsOptions settings;
    std::string format{DefaultTodayFormat};
};

constexpr std::array<cli::Option<TodayOptions>, 1> Options = {{
    {"--format", true,
     [](TodayOptions& o, std::string_view, std::string_view value, std::string&) {
         o.format = value;
         return true;
     }},
}};

constexpr cli::CommandWords Words{{"today"}, 0};

}  // namespace

bool IsTodayCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunTodayCommand(int argc, char** argv) {
    TodayOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error))
        return cli::UsageError(error, Usage);
    // An unknown field is refused before anything is computed.
    if (const TodayFormatResult check = FormatToday(options.format, TodayFacts{}); check.unknownField)
        return cli::UsageError("unknown field " + *check.unknownField + " in --format", Usage);

    const TodaySettings settings{options.settings.Resolved(), options.settings.country, options.settings.names};
    const TodayFacts facts = ComputeToday(LocalToday(), settings, CalendarGlanceWords{});
    const std::string line = FormatToday(options.format, facts).text + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace orbel
