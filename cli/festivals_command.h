#pragma once
// orbel-cli festivals: the data window's list of festivals for a moment typed
// into the main window's Date box.

namespace orbel {

// True when the command word after the options is "festivals".
bool IsFestivalsCommand(int argc, char** argv);

// Runs `orbel-cli [options] [--years N] [--country C] festivals TEXT|now`;
// returns the exit status (0; 2 for bad usage, or when the program showed a
// message, which goes to stderr).
int RunFestivalsCommand(int argc, char** argv);

}  // namespace orbel
