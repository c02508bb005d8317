#pragma once
// orbel-cli convert: a date typed into the main window's Date box and
// converted, with every value label printed.

namespace orbel {

// True when the command word after the options is "convert".
bool IsConvertCommand(int argc, char** argv);

// Runs `orbel-cli [options] convert TEXT [options]`; returns the exit status
// (0; 2 for bad usage or an entry the program refuses, with its message on
// stderr).
int RunConvertCommand(int argc, char** argv);

}  // namespace orbel
