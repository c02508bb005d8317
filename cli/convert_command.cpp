#include "cli/convert_command.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_window_model.h"
#include "cli/main_window_session.h"
#include "cli/options.h"
#include "dates/date_entry.h"
#include "support/scripted_user_port.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--names en|hans|hant|vi|ja|ko] [--observed]\n"
    "                 [--time HH:MM] [--zone gmt|local] [--plus N | --minus N] [--element NAME] "
    "[--animal NAME]\n"
    "                 [--calendar CODE] [--yes] [--tips] convert [--] TEXT\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); every value label is printed.\n"
    "-- ends the options: a TEXT that begins with a hyphen (\"----- CE\") follows it.\n";

struct ConvertOptions {
    cli::SettingsOptions settings;
    std::vector<std::pair<std::string, std::string>> later;  // the entry options, in order
    bool yes = false;
    bool tips = false;
};

using cli::KeepForLater;
using cli::SetFlag;
using Row = cli::Option<ConvertOptions>;

constexpr std::array<Row, 9> Options = {{
    {"--time", true, KeepForLater<ConvertOptions>},
    {"--zone", true, KeepForLater<ConvertOptions>},
    {"--plus", true, KeepForLater<ConvertOptions>},
    {"--minus", true, KeepForLater<ConvertOptions>},
    {"--element", true, KeepForLater<ConvertOptions>},
    {"--animal", true, KeepForLater<ConvertOptions>},
    {"--calendar", true, KeepForLater<ConvertOptions>},
    {"--yes", false, SetFlag<ConvertOptions, &ConvertOptions::yes>},
    {"--tips", false, SetFlag<ConvertOptions, &ConvertOptions::tips>},
}};

constexpr cli::CommandWords Words{{"convert"}, 1, true, true};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

// Chooses an item of the element or animal list by its text.
bool ChooseItem(ComboBox& list, void (MainWindowModel::*click)(), MainWindowModel& model, const std::string& value,
                const char* what, std::string& error) {
    const std::optional<int> index = cli::ItemIndex(list.items, value, false);
    if (!index) return error = "unknown " + std::string(what) + " '" + value + "'", false;
    list.listIndex = *index;
    (model.*click)();
    return true;
}

// Sets the entry controls an option names, as a person would before Compute.
bool ApplyEntryOption(MainWindowModel& model, const std::string& option, const std::string& value, std::string& error) {
    if (option == "--time") {
        model.txbTime.text = value;
    } else if (option == "--zone") {
        if (!cli::CheckZone(value, error)) return false;
        cli::ChooseTimeZone(model, value);
    } else if (option == "--plus" || option == "--minus") {
        model.txbPlusMinus.text = value;
        if (option == "--plus")
            model.optPlus_Click();
        else
            model.optMinus_Click();
    } else if (option == "--element") {
        return ChooseItem(model.cboElement, &MainWindowModel::cboElement_Click, model, value, "element", error);
    } else if (option == "--animal") {
        return ChooseItem(model.cboAnimal, &MainWindowModel::cboAnimal_Click, model, value, "animal", error);
    } else if (option == "--calendar") {
        const int16_t row = GetCalendar(ToUpper(value));
        if (row < 0) return error = "unknown calendar '" + value + "'", false;
        model.state.InputCalendar = row;
        model.HighlightInputCalendar();
    }
    return true;
}

// Converts the text; typed text keeps the element and animal chosen for a
// "?" position.
void Convert(MainWindowModel& model, const std::string& text) {
    if (text == "now") {
        model.cmdNow_Click();
        return;
    }
    const int element = model.cboElement.listIndex;
    const int animal = model.cboAnimal.listIndex;
    model.SetDateText(text);
    if (model.txbDate.text.find("-?-") != std::string::npos) {
        model.cboElement.listIndex = element;
        model.cboAnimal.listIndex = animal;
    }
    model.cmdCompute_Click();
}

}  // namespace

bool IsConvertCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunConvertCommand(int argc, char** argv) {
    ConvertOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error)) return Fail(error);
    if (parsed.operands.empty()) return Fail("convert needs the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load(std::to_string(options.settings.country));
    cli::PrintMessages(port, true);
    port.messages.clear();
    cli::ChooseSettings(model, options.settings);
    for (const auto& [option, value] : options.later)
        if (!ApplyEntryOption(model, option, value, error)) return Fail(error);

    port.answers.assign(4, options.yes);
    Convert(model, parsed.operands.front());
    cli::PrintMessages(port);
    if (cli::DateRefused(port)) return 2;
    return cli::PrintOutput(cli::ValueLabelsText(model, options.tips));
}

}  // namespace orbel
