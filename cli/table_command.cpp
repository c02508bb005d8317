#include "cli/table_command.h"

#include "cli/cli_dates.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "dates/day_numbers.h"
#include "engine/calendar_settings.h"
#include "engine/chinese_calendar.h"

namespace orbel {
namespace {

constexpr const char* Usage =
    "usage: orbel-cli [--country vietnam|china|japan] [--longitude 100..145] [--epoch -2696|-2636] "
    "[--method true|mean] table FROM TO\n"
    "FROM and TO are CE dates Y-MM-DD from -3000-01-01 to 3000-01-01\n";

bool IsOption(std::string_view arg) {
    return arg == "--country" || arg == "--longitude" || arg == "--epoch" || arg == "--method";
}

// Index of the command word: the first argument that is not an option or
// an option's value; argc when there is none.
int CommandIndex(int argc, char** argv) {
    int i = 1;
    while (i < argc && IsOption(argv[i])) i += 2;
    return i;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

void AppendTwoDigits(std::string& out, int32_t n) {
    if (n >= 0 && n < 10) out += '0';
    out += std::to_string(n);
}

// year-MM-DD, the year with "," between thousands beyond +-9999.
void AppendCEDate(std::string& out, int32_t jdn) {
    EuroDate date;
    date.letter = 'G';
    date.jdn = jdn;
    JDNToEuroDate(date);
    std::string year = std::to_string(date.year < 0 ? -static_cast<int64_t>(date.year) : date.year);
    if (date.year > 9999 || date.year < -9999)
        for (int i = static_cast<int>(year.size()) - 3; i > 0; i -= 3) year.insert(static_cast<std::size_t>(i), ",");
    if (date.year < 0) out += '-';
    out += year;
    out += '-';
    AppendTwoDigits(out, date.month);
    out += '-';
    AppendTwoDigits(out, date.day);
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "orbel-cli: %s\n%s", message.c_str(), Usage);
    return 2;
}

}  // namespace

bool IsTableCommand(int argc, char** argv) {
    const int i = CommandIndex(argc, argv);
    return i < argc && std::string_view(argv[i]) == "table";
}

int RunTableCommand(int argc, char** argv) {
    CalendarSettings settings;
    std::optional<int16_t> countryLongitude;
    std::optional<int16_t> longitude;
    int i = 1;
    for (; i < argc && IsOption(argv[i]); i += 2) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) return Fail("option " + std::string(option) + " needs a value");
        const std::string_view value = argv[i + 1];
        if (option == "--country") {
            if (value == "vietnam")
                countryLongitude = 105;
            else if (value == "china")
                countryLongitude = 120;
            else if (value == "japan")
                countryLongitude = 135;
            else
                return Fail("unknown country '" + std::string(value) + "'");
        } else if (option == "--longitude") {
            const auto n = ParseInteger(value);
            if (!n || *n < 100 || *n > 145) return Fail("longitude must be a whole number from 100 to 145");
            longitude = static_cast<int16_t>(*n);
        } else if (option == "--epoch") {
            const auto n = ParseInteger(value);
            if (!n || (*n != -2696 && *n != -2636)) return Fail("epoch must be -2696 or -2636");
            settings.epoch = static_cast<int16_t>(*n);
        } else {
            if (value == "true")
                settings.method = TrueSunMethod;
            else if (value == "mean")
                settings.method = MeanSunMethod;
            else
                return Fail("method must be true or mean");
        }
    }
    if (countryLongitude) settings.referenceLongitude = *countryLongitude;
    if (longitude) settings.referenceLongitude = *longitude;

    if (i >= argc || std::string_view(argv[i]) != "table") return Fail("expected the command table");
    if (argc - i != 3) return Fail("table needs FROM and TO");
    std::string error;
    const auto from = cli::ParseCEDateArgument(argv[i + 1], error);
    if (!from) return Fail(error);
    const auto to = cli::ParseCEDateArgument(argv[i + 2], error);
    if (!to) return Fail(error);
    if (*from > *to) return Fail("FROM is after TO");

    std::string out;
    out.reserve(1 << 16);
    for (int32_t d = *from; d <= *to; ++d) {
        ChsDate chs;
        ChlDate chl;
        CJDateToChDates(d + 0.5, settings.epoch, chs, chl, settings);
        out += std::to_string(d);
        out += '\t';
        AppendCEDate(out, d);
        out += " CE\t";
        out += std::to_string(chl.cycle);
        out += '-';
        AppendTwoDigits(out, chl.position);
        out += '-';
        out += MonthLabel(chl.month, chl.leap == 1);
        out += '-';
        AppendTwoDigits(out, chl.day);
        out += " CHL\t";
        out += std::to_string(chs.cycle);
        out += '-';
        AppendTwoDigits(out, chs.position);
        out += '-';
        AppendTwoDigits(out, chs.term);
        out += '-';
        AppendTwoDigits(out, chs.day);
        out += " CHS\n";
        if (out.size() > (1 << 16) - 128) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace orbel
