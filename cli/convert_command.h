#pragma once
// orbel-cli convert: a date typed into the main window's Date box and
// converted, with every value label printed.

#include <string>

#include "app/main_window_model.h"
#include "cli/settings_options.h"

namespace orbel {

// True when the command word after the options is "convert".
bool IsConvertCommand(int argc, char** argv);

// Runs `orbel-cli [options] convert TEXT [options]`; returns the exit status
// (0; 2 for bad usage or an entry the program refuses, with its message on
// stderr).
int RunConvertCommand(int argc, char** argv);

// What the commands print: every value label of the main window, one
// "name<TAB>caption" line each, with tips also "name.tip<TAB>tool tip".
std::string ValueLabelsText(const MainWindowModel& model, bool tips);

// Chooses the longitude, epoch and method the options ask for in a loaded
// main window.
void ApplySettingsOptions(MainWindowModel& model, const cli::SettingsOptions& options);

}  // namespace orbel
