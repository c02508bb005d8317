#include "cli/log_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/log_connection.h"
#include "support/scripted_user_port.h"
#include "cli/convert_command.h"
#include "cli/settings_options.h"
#include "dates/date_entry.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
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

bool TakesValue(std::string_view arg) { return cli::IsSettingsOption(arg) || arg == "--include"; }
bool IsFlag(std::string_view arg) { return arg == "--expanded" || arg == "--chinese-terms"; }

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

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

}  // namespace

bool IsLogCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, {"log"}, TakesValue, IsFlag); }

int RunLogCommand(int argc, char** argv) {
    cli::SettingsOptions settings;
    LogPreferences preferences;
    preferences.chl = preferences.ce = preferences.phase = true;
    bool commandSeen = false;
    std::optional<std::string> text;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (cli::EndsOptions(arg, optionsEnded)) continue;
        if (optionsEnded) {
            if (!(commandSeen && !text)) return Fail("unexpected argument '" + std::string(arg) + "'");
            text = std::string(arg);
            continue;
        }
        std::string error;
        if (TakesValue(arg)) {
            if (i + 1 >= argc) return Fail("option " + std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            const bool ok = arg == "--include" ? ReadIncludeList(value, preferences, error)
                                               : cli::ReadSettingsOption(arg, value, settings, error);
            if (!ok) return Fail(error);
        } else if (arg == "--expanded") {
            preferences.expanded = true;
        } else if (arg == "--chinese-terms") {
            preferences.chineseTerms = true;
        } else if (!commandSeen && arg == "log") {
            commandSeen = true;
        } else if (commandSeen && !text && (arg.size() < 2 || arg.substr(0, 2) != "--")) {
            text = std::string(arg);
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!commandSeen) return Fail("expected the command log");
    if (!text) return Fail("log needs the TEXT of a date, or now");

    ScriptedUserPort port;
    MainWindowModel model(port);
    LogWindowModel log(port);
    LogPreferencesModel preferencesWindow;
    ConnectLog(model, log, preferencesWindow);
    model.Load(std::to_string(settings.country));
    ChooseSettings(model, settings);
    port.messages.clear();
    if (*text == "now") {
        model.cmdNow_Click();
    } else {
        model.SetDateText(*text);
        model.cmdCompute_Click();
    }
    bool refused = false;
    for (const RecordedMessage& m : port.messages) {
        std::fprintf(stderr, "%s\n%s\n", m.title.c_str(), m.text.c_str());
        refused = refused || m.title == DateErrorTitle || m.title == "Date out of range" || m.question;
    }
    if (refused) return 2;

    model.logPreferenceTicks = LogTicksOf(preferences);
    model.cmdAddToLog_Click();
    std::string out = log.Text();
    std::erase(out, '\r');
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace orbel
