// orbel-cli events FROM TO: the principal phases of the Moon and the solar
// terms whose GMT moments fall from FROM 00:00 GMT up to, not including, the
// day after TO.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_dates.h"
#include "engine/quenta_module.h"
#include "services/moment_solvers.h"

namespace orbel::cli {
namespace {

struct Event {
    const char* kind;
    int number;
    double tdt;
    double gmt;
};

}  // namespace

int RunEvents(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "orbel-cli: events needs two dates: events FROM TO\n");
        return 2;
    }
    std::string error;
    const auto from = ParseCEDateArgument(args[0], error);
    if (!from) {
        std::fprintf(stderr, "orbel-cli: %s\n", error.c_str());
        return 2;
    }
    const auto to = ParseCEDateArgument(args[1], error);
    if (!to) {
        std::fprintf(stderr, "orbel-cli: %s\n", error.c_str());
        return 2;
    }
    if (*to < *from) {
        std::fprintf(stderr, "orbel-cli: the date TO (%s) is before FROM (%s)\n", args[1].c_str(), args[0].c_str());
        return 2;
    }
    const double begin = *from - 0.5;   // AJD of FROM 00:00 GMT
    const double end = *to + 1 - 0.5;   // AJD of the day after TO, 00:00 GMT

    std::vector<Event> events;
    for (int32_t k = LunationAt(begin) - 1; k <= LunationAt(end) + 1; ++k)
        for (int16_t p = 0; p < 4; ++p) {
            const double gmt = PhaseMomentGMT(k, p);
            if (gmt >= begin && gmt < end) events.push_back({"phase", p, PhaseMomentTDT(k, p), gmt});
        }
    const auto firstTerm = static_cast<int64_t>(std::floor((begin - Equinox2000TT) / SolarTermMeanDays)) - 2;
    const auto lastTerm = static_cast<int64_t>(std::ceil((end - Equinox2000TT) / SolarTermMeanDays)) + 2;
    for (int64_t n = firstTerm; n <= lastTerm; ++n) {
        const double tdt = SolarTermMomentTT(n);
        const double gmt = tdt - DeltaTOfMoment(tdt) / 1440.0;
        // Steps are counted from the spring equinox, table index 6.
        const int index = static_cast<int>(((n % 24) + 24 + 6) % 24);
        if (gmt >= begin && gmt < end) events.push_back({"term", index, tdt, gmt});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.gmt < b.gmt; });
    for (const Event& e : events) std::printf("%s\t%d\t%.6f\t%.6f\n", e.kind, e.number, e.tdt, e.gmt);
    return 0;
}

}  // namespace orbel::cli
