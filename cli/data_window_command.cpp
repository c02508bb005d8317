#include "cli/data_window_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/data_window_link.h"
#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/convert_command.h"
#include "cli/settings_options.h"
#include "dates/date_entry.h"
#include "views/data_window.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [settings options] [--major] [--minor] [--names] [--julian] yeardata [--] TEXT|now\n"
    "       orbel-cli [settings options] [--years N] [--leap-only] [--omit-invalid] [--julian] [--ics FILE]\n"
    "                 list anniversaries|monthstarts|newyears [--] TEXT|now\n"
    "settings options: --country vietnam|china|japan, --longitude 100..145, --epoch -2696|-2636, --method true|mean\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); the data window's text is printed\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

bool TakesValue(std::string_view arg) { return cli::IsSettingsOption(arg) || arg == "--years" || arg == "--ics"; }

bool IsFlag(std::string_view arg) {
    return arg == "--major" || arg == "--minor" || arg == "--names" || arg == "--julian" || arg == "--leap-only" ||
           arg == "--omit-invalid";
}

struct Options {
    cli::SettingsOptions settings;
    std::vector<std::string> flags;
    std::optional<std::string> years, icsFile;
    std::string command;               // "yeardata" or "list"
    std::vector<std::string> operands;  // the list kind and the text
    bool Has(std::string_view flag) const {
        for (const std::string& f : flags)
            if (f == flag) return true;
        return false;
    }
};

// The main window showing the moment of `text`, with the settings chosen.
bool ShowMoment(MainWindowModel& model, ScriptedUserPort& port, const Options& o) {
    ChooseSettings(model, o.settings);
    port.messages.clear();
    const std::string& text = o.operands.back();
    if (text == "now") {
        model.cmdNow_Click();
    } else {
        model.SetDateText(text);
        model.cmdCompute_Click();
    }
    return !cli::ReportMessages(port);
}

}  // namespace

bool IsDataWindowCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, {"yeardata", "list"}, TakesValue, IsFlag); }

int RunDataWindowCommand(int argc, char** argv) {
    Options o;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (cli::EndsOptions(arg, optionsEnded)) continue;
        if (optionsEnded) {
            if (o.command.empty())
                o.command = std::string(arg);
            else
                o.operands.emplace_back(arg);
            continue;
        }
        if (TakesValue(arg)) {
            if (i + 1 >= argc) return Fail("option " + std::string(arg) + " needs a value");
            const std::string value = argv[++i];
            std::string error;
            if (cli::IsSettingsOption(arg)) {
                if (!cli::ReadSettingsOption(arg, value, o.settings, error)) return Fail(error);
            } else if (arg == "--years") {
                o.years = value;
            } else {
                o.icsFile = value;
            }
        } else if (IsFlag(arg)) {
            o.flags.emplace_back(arg);
        } else if (o.command.empty()) {
            o.command = std::string(arg);
        } else if (arg.size() < 2 || arg.substr(0, 2) != "--") {
            o.operands.emplace_back(arg);
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    const bool list = o.command == "list";
    if (o.operands.size() != (list ? 2u : 1u))
        return Fail(list ? "list needs a kind and the TEXT of a date" : "yeardata needs the TEXT of a date");
    int16_t kind = 0;
    if (list) {
        const std::string& name = o.operands.front();
        kind = name == "anniversaries" ? ListLunarNewYearsKind
               : name == "monthstarts" ? ListLeapMonthsKind
               : name == "newyears"    ? ListJCCENewYearsKind
                                       : 0;
        if (kind == 0) return Fail("unknown list '" + name + "'");
        if (o.years && !cli::ParseInteger(*o.years)) return Fail("--years needs a whole number");
    }
    if (o.icsFile && kind != ListLunarNewYearsKind) return Fail("--ics belongs to the anniversaries list");

    ScriptedUserPort port;
    MainWindowModel main(port);
    main.Load(std::to_string(o.settings.country));
    if (!ShowMoment(main, port, o)) return 2;

    DataWindowModel data(port);
    ConnectDataWindow(main, data);
    data.ChooseCalendar(o.Has("--julian") ? 'J' : 'G');
    if (list) {
        data.chkLeapMonthsOnly.value = o.Has("--leap-only");
        data.chkOmitInvalidDates.value = o.Has("--omit-invalid");
        data.ListKind = kind;
        data.txbNumYears.text = o.years.value_or("");
        data.cmdList_Click();
    } else {
        data.chkIncludeMajorSolarTerms.value = o.Has("--major");
        data.chkIncludeMinorSolarTerms.value = o.Has("--minor");
        data.chkDisplaySolarTermNames.value = o.Has("--names");
        data.DisplayYearData();
    }
    if (o.icsFile) {
        if (cli::ReportMessages(port)) return 2;
        if (data.listedDays.empty()) {
            std::fprintf(stderr, "orbel-cli: the list has no days to export\n");
            return 2;
        }
        port.fileNames.push_back(*o.icsFile);
        data.cmdExport_Click();
        return cli::ReportMessages(port) ? 2 : 0;
    }
    std::string out = data.txbText.text;
    std::erase(out, '\r');
    std::fwrite(out.data(), 1, out.size(), stdout);
    const bool messages = cli::ReportMessages(port);
    return std::fflush(stdout) == 0 && !messages ? 0 : 2;
}

}  // namespace orbel
