// orbel-cli today for status bars: the glance of one day computed in the
// process from empty memos, and the whole command as a fresh process each
// time (start, dynamic linking, computing and printing), wall-clock time.
//   build/bin/today_bench
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <unistd.h>

#include "engine/chinese_calendar.h"
#include "views/today.h"

extern char** environ;

namespace orbel {
namespace {

void ComputeTodayCold(benchmark::State& state) {
    const CalendarGlanceWords words;
    const LocalDay day = LocalToday();
    for (auto _ : state) {
        ClearCalendarCaches();
        benchmark::DoNotOptimize(ComputeToday(day, TodaySettings{}, words));
    }
}
BENCHMARK(ComputeTodayCold)->Unit(benchmark::kMillisecond);

// One `orbel-cli today` process, its output thrown away.
void CliTodayProcess(benchmark::State& state) {
    char program[] = ORBEL_CLI;
    char command[] = "today";
    char* argv[] = {program, command, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start orbel-cli");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("orbel-cli today failed");
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(CliTodayProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace orbel
