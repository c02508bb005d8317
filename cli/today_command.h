#pragma once
// orbel-cli today: today's lunar date in one line, for status bars.

namespace orbel {

// True when the command word after the options is "today".
bool IsTodayCommand(int argc, char** argv);

// Runs `orbel-cli [settings options] [--format TEXT] today`; returns the exit
// status (0, or 2 for bad usage or an unknown field, with a message on stderr).
int RunTodayCommand(int argc, char** argv);

}  // namespace orbel
