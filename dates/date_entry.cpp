#include "dates/date_entry.h"

#include <cctype>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "services/calendar_conversion.h"

namespace orbel {

std::string DateErrorMessage(int code, bool isChina) {
    static constexpr std::string_view ChlLastLines =
        "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
        "and specify element-animal using the drop-down boxes.";
    switch (code) {
    case 1: return "No date specified.";
    case 2: return "Calendar must be specified (one of CHL, CHS, CE, JC, PAN, CJDL, CJDC, AJD).";
    case 3: return "Time specification not permitted in date string.";
    case 4: return "Invalid time specification.  Times must be, e.g., 23:50.";
    case 5: return "Date separator must be a dash, '-'.";
    case 6: return "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day";
    case 7: return "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day";
    case 8:
        if (isChina)
            return std::string("Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'\r\n"
                               "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.\r\n\r\n") +
                   std::string(ChlLastLines);
        return std::string("Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\r\n\r\n") +
               std::string(ChlLastLines);
    case 9: return "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n";
    case 10: return "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.";
    case 11: return "Invalid PAN date.  PAN dates must be in ISO 8601 format: year-month-day";
    case 12: return "Error when parsing date string.";
    case 13: return "Invalid CHL date.  Day number exceeds number of days in the month.";
    case 14: return "Invalid plus/minus days.";
    case 15: return "Date too early.";
    default: return {};
    }
}

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
    }
    if (!digits) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

int32_t LeadingWholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value < 1000000000) value = value * 10 + (text[i] - '0');
    return static_cast<int32_t>(negative ? -value : value);
}

int16_t ParseTimeText(std::string_view text) {
    std::string t;
    for (const char c : text)
        if (c != ' ') t += (c == '.' ? ':' : c);
    const size_t colon = t.find(':');
    if (colon != 1 && colon != 2) return -1;
    const double hours = std::round(LeadingNumber(std::string_view(t).substr(0, colon)));
    const double minutes = std::round(LeadingNumber(std::string_view(t).substr(colon + 1)));
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return -1;
    return static_cast<int16_t>(hours * 60 + minutes);
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string ToUpper(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string ToLower(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool IsValidPlusMinus(std::string& text, bool deleteCommas) {
    text = std::string(Trim(text));
    if (text.empty()) return true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '-' || c == '+') && i > 0) return false;
        if (std::string_view("0123456789-+,.").find(c) == std::string_view::npos) return false;
    }
    if (deleteCommas) std::erase(text, ',');
    return true;
}

void CyclePosition::Advance() {
    if (++position > 60) {
        position = 1;
        ++cycle;
    }
}

void CyclePosition::Retreat() {
    if (--position < 1) {
        position = 60;
        --cycle;
    }
}

CyclePosition OverseasYearToCycle(int32_t year) {
    CyclePosition r;
    r.cycle = (year - 1) / 60 + 1;  // division toward zero, as the year count is written
    r.position = year - 60 * (r.cycle - 1);
    return r;
}

int StrToEuroDate(std::string_view text, EuroDate& date) {
    std::string d;
    for (const char c : text)
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') d += c;
    const auto dashes = std::count(d.begin(), d.end(), '-');
    int status = 0;
    if (dashes == 2 || dashes == 3) {
        const int32_t result = str_to_date(d.c_str(), StrToDateOrderYMD, &date, date.letter);
        status = result == StrToDateOk ? 1 : result == StrToDateYearRange ? -1 : 0;
    }
    date.valid = status == 1 ? 1 : 0;
    return status;
}

}  // namespace orbel
