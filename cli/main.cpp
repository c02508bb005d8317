// orbel-cli: the calendar engine from the command line.
//
// The commands that need the engine alone (today, table, events) run here,
// in a program that loads no Qt library, so that a status bar may start
// `orbel-cli today` every few seconds at little cost. The commands that drive
// the windows' models run in orbel-cli-models, beside this program, which is
// started in its place with the same arguments.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_version.h"
#include "cli/table_command.h"
#include "cli/today_command.h"
#include "cli/usage.h"

namespace orbel::cli {
int RunEvents(const std::vector<std::string>& args);
}

namespace {

// Replaces this process by orbel-cli-models; returns only on failure.
int RunModelsProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string models = (self.parent_path() / "orbel-cli-models").string();
    execv(models.c_str(), argv);
    std::fprintf(stderr, "orbel-cli: cannot start %s: %s\n", models.c_str(), std::strerror(errno));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("orbel-cli %.*s\n", static_cast<int>(orbel::ProgramVersion.size()), orbel::ProgramVersion.data());
        return 0;
    }
    if (orbel::IsTodayCommand(argc, argv)) return orbel::RunTodayCommand(argc, argv);
    if (orbel::IsTableCommand(argc, argv)) return orbel::RunTableCommand(argc, argv);
    if (argc < 2) {
        orbel::cli::PrintUsage();
        return 2;
    }
    if (std::string(argv[1]) == "events") return orbel::cli::RunEvents(std::vector<std::string>(argv + 2, argv + argc));
    return RunModelsProgram(argv);
}
