#include "cli/search_command.h"

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
#include "engine/cycles.h"
#include "engine/festivals.h"
#include "navigation/event_search.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--names en|hans|hant|vi|ja|ko] [--observed]\n"
    "                 [--time HH:MM] [--zone gmt|local] [--previous] [--element E] [--animal A]\n"
    "                 [--day-element E] [--day-animal A] [--month-element E] [--month-animal A]\n"
    "                 [--year-element E] [--year-animal A] [--within 1|10|100|1000] [--festival NAME] [--tips]\n"
    "                 search TARGET [--] TEXT|now\n"
    "TARGET is an item of the target list (\"Full moon\") or its index 0..22; TEXT is typed into the Date\n"
    "box and converted (\"now\" presses Now), then Search is pressed; the value labels of the moment found\n"
    "are printed. --element and --animal choose for targets 15 to 17; the --day-, --month- and --year-\n"
    "options and --within fill the multiple element-animal search of targets 19 and 20; --festival chooses\n"
    "the festival of target 22 (\"Festival\"), by its name in any words, or any\n";

struct SearchOptions {
    cli::SettingsOptions settings;
    std::vector<std::pair<std::string, std::string>> later;  // the others, in order
    bool previous = false;
    bool tips = false;
};

using cli::KeepForLater;
using cli::SetFlag;
using Row = cli::Option<SearchOptions>;

constexpr std::array<Row, 14> Options = {{
    {"--festival", true, KeepForLater<SearchOptions>},
    {"--time", true, KeepForLater<SearchOptions>},
    {"--zone", true, KeepForLater<SearchOptions>},
    {"--element", true, KeepForLater<SearchOptions>},
    {"--animal", true, KeepForLater<SearchOptions>},
    {"--within", true, KeepForLater<SearchOptions>},
    {"--day-element", true, KeepForLater<SearchOptions>},
    {"--day-animal", true, KeepForLater<SearchOptions>},
    {"--month-element", true, KeepForLater<SearchOptions>},
    {"--month-animal", true, KeepForLater<SearchOptions>},
    {"--year-element", true, KeepForLater<SearchOptions>},
    {"--year-animal", true, KeepForLater<SearchOptions>},
    {"--previous", false, SetFlag<SearchOptions, &SearchOptions::previous>},
    {"--tips", false, SetFlag<SearchOptions, &SearchOptions::tips>},
}};

constexpr cli::CommandWords Words{{"search"}, 2};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

// The element and animal lists' choices: for the single search, and the
// day, month and year rows of the multiple element-animal search.
struct Choices {
    int element = BlankElementIndex;
    int animal = BlankAnimalIndex;
    std::array<int, 3> rowElements{BlankElementIndex, BlankElementIndex, BlankElementIndex};
    std::array<int, 3> rowAnimals{BlankAnimalIndex, BlankAnimalIndex, BlankAnimalIndex};
    std::optional<int> within;
    int festival = 0;  // item of the festival chooser: 0 any
};

// The festival chooser's item of a festival name of the country; false with
// the choices listed when the country has no festival of that name.
bool ReadFestival(const MainWindowModel& model, const std::string& name, Choices& choices, std::string& error) {
    if (name == AnyFestivalItem) return choices.festival = 0, true;
    const int index = FestivalIndexOfName(model.Country(), name);
    if (index >= 0) return choices.festival = index + 1, true;
    error = "unknown festival '" + name + "'; the festivals are: " + std::string(AnyFestivalItem);
    for (const Festival& f : FestivalsOf(model.Country()).festivals) error += ", " + std::string(f.Name(Names::English));
    return false;
}

// Reads an element or animal option into `choices`.
bool ReadElementOrAnimal(const MainWindowModel& model, const std::string& option, const std::string& value,
                         Choices& choices, std::string& error) {
    const bool isElement = option.ends_with("element");
    const std::vector<std::string> elements(ElementNameList.begin(), ElementNameList.end());
    const std::vector<std::string> animals(model.AnimalNames.begin(), model.AnimalNames.end());
    const std::optional<int> index = cli::ItemIndex(isElement ? elements : animals, value, false);
    if (!index) return error = "unknown " + std::string(isElement ? "element" : "animal") + " '" + value + "'", false;
    const size_t row = option.starts_with("--day") ? 0 : option.starts_with("--month") ? 1 : 2;
    if (option == "--element")
        choices.element = *index;
    else if (option == "--animal")
        choices.animal = *index;
    else if (isElement)
        choices.rowElements[row] = *index;
    else
        choices.rowAnimals[row] = *index;
    return true;
}

// Applies the options kept for later: the entry's time and zone go to the
// window, the lists' choices to `choices`.
bool ReadChoices(MainWindowModel& model, const SearchOptions& options, Choices& choices, std::string& error) {
    for (const auto& [option, value] : options.later) {
        if (option == "--time") {
            model.txbTime.text = value;
        } else if (option == "--zone") {
            if (!cli::CheckZone(value, error)) return false;
            cli::ChooseTimeZone(model, value);
        } else if (option == "--festival") {
            if (!ReadFestival(model, value, choices, error)) return false;
        } else if (option == "--within") {
            choices.within = cli::ItemIndex({"1", "10", "100", "1000"}, value, false);
            if (!choices.within) return error = "within must be 1, 10, 100 or 1000", false;
        } else if (!ReadElementOrAnimal(model, option, value, choices, error)) {
            return false;
        }
    }
    return true;
}

// Presses Search for the target, and fills and runs the multiple
// element-animal search when the target opens it.
void Search(MainWindowModel& model, int target, const Choices& choices, bool previous) {
    model.cboElement.listIndex = choices.element;
    model.cboAnimal.listIndex = choices.animal;
    model.cboTarget.listIndex = target;
    model.cboTarget_Click();
    model.cboFestival.listIndex = choices.festival;
    if (previous)
        model.optPrevious_Click();
    else
        model.optNext_Click();
    model.cmdSearch_Click();
    MultipleElementAnimalWindow& multiple = model.frmMultiple_El_An;
    if (!multiple.visible) return;
    for (size_t row = 0; row < 3; ++row)
        multiple.SetRow(static_cast<int>(row), choices.rowElements[row], choices.rowAnimals[row]);
    if (choices.within) multiple.cboWithin.listIndex = *choices.within;
    multiple.cmdSearch_Click();
}

}  // namespace

bool IsSearchCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunSearchCommand(int argc, char** argv) {
    SearchOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error)) return Fail(error);
    if (parsed.operands.size() < 2) return Fail("search needs a TARGET and the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load(std::to_string(options.settings.country));
    cli::ReportMessages(port);
    cli::ChooseSettings(model, options.settings);

    const std::vector<std::string> targets(TargetItems.begin(), TargetItems.end());
    const std::optional<int> target = cli::ItemIndex(targets, parsed.operands[0], true);
    if (!target) return Fail("unknown target '" + parsed.operands[0] + "'");
    Choices choices;
    if (!ReadChoices(model, options, choices, error)) return Fail(error);

    cli::EnterDate(model, parsed.operands[1]);
    if (parsed.operands[1] != "now") model.SetDateText("");
    cli::ForgetUnchangedNotice(port);  // the search starts from the moment shown
    if (cli::ReportMessages(port)) return 2;

    Search(model, *target, choices, options.previous);
    if (cli::ReportMessages(port)) return 2;
    return cli::PrintOutput(cli::ValueLabelsText(model, options.tips));
}

}  // namespace orbel
