// orbel-cli-models: the orbel-cli commands that drive the windows' models
// (convert, log, month, move, search, yeardata, list, festivals, ics). orbel-cli starts it in
// its own place for them, so that its engine-only commands load no Qt library.
#include <cstdio>
#include <string>

#include "cli/convert_command.h"
#include "cli/data_window_command.h"
#include "cli/festivals_command.h"
#include "cli/ics_command.h"
#include "cli/log_command.h"
#include "cli/month_command.h"
#include "cli/move_command.h"
#include "cli/search_command.h"
#include "cli/usage.h"

int main(int argc, char** argv) {
    if (orbel::IsConvertCommand(argc, argv)) return orbel::RunConvertCommand(argc, argv);
    if (orbel::IsLogCommand(argc, argv)) return orbel::RunLogCommand(argc, argv);
    if (orbel::IsMonthCommand(argc, argv)) return orbel::RunMonthCommand(argc, argv);
    if (orbel::IsMoveCommand(argc, argv)) return orbel::RunMoveCommand(argc, argv);
    if (orbel::IsSearchCommand(argc, argv)) return orbel::RunSearchCommand(argc, argv);
    if (orbel::IsIcsCommand(argc, argv)) return orbel::RunIcsCommand(argc, argv);
    if (orbel::IsDataWindowCommand(argc, argv)) return orbel::RunDataWindowCommand(argc, argv);
    if (orbel::IsFestivalsCommand(argc, argv)) return orbel::RunFestivalsCommand(argc, argv);
    std::fprintf(stderr, "orbel-cli: unknown command \"%s\"\n", argc > 1 ? argv[1] : "");
    orbel::cli::PrintUsage();
    return 2;
}
