// Where the reader of the data window stays when its text is written again.
#include <algorithm>
#include <charconv>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "views/data_window.h"

namespace orbel {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The chronological Julian date a year-data line carries, a word of digits
// grouped by commas with four decimals ("2,458,460.6391"). Its moment is the
// same whatever the calendar and whichever solar terms are listed.
std::optional<double> LineMoment(std::string_view line) {
    static const std::regex moment(R"(\d[\d,]*\.\d{4})");
    for (size_t at = 0; at < line.size();) {
        const size_t start = line.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(line.find(' ', start), line.size());
        const std::string word(line.substr(start, end - start));
        if (std::regex_match(word, moment)) {
            std::string digits = word;
            std::erase(digits, ',');
            double value = 0;  // from_chars: the same in every locale
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
            return value;
        }
        at = end;
    }
    return std::nullopt;
}

}  // namespace

int KeptTopLine(std::string_view before, int top, std::string_view after) {
    const std::vector<std::string_view> old = Lines(before), now = Lines(after);
    const int last = std::max(0, static_cast<int>(now.size()) - 1);
    // The first line at or below the top that names a moment anchors the place.
    for (int i = std::max(top, 0); i < static_cast<int>(old.size()); ++i) {
        const std::optional<double> anchor = LineMoment(old[static_cast<size_t>(i)]);
        if (!anchor) continue;
        for (int j = 0; j < static_cast<int>(now.size()); ++j) {
            const std::optional<double> moment = LineMoment(now[static_cast<size_t>(j)]);
            if (moment && *moment >= *anchor) return std::clamp(j - (i - top), 0, last);
        }
        return last;
    }
    return std::clamp(top, 0, last);
}

}  // namespace orbel
