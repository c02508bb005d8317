// orbel-cli: the calendar engine from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "cli/table_command.h"

namespace orbel::cli {
int RunEvents(const std::vector<std::string>& args);
}

namespace {

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: orbel-cli events FROM TO\n"
                 "       orbel-cli [--country C] [--longitude N] [--epoch E] [--method M] table FROM TO\n"
                 "       orbel-cli [settings and entry options] convert [--] TEXT|now\n"
                 "  FROM, TO: CE dates Y-MM-DD from -3000-01-01 to 3000-01-01\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (orbel::IsTableCommand(argc, argv)) return orbel::RunTableCommand(argc, argv);
    if (orbel::IsConvertCommand(argc, argv)) return orbel::RunConvertCommand(argc, argv);
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
