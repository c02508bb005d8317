// orbel-cli: the calendar engine from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "cli/log_command.h"
#include "cli/month_command.h"
#include "cli/move_command.h"
#include "cli/search_command.h"
#include "cli/data_window_command.h"
#include "cli/table_command.h"
#include "cli/today_command.h"

namespace orbel::cli {
int RunEvents(const std::vector<std::string>& args);
}

namespace {

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: orbel-cli events FROM TO\n"
                 "       orbel-cli [--country C] [--longitude N] [--epoch E] [--method M] table FROM TO\n"
                 "       orbel-cli [settings and entry options] convert [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--include LIST] [--expanded] [--chinese-terms] log [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--no-pan] [--png FILE] month [--] TEXT|now\n"
                 "       orbel-cli [settings and move options] move STEP [--] TEXT|now\n"
                 "       orbel-cli [settings and search options] search TARGET [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--major] [--minor] [--names] [--julian] yeardata [--] TEXT|now\n"
                 "       orbel-cli [settings options] [--format TEXT] today\n"
                 "       orbel-cli [settings options] [--years N] [--leap-only] [--omit-invalid] [--julian] [--ics FILE]\n"
                 "                 list anniversaries|monthstarts|newyears [--] TEXT|now\n"
                 "  FROM, TO: CE dates Y-MM-DD from -3000-01-01 to 3000-01-01\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (orbel::IsTodayCommand(argc, argv)) return orbel::RunTodayCommand(argc, argv);
    if (orbel::IsTableCommand(argc, argv)) return orbel::RunTableCommand(argc, argv);
    if (orbel::IsConvertCommand(argc, argv)) return orbel::RunConvertCommand(argc, argv);
    if (orbel::IsLogCommand(argc, argv)) return orbel::RunLogCommand(argc, argv);
    if (orbel::IsMonthCommand(argc, argv)) return orbel::RunMonthCommand(argc, argv);
    if (orbel::IsMoveCommand(argc, argv)) return orbel::RunMoveCommand(argc, argv);
    if (orbel::IsSearchCommand(argc, argv)) return orbel::RunSearchCommand(argc, argv);
    if (orbel::IsDataWindowCommand(argc, argv)) return orbel::RunDataWindowCommand(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage();
        return 2;
    }
    const std::string command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "events") return orbel::cli::RunEvents(rest);
    std::fprintf(stderr, "orbel-cli: unknown command \"%s\"\n", command.c_str());
    PrintUsage();
    return 2;
}
