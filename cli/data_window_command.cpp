#include "cli/data_window_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/data_window_link.h"
#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
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

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

struct Options {
    cli::SettingsOptions settings;
    std::vector<std::string> flags;
    std::optional<std::string> years, icsFile;
    bool Has(std::string_view flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }
};

using Row = cli::Option<Options>;

bool KeepFlag(Options& o, std::string_view flag, std::string_view, std::string&) {
    o.flags.emplace_back(flag);
    return true;
}

constexpr std::array<Row, 8> Table = {{
    {"--years", true,
     [](Options& o, std::string_view, std::string_view value, std::string&) {
         o.years = std::string(value);
         return true;
     }},
    {"--ics", true,
     [](Options& o, std::string_view, std::string_view value, std::string&) {
         o.icsFile = std::string(value);
         return true;
     }},
    {"--major", false, KeepFlag},
    {"--minor", false, KeepFlag},
    {"--names", false, KeepFlag},
    {"--julian", false, KeepFlag},
    {"--leap-only", false, KeepFlag},
    {"--omit-invalid", false, KeepFlag},
}};

constexpr cli::CommandWords Words{{"yeardata", "list"}, std::numeric_limits<size_t>::max()};

// The kind of list a name asks for (0 for none), or with --ics or --years
// that do not fit it, the error.
int16_t ListKind(const std::string& name, const Options& o, std::string& error) {
    const int16_t kind = name == "anniversaries" ? ListLunarNewYearsKind
                         : name == "monthstarts" ? ListLeapMonthsKind
                         : name == "newyears"    ? ListJCCENewYearsKind
                                                 : 0;
    if (kind == 0) return error = "unknown list '" + name + "'", 0;
    if (o.years && !cli::ParseInteger(*o.years)) return error = "--years needs a whole number", 0;
    return kind;
}

// Fills the data window: the list of `kind`, or the year data when 0.
void ShowData(DataWindowModel& data, int16_t kind, const Options& o) {
    data.ChooseCalendar(o.Has("--julian") ? 'J' : 'G');
    if (kind != 0) {
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
}

// Prints the window's messages on stderr; true when one of them is more
// than information (a list that ends at the range end has done its work).
bool ReportFailures(ScriptedUserPort& port) {
    const bool failed = std::any_of(port.messages.begin(), port.messages.end(),
                                    [](const RecordedMessage& m) { return m.icon != MessageIcon::Information; });
    cli::PrintMessages(port);
    port.messages.clear();
    return failed;
}

// Exports the listed days through Export as a person would.
int ExportList(DataWindowModel& data, ScriptedUserPort& port, const std::string& file) {
    if (ReportFailures(port)) return 2;
    if (data.listedDays.empty()) {
        std::fprintf(stderr, "orbel-cli: the list has no days to export\n");
        return 2;
    }
    port.fileNames.push_back(file);
    data.cmdExport_Click();
    return cli::ReportMessages(port) ? 2 : 0;
}

}  // namespace

bool IsDataWindowCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Table, Words); }

int RunDataWindowCommand(int argc, char** argv) {
    Options o;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Table, Words, o, parsed, error)) return Fail(error);
    const bool list = parsed.command == "list";
    if (parsed.operands.size() != (list ? 2u : 1u))
        return Fail(list ? "list needs a kind and the TEXT of a date" : "yeardata needs the TEXT of a date");
    const int16_t kind = list ? ListKind(parsed.operands.front(), o, error) : 0;
    if (list && kind == 0) return Fail(error);
    if (o.icsFile && kind != ListLunarNewYearsKind) return Fail("--ics belongs to the anniversaries list");

    ScriptedUserPort port;
    MainWindowModel main(port);
    if (!cli::OpenMainWindowOn(main, port, o.settings, parsed.operands.back())) return 2;

    DataWindowModel data(port);
    ConnectDataWindow(main, data);
    ShowData(data, kind, o);
    if (o.icsFile) return ExportList(data, port, *o.icsFile);
    std::string out = data.txbText.text;
    std::erase(out, '\r');
    const int status = cli::PrintOutput(out);
    return ReportFailures(port) ? 2 : status;
}

}  // namespace orbel
