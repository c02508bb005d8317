#include "cli/log_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/log_connection.h"
#include "support/scripted_user_port.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
#include "dates/date_entry.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--names en|hans|hant|vi|ja|ko] [--observed]\n"
    "                 [--include LIST] [--expanded] [--chinese-terms] log [--] TEXT|now\n"
    "LIST: comma-separated, of chs,chl,cjdc,epoch,ce,jc,cjdl,ajd,phase,lunation (default chl,ce,phase)\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); the entry Add to log would\n"
    "write into an empty log is printed\n";

constexpr std::array<std::pair<std::string_view, bool LogPreferences::*>, 10> Groups = {{
    {"chs", &LogPreferences::chs},
    {"chl", &LogPreferences::chl},
    {"cjdc", &LogPreferences::cjdc},
    {"epoch", &LogPreferences::epochEtc},
    {"ce", &LogPreferences::ce},
    {"jc", &LogPreferences::jc},
    {"cjdl", &LogPreferences::cjdl},
    {"ajd", &LogPreferences::ajd},
    {"phase", &LogPreferences::phase},
    {"lunation", &LogPreferences::lunation},
}};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

// Ticks the groups of `list`; false with `error` worded for an unknown name.
bool ReadIncludeList(std::string_view list, LogPreferences& p, std::string& error) {
    for (const auto& group : Groups) p.*group.second = false;
    while (true) {
        const size_t comma = list.find(',');
        const std::string name = ToLower(Trim(list.substr(0, comma)));
        bool known = false;
        for (const auto& [groupName, field] : Groups)
            if (name == groupName) p.*field = known = true;
        if (!known) return error = "unknown log group '" + name + "'", false;
        if (comma == std::string_view::npos) return true;
        list.remove_prefix(comma + 1);
    }
}

struct LogOptions {
    cli::SettingsOptions settings;
    LogPreferences preferences = [] {
        LogPreferences p;
        p.chl = p.ce = p.phase = true;
        return p;
    }();
};

using Row = cli::Option<LogOptions>;

constexpr std::array<Row, 3> Options = {{
    {"--include", true,
     [](LogOptions& o, std::string_view, std::string_view value, std::string& error) {
         return ReadIncludeList(value, o.preferences, error);
     }},
    {"--expanded", false,
     [](LogOptions& o, std::string_view, std::string_view, std::string&) { return o.preferences.expanded = true; }},
    {"--chinese-terms", false,
     [](LogOptions& o, std::string_view, std::string_view, std::string&) { return o.preferences.chineseTerms = true; }},
}};

constexpr cli::CommandWords Words{{"log"}, 1};

}  // namespace

bool IsLogCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunLogCommand(int argc, char** argv) {
    LogOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error)) return Fail(error);
    if (parsed.operands.empty()) return Fail("log needs the TEXT of a date, or now");

    ScriptedUserPort port;
    MainWindowModel model(port);
    LogWindowModel log(port);
    LogPreferencesModel preferencesWindow;
    ConnectLog(model, log, preferencesWindow);
    model.Load(std::to_string(options.settings.country));
    cli::ChooseSettings(model, options.settings);
    port.messages.clear();
    cli::EnterDate(model, parsed.operands.front());
    // A question (is this a JC date?) has no one to answer it here.
    cli::PrintMessages(port, true);
    const bool asked = std::any_of(port.messages.begin(), port.messages.end(), [](const RecordedMessage& m) { return m.question; });
    if (cli::DateRefused(port) || asked) return 2;

    model.logPreferenceTicks = LogTicksOf(options.preferences);
    model.cmdAddToLog_Click();
    std::string out = log.Text();
    std::erase(out, '\r');
    return cli::PrintOutput(out);
}

}  // namespace orbel
