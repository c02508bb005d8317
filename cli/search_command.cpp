#include "cli/search_command.h"

#include <array>
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
#include "engine/cycles.h"
#include "navigation/event_search.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--time HH:MM] [--zone gmt|local] [--previous] [--element E] [--animal A]\n"
    "                 [--day-element E] [--day-animal A] [--month-element E] [--month-animal A]\n"
    "                 [--year-element E] [--year-animal A] [--within 1|10|100|1000] [--tips]\n"
    "                 search TARGET [--] TEXT|now\n"
    "TARGET is an item of the target list (\"Full moon\") or its index 0..21; TEXT is typed into the Date\n"
    "box and converted (\"now\" presses Now), then Search is pressed; the value labels of the moment found\n"
    "are printed. --element and --animal choose for targets 15 to 17; the --day-, --month- and --year-\n"
    "options and --within fill the multiple element-animal search of targets 19 and 20\n";

constexpr std::array<std::string_view, 6> RowOptions = {"--day-element",   "--day-animal",  "--month-element",
                                                         "--month-animal", "--year-element", "--year-animal"};

bool IsRowOption(std::string_view arg) {
    for (std::string_view o : RowOptions)
        if (arg == o) return true;
    return false;
}

bool TakesValue(std::string_view arg) {
    return cli::IsSettingsOption(arg) || arg == "--time" || arg == "--zone" || arg == "--element" ||
           arg == "--animal" || arg == "--within" || IsRowOption(arg);
}

bool IsFlag(std::string_view arg) { return arg == "--previous" || arg == "--tips"; }

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

// The index of `name` among `items` (any case), or of a whole number below
// `count`.
std::optional<int> ItemIndex(const std::vector<std::string>& items, std::string_view name, bool numbers) {
    if (numbers) {
        if (const std::optional<int64_t> index = cli::ParseInteger(name))
            return *index >= 0 && *index < static_cast<int64_t>(items.size()) ? std::optional<int>(static_cast<int>(*index))
                                                                               : std::nullopt;
    }
    const std::string wanted = ToLower(name);
    for (size_t i = 0; i < items.size(); ++i)
        if (!items[i].empty() && ToLower(items[i]) == wanted) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

bool IsSearchCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, {"search"}, TakesValue, IsFlag); }

int RunSearchCommand(int argc, char** argv) {
    cli::SettingsOptions settings;
    std::vector<std::pair<std::string, std::string>> options;  // the others, in order
    bool previous = false, tips = false, commandSeen = false;
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
            } else {
                options.emplace_back(std::string(arg), std::string(value));
            }
        } else if (arg == "--previous") {
            previous = true;
        } else if (arg == "--tips") {
            tips = true;
        } else if (!commandSeen && arg == "search") {
            commandSeen = true;
        } else if (commandSeen && operands.size() < 2 && !(arg.size() >= 2 && arg.substr(0, 2) == "--")) {
            operands.emplace_back(arg);
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!commandSeen) return Fail("expected the command search");
    if (operands.size() < 2) return Fail("search needs a TARGET and the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load(std::to_string(settings.country));
    cli::ReportMessages(port);
    ChooseSettings(model, settings);

    const std::vector<std::string> targets(TargetItems.begin(), TargetItems.end());
    const std::optional<int> target = ItemIndex(targets, operands[0], true);
    if (!target) return Fail("unknown target '" + operands[0] + "'");
    const std::vector<std::string> elements(ElementNameList.begin(), ElementNameList.end());
    const std::vector<std::string> animals(model.AnimalNames.begin(), model.AnimalNames.end());
    int element = BlankElementIndex, animal = BlankAnimalIndex;
    std::array<int, 3> rowElements{5, 5, 5}, rowAnimals{12, 12, 12};
    std::optional<int> within;
    for (const auto& [option, value] : options) {
        if (option == "--time") {
            model.txbTime.text = value;
        } else if (option == "--zone") {
            if (value != "gmt" && value != "local") return Fail("zone must be gmt or local");
            model.cboTimeZone.listIndex = value == "gmt" ? 0 : 1;
            model.cboTimeZone_Click();
        } else if (option == "--within") {
            within = ItemIndex({"1", "10", "100", "1000"}, value, false);
            if (!within) return Fail("within must be 1, 10, 100 or 1000");
        } else {
            const bool isElement = option.ends_with("element");
            const std::optional<int> index = ItemIndex(isElement ? elements : animals, value, false);
            if (!index) return Fail("unknown " + std::string(isElement ? "element" : "animal") + " '" + value + "'");
            const int row = option.starts_with("--day") ? 0 : option.starts_with("--month") ? 1 : 2;
            if (option == "--element")
                element = *index;
            else if (option == "--animal")
                animal = *index;
            else if (isElement)
                rowElements[static_cast<size_t>(row)] = *index;
            else
                rowAnimals[static_cast<size_t>(row)] = *index;
        }
    }

    if (operands[1] == "now") {
        model.cmdNow_Click();
    } else {
        model.SetDateText(operands[1]);
        model.cmdCompute_Click();
        model.SetDateText("");
    }
    // Converting the moment already shown is no failure here: the search starts from it.
    std::erase_if(port.messages, [](const RecordedMessage& m) { return m.text == "Calendar dates unchanged."; });
    if (cli::ReportMessages(port)) return 2;

    model.cboElement.listIndex = element;
    model.cboAnimal.listIndex = animal;
    model.cboTarget.listIndex = *target;
    model.cboTarget_Click();
    if (previous)
        model.optPrevious_Click();
    else
        model.optNext_Click();
    model.cmdSearch_Click();
    MultipleElementAnimalWindow& multiple = model.frmMultiple_El_An;
    if (multiple.visible) {
        for (int row = 0; row < 3; ++row)
            multiple.SetRow(row, rowElements[static_cast<size_t>(row)], rowAnimals[static_cast<size_t>(row)]);
        if (within) multiple.cboWithin.listIndex = *within;
        multiple.cmdSearch_Click();
    }
    if (cli::ReportMessages(port)) return 2;
    const std::string out = ValueLabelsText(model, tips);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace orbel
