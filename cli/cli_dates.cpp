#include "cli/cli_dates.h"

#include <cctype>
#include <cstdlib>

#include "engine/calendar_settings.h"
#include "services/calendar_conversion.h"

namespace orbel::cli {
namespace {

// Reads an optionally signed run of at most `maxDigits` digits at text[pos].
bool ReadNumber(const std::string& text, size_t& pos, bool allowSign, size_t maxDigits, long& value) {
    const size_t start = pos;
    if (allowSign && pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    const size_t digitsStart = pos;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) ++pos;
    const size_t digits = pos - digitsStart;
    if (digits == 0 || digits > maxDigits) return false;
    value = std::strtol(text.c_str() + start, nullptr, 10);
    return true;
}

}  // namespace

std::optional<int32_t> ParseCEDateArgument(const std::string& text, std::string& error) {
    size_t pos = 0;
    long y = 0, m = 0, d = 0;
    const bool shapeOk = ReadNumber(text, pos, true, 6, y) && pos < text.size() && text[pos++] == '-' &&
                         ReadNumber(text, pos, false, 2, m) && pos < text.size() && text[pos++] == '-' &&
                         ReadNumber(text, pos, false, 2, d) && pos == text.size();
    if (!shapeOk) {
        error = "\"" + text + "\" is not a date of the form Y-MM-DD";
        return std::nullopt;
    }
    EuroDate date;
    date.year = static_cast<int32_t>(y);
    date.month = static_cast<int32_t>(m);
    date.day = static_cast<int32_t>(d);
    date.letter = 'G';
    if (m < 1 || m > 12 || d < 1 || d > 31) {
        error = "\"" + text + "\" is not a date: month or day out of range";
        return std::nullopt;
    }
    const int32_t jdn = euro_date_to_jdn(&date);
    EuroDate back;
    back.letter = 'G';
    back.jdn = jdn;
    jdn_to_euro_date(&back);
    if (back.year != date.year || back.month != date.month || back.day != date.day) {
        error = "\"" + text + "\" is not a date: that month has no such day";
        return std::nullopt;
    }
    if (jdn < MinJDN || jdn > MaxJDN) {
        error = "\"" + text + "\" lies outside the range -3000-01-01 to 3000-01-01 CE";
        return std::nullopt;
    }
    return jdn;
}

}  // namespace orbel::cli
