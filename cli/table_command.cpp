#include "cli/table_command.h"

#include "cli/cli_dates.h"
#include "cli/options.h"

#include <algorithm>
#include <array>
#include <limits>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "services/calendar_settings.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan|korea] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean] table FROM TO\n"
    "FROM and TO are CE dates Y-MM-DD from -3000-01-01 to 3000-01-01\n";

struct TableOptions {
    cli::SettingsOptions settings;
};

// The settings options only: every word after the command is a date.
constexpr std::array<cli::Option<TableOptions>, 0> Options = {};
constexpr cli::CommandWords Words{{"table"}, std::numeric_limits<size_t>::max(), false};

int Fail(const std::string& message) { return cli::UsageError(message, Usage); }

}  // namespace

bool IsTableCommand(int argc, char** argv) { return cli::CommandIs(argc, argv, Options, Words); }

int RunTableCommand(int argc, char** argv) {
    TableOptions options;
    cli::ParsedCommand parsed;
    std::string error;
    if (!cli::ParseCommandLine(argc, argv, Options, Words, options, parsed, error)) return Fail(error);
    if (parsed.operands.size() != 2) return Fail("table needs FROM and TO");
    const auto from = cli::ParseCEDateArgument(parsed.operands[0], error);
    if (!from) return Fail(error);
    const auto to = cli::ParseCEDateArgument(parsed.operands[1], error);
    if (!to) return Fail(error);
    if (*from > *to) return Fail("FROM is after TO");
    const CalendarSettings settings = options.settings.Resolved();
    const int country = options.settings.country;

    // The astronomy of each new sui costs milliseconds and the memos are
    // shared between threads: a second thread prepares the year data of the
    // second half of a long range while this one writes the first half.
    std::thread helper;
    if (*to - *from > 2 * 366) {
        // This thread also formats every line, so the helper takes the larger share.
        const int32_t middle = *from + static_cast<int32_t>((*to - *from) * 0.42);
        helper = std::thread([middle, last = *to, settings] {
            for (int32_t d = middle; d <= last + 366; d += 365) (void)ComputeYearData(std::min(d, last) + 0.5, settings);
        });
    }

    std::string out;
    out.reserve(1 << 16);
    for (int32_t d = *from; d <= *to; ++d) {
        ChsDate chs;
        ChlDate chl;
        CJDateToChDates(d + 0.5, settings.epoch, chs, chl, settings);
        EuroDate ce;
        ce.jdn = d;
        JDNToEuroDate(ce);
        out += std::to_string(d);
        out += '\t';
        out += EuroDateToStr(ce);
        out += " CE\t";
        out += ChlDateShortStr(chl, 0, "CHL", settings, country);
        out += '\t';
        out += ChsDateShortStr(chs, false);
        out += '\n';
        if (out.size() > (1 << 16) - 128) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (helper.joinable()) helper.join();
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace orbel
