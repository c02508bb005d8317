#pragma once
// orbel-cli log: the entry that Add to log would write into an empty log,
// for a typed date or the present moment.

namespace orbel {

// True when the command word after the options is "log".
bool IsLogCommand(int argc, char** argv);

// Runs `orbel-cli [options] log TEXT|now`; returns the exit status (0; 2 for
// bad usage or an entry the program refuses, with its message on stderr).
int RunLogCommand(int argc, char** argv);

}  // namespace orbel
