#pragma once
// orbel-cli month: the calendar month view of the lunar month of a date, as
// text, and with --png as the page's image.

namespace orbel {

// True when the command word after the options is "month".
bool IsMonthCommand(int argc, char** argv);

// Runs `orbel-cli [options] month TEXT|now`; returns the exit status (0; 2
// for bad usage, an entry the program refuses or an image not saved as PNG,
// with the message on stderr).
int RunMonthCommand(int argc, char** argv);

}  // namespace orbel
