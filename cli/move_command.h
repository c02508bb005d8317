#pragma once
// orbel-cli move: a date typed and converted, then moved by one step of the
// main window's step list, once or as a repeated move of N steps.

namespace orbel {

// True when the command word after the options is "move".
bool IsMoveCommand(int argc, char** argv);

// Runs `orbel-cli [options] move STEP TEXT|now`; returns the exit status (0;
// 2 for bad usage, or a message box of the program, whose title and text go
// to stderr).
int RunMoveCommand(int argc, char** argv);

}  // namespace orbel
