#pragma once
// orbel-cli search: a date typed and converted, then the next or previous
// occurrence of a target of the main window's target list.

namespace orbel {

// True when the command word after the options is "search".
bool IsSearchCommand(int argc, char** argv);

// Runs `orbel-cli [options] search TARGET TEXT|now`; returns the exit status
// (0; 2 for bad usage, or a message box of the program, whose title and text
// go to stderr).
int RunSearchCommand(int argc, char** argv);

}  // namespace orbel
