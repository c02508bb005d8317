#include "cli/main_window_session.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "dates/date_entry.h"

namespace orbel::cli {
namespace {

// The value labels in the order they are printed.
std::vector<std::pair<const char*, const Label*>> ValueLabels(const MainWindowModel& m) {
    return {{"lblAstronomicalJulianDate", &m.lblAstronomicalJulianDate[1]},
            {"lblChronologicalJulianDateLondon", &m.lblChronologicalJulianDateLondon[1]},
            {"lblCommonEraDate", &m.lblCommonEraDate[1]},
            {"lblJulianCalendarDate", &m.lblJulianCalendarDate[1]},
            {"lblChronologicalJulianDateBeijing", &m.lblChronologicalJulianDateBeijing[1]},
            {"lblChineseSolarDate", &m.lblChineseSolarDate[1]},
            {"lblChineseLunarDate", &m.lblChineseLunarDate[1]},
            {"lblFestivals", &m.lblFestivals[1]},
            {"lblLunarDateWords", &m.lblLunarDateWords},
            {"lblPantheonCalendarGMT", &m.lblPantheonCalendarGMT[1]},
            {"lblPantheonCalendarCCT", &m.lblPantheonCalendarCCT[1]},
            {"lblElementAnimalOfDay", &m.lblElementAnimalOfDay[1]},
            {"lblElementAnimalOfMonth", &m.lblElementAnimalOfMonth[1]},
            {"lblElementAnimalOfYear", &m.lblElementAnimalOfYear[1]},
            {"lblDeltaT", &m.lblDeltaT[1]},
            {"lblPhaseOfMoon", &m.lblPhaseOfMoon},
            {"lblAgeOfMoon", &m.lblAgeOfMoon}};
}

}  // namespace

void ChooseSettings(MainWindowModel& model, const SettingsOptions& options) {
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
    if (options.names != model.state.ChosenNames) {
        model.cboNames.listIndex = static_cast<int>(options.names);
        model.cboNames_Click();
    }
    if (chosen.asObserved != model.state.AsObserved) {
        model.chkAsObserved.value = chosen.asObserved;
        model.chkAsObserved_Click();
    }
}

bool CheckZone(std::string_view value, std::string& error) {
    if (value == "gmt" || value == "local") return true;
    error = "zone must be gmt or local";
    return false;
}

void ChooseTimeZone(MainWindowModel& model, std::string_view zone) {
    model.cboTimeZone.listIndex = zone == "gmt" ? 0 : 1;
    model.cboTimeZone_Click();
}

std::optional<int> ItemIndex(const std::vector<std::string>& items, std::string_view name, bool numbers) {
    if (numbers) {
        if (const std::optional<int64_t> index = ParseInteger(name))
            return *index >= 0 && *index < static_cast<int64_t>(items.size()) ? std::optional<int>(static_cast<int>(*index))
                                                                               : std::nullopt;
    }
    const std::string wanted = ToLower(name);
    for (size_t i = 0; i < items.size(); ++i)
        if (!items[i].empty() && ToLower(items[i]) == wanted) return static_cast<int>(i);
    return std::nullopt;
}

void EnterDate(MainWindowModel& model, const std::string& text) {
    if (text == "now") {
        model.cmdNow_Click();
    } else {
        model.SetDateText(text);
        model.cmdCompute_Click();
    }
}

bool DateRefused(const ScriptedUserPort& port) {
    return std::any_of(port.messages.begin(), port.messages.end(), [](const RecordedMessage& m) {
        return m.title == DateErrorTitle || m.title == DateOutOfRangeTitle;
    });
}

void ForgetUnchangedNotice(ScriptedUserPort& port) {
    std::erase_if(port.messages, [](const RecordedMessage& m) { return m.text == DatesUnchangedText; });
}

void PrintMessages(const ScriptedUserPort& port, bool questionsToo) {
    for (const RecordedMessage& m : port.messages)
        if (questionsToo || !m.question) std::fprintf(stderr, "%s\n%s\n", m.title.c_str(), m.text.c_str());
}

bool OpenMainWindowOn(MainWindowModel& model, ScriptedUserPort& port, const SettingsOptions& options,
                      const std::string& text) {
    model.Load(std::to_string(options.country));
    ChooseSettings(model, options);
    port.messages.clear();
    EnterDate(model, text);
    return !ReportMessages(port);
}

bool ReportMessages(ScriptedUserPort& port) {
    const bool shown =
        std::any_of(port.messages.begin(), port.messages.end(), [](const RecordedMessage& m) { return !m.question; });
    PrintMessages(port);
    port.messages.clear();
    return shown;
}

int PrintOutput(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

std::string ValueLabelsText(const MainWindowModel& model, bool tips) {
    std::string out;
    for (const auto& [name, label] : ValueLabels(model)) {
        if (!label->visible && label == &model.lblLunarDateWords) continue;  // English
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

}  // namespace orbel::cli
