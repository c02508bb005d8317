#include "cli/ics_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/calendar_export_link.h"
#include "app/main_window_model.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
#include "support/scripted_user_port.h"
#include "views/calendar_export_window.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [settings options] ics --kind KIND [--kind KIND ...] [--years N] [--from YEAR]\n"
    "                 [--title TEXT] [--note TEXT] [--alarm DAYS@HH:MM] [--missing before|ordinary|skip]\n"
    "                 --out FILE [--] TEXT|now\n"
    "KIND: anniversary (of the lunar date shown), festivals, terms, phases, monthstarts\n"
    "settings options: --country vietnam|china|japan, --longitude 100..145, --epoch -2696|-2636, --method true|mean\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); the file is written to FILE\n";

struct Options {
    cli::SettingsOptions settings;
    std::vector<ExportKind> kinds;
    std::optional<std::string> years, from, title, note, alarm, out;
    MissingDate missing = DefaultMissingDate;
};

using Row = cli::Option<Options>;

template <std::optional<std::string> Options::*Field>
bool Keep(Options& o, std::string_view, std::string_view value, std::string&) {
    o.*Field = std::string(value);
    return true;
}

constexpr std::array<Row, 8> Table = {{
    {"--kind", true,
     [](Options& o, std::string_view, std::string_view value, std::string& error) {
         const auto kind = ExportKindFromName(value);
         if (!kind) return error = "unknown kind '" + std::string(value) + "' (anniversary, festivals, terms, phases, monthstarts)", false;
         o.kinds.push_back(*kind);
         return true;
     }},
    {"--missing", true,
     [](Options& o, std::string_view, std::string_view value, std::string& error) {
         const auto missing = MissingDateFromName(value);
         if (!missing) return error = "--missing takes before, ordinary or skip", false;
         o.missing = *missing;
         return true;
     }},
    {"--alarm", true,
     [](Options& o, std::string_view, std::string_view value, std::string& error) {
         if (!ParseExportAlarm(value))
             return error = "--alarm takes DAYS@HH:MM, days 0 to 365, as 1@09:00; not '" + std::string(value) + "'",
                    false;
         o.alarm = std::string(value);
         return true;
     }},
    {"--years", true, Keep<&Options::years>},
    {"--from", true, Keep<&Options::from>},
    {"--title", true, Keep<&Options::title>},
    {"--note", true, Keep<&Options::note>},
    {"--out", true, Keep<&Options::out>},
}};

constexpr cli::CommandWords Words{{"ics", ""}, 1};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

}  // namespace

bool IsIcsCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Table, Words); }

int RunIcsCommand(int argc, char** argv) {
    Options o;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Table, Words, o, parsed, error)) return Fail(error);
    if (parsed.operands.size() != 1) return Fail("ics needs the TEXT of a date");
    if (o.kinds.empty()) return Fail("ics needs at least one --kind");
    if (!o.out) return Fail("ics needs --out FILE");
    if (o.years && !cli::ParseInteger(*o.years)) return Fail("--years needs a whole number");
    if (o.from && !cli::ParseInteger(*o.from)) return Fail("--from needs a whole number");

    ScriptedUserPort port;
    MainWindowModel main(port);
    if (!cli::OpenMainWindowOn(main, port, o.settings, parsed.operands.back())) return 2;

    CalendarExportWindowModel window(port);
    ConnectCalendarExportWindow(main, window);
    window.Form_Load();
    for (size_t i = 0; i < window.chkKinds.size(); ++i)
        window.chkKinds[i].value = std::ranges::find(o.kinds, ExportKindNames[i].kind) != o.kinds.end();
    window.chkKinds_Click();
    if (o.years) window.txbYears.text = *o.years;
    if (o.from) window.txbFirstYear.text = *o.from;
    window.txbTitle.text = o.title.value_or("");
    window.txbNote.text = o.note.value_or("");
    window.cboMissing.listIndex = static_cast<int>(o.missing);
    if (o.alarm) {
        const size_t at = o.alarm->find('@');
        window.chkAlarm.value = true;
        window.chkAlarm_Click();
        window.txbAlarmDays.text = o.alarm->substr(0, at);
        window.txbAlarmTime.text = o.alarm->substr(at + 1);
    }
    port.fileNames.push_back(*o.out);
    window.cmdExport_Click();
    if (cli::ReportMessages(port)) return 2;
    std::printf("%s\n", window.lblResult.caption.c_str());
    return 0;
}

}  // namespace orbel
