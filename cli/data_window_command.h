#pragma once
// orbel-cli yeardata and list: the data window's text for a moment typed
// into the main window's Date box.

namespace orbel {

// True when the command word after the options is "yeardata" or "list".
bool IsDataWindowCommand(int argc, char** argv);

// Runs `orbel-cli [options] yeardata TEXT|now` or `orbel-cli [options] list
// anniversaries|monthstarts|newyears TEXT|now`; returns the exit status (0;
// 2 for bad usage, or when the program showed a message, which goes to stderr).
int RunDataWindowCommand(int argc, char** argv);

}  // namespace orbel
