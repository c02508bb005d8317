#include "cli/move_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
#include "dates/date_entry.h"
#include "app/move_model.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--names en|hans|hant|vi|ja|ko] [--observed]\n"
    "                 [--time HH:MM] [--zone gmt|local] [--back] [--count N] [--keep30] [--keepleap] [--each] "
    "[--tips]\n"
    "                 move STEP [--] TEXT|now\n"
    "STEP is an item of the step list (\"CHL month\") or its index 0..15; TEXT is typed into the Date box\n"
    "and converted (\"now\" presses Now), then Move is pressed; the value labels are printed after the\n"
    "last step (with --each after every step, each block followed by an empty line)\n";

struct MoveOptions {
    cli::SettingsOptions settings;
    std::optional<std::string> time, zone;
    std::optional<int64_t> count;
    bool back = false, keep30 = false, keepLeap = false, each = false, tips = false;
};

using cli::SetFlag;
using Row = cli::Option<MoveOptions>;

bool ReadTime(MoveOptions& o, std::string_view, std::string_view value, std::string&) {
    o.time = std::string(value);
    return true;
}

bool ReadZone(MoveOptions& o, std::string_view, std::string_view value, std::string& error) {
    o.zone = std::string(value);
    return cli::CheckZone(value, error);
}

bool ReadCount(MoveOptions& o, std::string_view, std::string_view value, std::string& error) {
    o.count = cli::ParseInteger(value);
    if (o.count && *o.count >= 1 && *o.count <= 1000000) return true;
    error = "count must be a whole number from 1 to 1000000";
    return false;
}

constexpr std::array<Row, 8> Options = {{
    {"--time", true, ReadTime},
    {"--zone", true, ReadZone},
    {"--count", true, ReadCount},
    {"--back", false, SetFlag<MoveOptions, &MoveOptions::back>},
    {"--keep30", false, SetFlag<MoveOptions, &MoveOptions::keep30>},
    {"--keepleap", false, SetFlag<MoveOptions, &MoveOptions::keepLeap>},
    {"--each", false, SetFlag<MoveOptions, &MoveOptions::each>},
    {"--tips", false, SetFlag<MoveOptions, &MoveOptions::tips>},
}};

constexpr cli::CommandWords Words{{"move"}, 2};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

// Sets the move frame's controls and the entry's time and zone.
void SetMoveControls(MainWindowModel& model, MoveModel& move, int step, const MoveOptions& o) {
    model.cboMoveStep.listIndex = step;
    move.optMoveDirection_Click(o.back ? 1 : 0);
    model.chkRepeatedly.value = o.count.has_value();
    move.chkRepeatedly_Click();
    model.chkKeep30th.value = o.keep30;
    model.chkKeepLeap.value = o.keepLeap;
    if (o.time) model.txbTime.text = *o.time;
    if (o.zone) cli::ChooseTimeZone(model, *o.zone);
}

// Presses Move; a repeated move's timer ticks at every pass of the event loop
// until the count is reached. With --each the labels are printed after every
// step, each block followed by an empty line.
void Move(MainWindowModel& model, MoveModel& move, ScriptedUserPort& port, const MoveOptions& o) {
    const int64_t wanted = o.count.value_or(1);
    int64_t steps = 0;
    move.Stepped = [&] {
        ++steps;
        if (o.each) std::fputs((cli::ValueLabelsText(model, o.tips) + "\n").c_str(), stdout);
    };
    port.onProcessEvents = [&](int) {
        if (steps < wanted)
            move.Clock_Timer();
        else
            move.cmdStop_Click();
    };
    move.cmdMove_Click();
}

}  // namespace

bool IsMoveCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunMoveCommand(int argc, char** argv) {
    MoveOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error)) return Fail(error);
    if (parsed.operands.size() < 2) return Fail("move needs a STEP and the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    MoveModel move(model);
    move.Sleep = [](int) {};  // no one can press Stop or Pause here
    model.Load(std::to_string(options.settings.country));
    cli::ReportMessages(port);
    cli::ChooseSettings(model, options.settings);

    const std::optional<int> step = cli::ItemIndex(model.cboMoveStep.items, parsed.operands[0], true);
    if (!step) return Fail("unknown step '" + parsed.operands[0] + "'");
    SetMoveControls(model, move, *step, options);
    cli::EnterDate(model, parsed.operands[1]);
    cli::ForgetUnchangedNotice(port);  // the move starts from the moment shown
    if (cli::ReportMessages(port)) return 2;

    Move(model, move, port, options);
    if (cli::ReportMessages(port)) return 2;
    return cli::PrintOutput(options.each ? std::string() : cli::ValueLabelsText(model, options.tips));
}

}  // namespace orbel
