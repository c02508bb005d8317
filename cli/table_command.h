#pragma once
// orbel-cli table: the CE, CHL and CHS dates of every day in a range.

namespace orbel {

// True when the command word after the options is "table".
bool IsTableCommand(int argc, char** argv);

// Runs `orbel-cli [options] table FROM TO`; returns the exit status
// (0, or 2 for bad usage or input, with a message on stderr).
int RunTableCommand(int argc, char** argv);

}  // namespace orbel
