#include "cli/move_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/convert_command.h"
#include "cli/settings_options.h"
#include "dates/date_entry.h"
#include "app/move_model.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--time HH:MM] [--zone gmt|local] [--back] [--count N] [--keep30] [--keepleap] [--each] "
    "[--tips]\n"
    "                 move STEP [--] TEXT|now\n"
    "STEP is an item of the step list (\"CHL month\") or its index 0..15; TEXT is typed into the Date box\n"
    "and converted (\"now\" presses Now), then Move is pressed; the value labels are printed after the\n"
    "last step (with --each after every step, each block followed by an empty line)\n";

bool TakesValue(std::string_view arg) {
    return cli::IsSettingsOption(arg) || arg == "--time" || arg == "--zone" || arg == "--count";
}

bool IsFlag(std::string_view arg) {
    return arg == "--back" || arg == "--keep30" || arg == "--keepleap" || arg == "--each" || arg == "--tips";
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

// The step list's index of `name` (its item text, any case, or the index).
std::optional<int> StepIndex(const ComboBox& steps, std::string_view name) {
    if (const std::optional<int64_t> index = cli::ParseInteger(name))
        return *index >= 0 && *index < steps.ListCount() ? std::optional<int>(static_cast<int>(*index)) : std::nullopt;
    const std::string wanted = ToLower(name);
    for (int i = 0; i < steps.ListCount(); ++i)
        if (ToLower(steps.items[static_cast<size_t>(i)]) == wanted) return i;
    return std::nullopt;
}

}  // namespace

bool IsMoveCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, {"move"}, TakesValue, IsFlag); }

int RunMoveCommand(int argc, char** argv) {
    cli::SettingsOptions settings;
    std::optional<std::string> time, zone;
    std::optional<int64_t> count;
    bool back = false, keep30 = false, keepLeap = false, each = false, tips = false;
    bool commandSeen = false;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (cli::EndsOptions(arg, optionsEnded)) continue;
        if (optionsEnded) {
            if (!(commandSeen && operands.size() < 2)) return Fail("unexpected argument '" + std::string(arg) + "'");
            operands.emplace_back(arg);
            continue;
        }
        if (TakesValue(arg)) {
            if (i + 1 >= argc) return Fail("option " + std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            std::string error;
            if (cli::IsSettingsOption(arg)) {
                if (!cli::ReadSettingsOption(arg, value, settings, error)) return Fail(error);
            } else if (arg == "--time") {
                time = std::string(value);
            } else if (arg == "--zone") {
                if (value != "gmt" && value != "local") return Fail("zone must be gmt or local");
                zone = std::string(value);
            } else {
                count = cli::ParseInteger(value);
                if (!count || *count < 1 || *count > 1000000) return Fail("count must be a whole number from 1 to 1000000");
            }
        } else if (arg == "--back") {
            back = true;
        } else if (arg == "--keep30") {
            keep30 = true;
        } else if (arg == "--keepleap") {
            keepLeap = true;
        } else if (arg == "--each") {
            each = true;
        } else if (arg == "--tips") {
            tips = true;
        } else if (!commandSeen && arg == "move") {
            commandSeen = true;
        } else if (commandSeen && operands.size() < 2 && !(arg.size() >= 2 && arg.substr(0, 2) == "--")) {
            operands.emplace_back(arg);
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!commandSeen) return Fail("expected the command move");
    if (operands.size() < 2) return Fail("move needs a STEP and the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    MoveModel move(model);
    move.Sleep = [](int) {};  // no one can press Stop or Pause here
    model.Load(std::to_string(settings.country));
    cli::ReportMessages(port);
    ChooseSettings(model, settings);

    const std::optional<int> step = StepIndex(model.cboMoveStep, operands[0]);
    if (!step) return Fail("unknown step '" + operands[0] + "'");
    model.cboMoveStep.listIndex = *step;
    move.optMoveDirection_Click(back ? 1 : 0);
    model.chkRepeatedly.value = count.has_value();
    move.chkRepeatedly_Click();
    model.chkKeep30th.value = keep30;
    model.chkKeepLeap.value = keepLeap;
    if (time) model.txbTime.text = *time;
    if (zone) {
        model.cboTimeZone.listIndex = *zone == "gmt" ? 0 : 1;
        model.cboTimeZone_Click();
    }

    if (operands[1] == "now") {
        model.cmdNow_Click();
    } else {
        model.SetDateText(operands[1]);
        model.cmdCompute_Click();
    }
    // Converting the moment already shown is no failure here: the move starts from it.
    std::erase_if(port.messages, [](const RecordedMessage& m) { return m.text == "Calendar dates unchanged."; });
    if (cli::ReportMessages(port)) return 2;

    const int64_t wanted = count.value_or(1);
    int64_t steps = 0;
    move.Stepped = [&] {
        ++steps;
        if (!each) return;
        const std::string block = ValueLabelsText(model, tips) + "\n";
        std::fwrite(block.data(), 1, block.size(), stdout);
    };
    // The repeated move's timer ticks at every pass until the count is reached.
    port.onProcessEvents = [&](int) {
        if (steps < wanted)
            move.Clock_Timer();
        else
            move.cmdStop_Click();
    };
    move.cmdMove_Click();
    if (cli::ReportMessages(port)) return 2;
    if (!each) {
        const std::string out = ValueLabelsText(model, tips);
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace orbel
