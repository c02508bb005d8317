#pragma once
// What the orbel-cli commands do with the main window before and after their
// own work: choose the settings, enter the date, report the program's
// messages and print the value labels.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window_model.h"
#include "cli/settings_options.h"
#include "support/scripted_user_port.h"

namespace orbel::cli {

// Chooses the longitude, epoch and method of `options` in the main window's
// lists, as a person would (the country is given to Load).
void ChooseSettings(MainWindowModel& model, const SettingsOptions& options);

// Refuses a --zone value other than gmt or local.
bool CheckZone(std::string_view value, std::string& error);

// Chooses GMT or local time (a value CheckZone allowed) for the entered time.
void ChooseTimeZone(MainWindowModel& model, std::string_view zone);

// The index of `name` among `items` (any case; empty items never match), or
// with `numbers` of a whole number below their count.
std::optional<int> ItemIndex(const std::vector<std::string>& items, std::string_view name, bool numbers);

// "now" presses Now; any other text is typed into the Date box and converted.
void EnterDate(MainWindowModel& model, const std::string& text);

// True when the port has shown that the entered date was refused (not a date,
// or out of the program's range).
bool DateRefused(const ScriptedUserPort& port);

// Forgets the notice that converting the moment already shown changed
// nothing: a command that starts from that moment is content with it.
void ForgetUnchangedNotice(ScriptedUserPort& port);

// Prints the title and text of every message box the port has shown on
// stderr, and of the questions it asked only when `questionsToo`.
void PrintMessages(const ScriptedUserPort& port, bool questionsToo = false);

// Prints the messages as above and forgets them; true when there was one.
bool ReportMessages(ScriptedUserPort& port);

// Starts the main window with the settings of `options`, as a person would,
// and enters `text`; false, with the messages printed, when it was refused.
bool OpenMainWindowOn(MainWindowModel& model, ScriptedUserPort& port, const SettingsOptions& options,
                      const std::string& text);

// Writes `text` to stdout; the exit status, 2 when it could not be written.
int PrintOutput(const std::string& text);

// What the commands print: every value label of the main window, one
// "name<TAB>caption" line each, with tips also "name.tip<TAB>tool tip".
std::string ValueLabelsText(const MainWindowModel& model, bool tips);

}  // namespace orbel::cli
