#include "cli/convert_command.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "cli/settings_options.h"
#include "dates/date_entry.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean]\n"
    "                 [--time HH:MM] [--zone gmt|local] [--plus N | --minus N] [--element NAME] "
    "[--animal NAME]\n"
    "                 [--calendar CODE] [--yes] [--tips] convert [--] TEXT\n"
    "TEXT is typed into the Date box and converted (\"now\" presses Now); every value label is printed.\n"
    "-- ends the options: a TEXT that begins with a hyphen (\"----- CE\") follows it.\n";

bool TakesValue(std::string_view arg) {
    return cli::IsSettingsOption(arg) || arg == "--time" || arg == "--zone" || arg == "--plus" || arg == "--minus" ||
           arg == "--element" || arg == "--animal" || arg == "--calendar";
}

bool IsFlag(std::string_view arg) { return arg == "--yes" || arg == "--tips"; }

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

// The value labels in the order they are printed.
std::vector<std::pair<const char*, const Label*>> ValueLabels(const MainWindowModel& m) {
    return {{"lblAstronomicalJulianDate", &m.lblAstronomicalJulianDate[1]},
            {"lblChronologicalJulianDateLondon", &m.lblChronologicalJulianDateLondon[1]},
            {"lblCommonEraDate", &m.lblCommonEraDate[1]},
            {"lblJulianCalendarDate", &m.lblJulianCalendarDate[1]},
            {"lblChronologicalJulianDateBeijing", &m.lblChronologicalJulianDateBeijing[1]},
            {"lblChineseSolarDate", &m.lblChineseSolarDate[1]},
            {"lblChineseLunarDate", &m.lblChineseLunarDate[1]},
            {"lblPantheonCalendarGMT", &m.lblPantheonCalendarGMT[1]},
            {"lblPantheonCalendarCCT", &m.lblPantheonCalendarCCT[1]},
            {"lblElementAnimalOfDay", &m.lblElementAnimalOfDay[1]},
            {"lblElementAnimalOfMonth", &m.lblElementAnimalOfMonth[1]},
            {"lblElementAnimalOfYear", &m.lblElementAnimalOfYear[1]},
            {"lblDeltaT", &m.lblDeltaT[1]},
            {"lblPhaseOfMoon", &m.lblPhaseOfMoon},
            {"lblAgeOfMoon", &m.lblAgeOfMoon}};
}

int IndexOfItem(const ComboBox& list, std::string_view name) {
    const std::string wanted = ToLower(name);
    for (int i = 0; i < list.ListCount(); ++i)
        if (!list.items[static_cast<size_t>(i)].empty() && ToLower(list.items[static_cast<size_t>(i)]) == wanted)
            return i;
    return -1;
}

}  // namespace

void ChooseSettings(MainWindowModel& model, const cli::SettingsOptions& options) {
    const CalendarSettings chosen = options.Resolved();
    if (chosen.referenceLongitude != model.state.ReferenceLongitude) {
        model.cboLongitude.listIndex = chosen.referenceLongitude - 100;
        model.cboLongitude_Click();
    }
    if (chosen.epoch != model.Epoch()) {
        model.cboEpoch.listIndex = chosen.epoch == -2636 ? 1 : 0;
        model.cboEpoch_Click();
    }
    if (chosen.method != model.Settings().method) {
        model.cboMethod.listIndex = chosen.method;
        model.cboMethod_Click();
    }
}

bool IsConvertCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") return i + 1 < argc && std::string_view(argv[i + 1]) == "convert";
        if (TakesValue(arg))
            ++i;
        else if (!IsFlag(arg))
            return arg == "convert";
    }
    return false;
}

int RunConvertCommand(int argc, char** argv) {
    cli::SettingsOptions settings;
    std::vector<std::pair<std::string, std::string>> entry;  // the other options, in order
    bool yes = false;
    bool tips = false;
    bool commandSeen = false;
    std::optional<std::string> text;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool option = !optionsEnded && arg.starts_with("--");
        if (option && arg == "--") {
            optionsEnded = true;
        } else if (!option && !commandSeen && arg == "convert") {
            commandSeen = true;
        } else if (!option && commandSeen && !text) {
            text = std::string(arg);
        } else if (!option) {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        } else if (TakesValue(arg)) {
            if (i + 1 >= argc) return Fail("option " + std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            std::string error;
            if (cli::IsSettingsOption(arg)) {
                if (!cli::ReadSettingsOption(arg, value, settings, error)) return Fail(error);
            } else {
                entry.emplace_back(std::string(arg), std::string(value));
            }
        } else if (arg == "--yes") {
            yes = true;
        } else if (arg == "--tips") {
            tips = true;
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!commandSeen) return Fail("expected the command convert");
    if (!text) return Fail("convert needs the TEXT of a date");

    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load(std::to_string(settings.country));
    if (port.messages.size() > 0) {
        for (const RecordedMessage& m : port.messages)
            std::fprintf(stderr, "%s\n%s\n", m.title.c_str(), m.text.c_str());
        port.messages.clear();
    }
    ChooseSettings(model, settings);
    for (const auto& [option, value] : entry) {
        if (option == "--time") {
            model.txbTime.text = value;
        } else if (option == "--zone") {
            if (value == "gmt")
                model.cboTimeZone.listIndex = 0;
            else if (value == "local")
                model.cboTimeZone.listIndex = 1;
            else
                return Fail("zone must be gmt or local");
            model.cboTimeZone_Click();
        } else if (option == "--plus" || option == "--minus") {
            model.txbPlusMinus.text = value;
            if (option == "--plus")
                model.optPlus_Click();
            else
                model.optMinus_Click();
        } else if (option == "--element") {
            const int index = IndexOfItem(model.cboElement, value);
            if (index < 0) return Fail("unknown element '" + value + "'");
            model.cboElement.listIndex = index;
            model.cboElement_Click();
        } else if (option == "--animal") {
            const int index = IndexOfItem(model.cboAnimal, value);
            if (index < 0) return Fail("unknown animal '" + value + "'");
            model.cboAnimal.listIndex = index;
            model.cboAnimal_Click();
        } else if (option == "--calendar") {
            const int16_t row = GetCalendar(ToUpper(value));
            if (row < 0) return Fail("unknown calendar '" + value + "'");
            model.state.InputCalendar = row;
            model.HighlightInputCalendar();
        }
    }

    port.answers.assign(4, yes);
    if (*text == "now") {
        model.cmdNow_Click();
    } else {
        // Typed text keeps the element and animal chosen for a "?" position.
        const int element = model.cboElement.listIndex;
        const int animal = model.cboAnimal.listIndex;
        model.SetDateText(*text);
        if (model.txbDate.text.find("-?-") != std::string::npos) {
            model.cboElement.listIndex = element;
            model.cboAnimal.listIndex = animal;
        }
        model.cmdCompute_Click();
    }
    bool refused = false;
    for (const RecordedMessage& m : port.messages) {
        if (m.question) continue;
        std::fprintf(stderr, "%s\n%s\n", m.title.c_str(), m.text.c_str());
        if (m.title == DateErrorTitle || m.title == "Date out of range") refused = true;
    }
    if (refused) return 2;

    const std::string out = ValueLabelsText(model, tips);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

std::string ValueLabelsText(const MainWindowModel& model, bool tips) {
    std::string out;
    for (const auto& [name, label] : ValueLabels(model)) {
        out += name;
        out += '\t';
        out += label->caption;
        out += '\n';
        if (tips) {
            out += name;
            out += ".tip\t";
            out += label->toolTip;
            out += '\n';
        }
    }
    return out;
}

}  // namespace orbel
