#include "dates/date_text.h"

#include <cstdio>
#include <cstring>

#include "dates/day_numbers.h"
#include "services/calendar_conversion.h"
#include "services/floor_division.h"

namespace orbel {
namespace {

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};

std::string YearStr(int32_t year) {
    const std::string plain = std::to_string(year);
    return (year > 9999 || year < -9999) ? SeparateThousands(plain, ",") : plain;
}

std::string Plural(int32_t n, const char* unit) {
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

std::string EuroDateToStr(const EuroDate& date) {
    return YearStr(date.year) + "-" + PadLeft(std::to_string(date.month), 2, '0') + "-" +
           PadLeft(std::to_string(date.day), 2, '0');
}

std::string EuroDateOfDayStr(int32_t jdn, char letter) {
    EuroDate date;
    date.letter = letter;
    date.jdn = jdn;
    JDNToEuroDate(date);
    return EuroDateToStr(date);
}

std::string MonthName(int month) { return (month >= 1 && month <= 12) ? kMonthNames[month - 1] : ""; }

std::string EuroDateLongForm(const EuroDate& date) {
    return "The " + OrdinalStr(static_cast<int16_t>(date.day)) + " day of " + MonthName(date.month) + " in the year " +
           YearStr(date.year) + " in the " + (date.letter == 'J' ? "Julian" : "Common Era") + " Calendar";
}

std::string SeparateThousands(std::string_view number, std::string_view separator) {
    if (separator.empty()) return std::string(number);
    const std::string input(number);
    char buffer[20];
    std::memset(buffer, ' ', sizeof buffer);
    if (separate_thousands(input.c_str(), static_cast<unsigned char>(separator[0]), buffer) != 0) return input;
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

std::string OrdinalStr(int16_t n) {
    std::string text = std::to_string(n);
    if (n < 0) return text;
    if (n == 11 || n == 12 || n == 13) return text + "th";
    switch (n % 10) {
        case 1: return text + "st";
        case 2: return text + "nd";
        case 3: return text + "rd";
        default: return text + "th";
    }
}

std::string DurationStr(int32_t minutes, bool longForm) {
    if (!longForm) return CompactDurationStr(minutes);
    int32_t m = minutes, d = 0, h = 0;
    std::string s;
    if (m >= 1440) {
        d = m / 1440;
        m %= 1440;
        s = Plural(d, "day");
    }
    if (m >= 60) {
        if (d > 0) s += " and ";
        h = m / 60;
        m %= 60;
        s += Plural(h, "hour");
    }
    if (m > 0) {
        if (h > 0 || d >= 1) s += " and ";
        s += Plural(m, "minute");
    }
    if (s.empty()) s = "0 minutes";
    const std::size_t first = s.find(" and");
    if (first != std::string::npos && s.find(" and", first + 1) != std::string::npos)
        s = s.substr(0, first) + "," + s.substr(first + 4);
    return s;
}

std::string CompactDurationStr(int32_t minutes) {
    int32_t m = minutes;
    std::string s;
    if (m >= 1440) {
        s = std::to_string(m / 1440) + "d ";
        m %= 1440;
    }
    return s + std::to_string(FloorDiv(m, 60)) + "h " + std::to_string(FloorMod(m, 60)) + "m";
}

std::string TwoDigits(int64_t n) { return PadLeft(std::to_string(n), 2, '0'); }

std::string SignedNumberStr(int64_t n) { return (n < 0 ? "" : " ") + std::to_string(n); }

std::string PadLeft(std::string_view text, int16_t width, char pad) {
    if (width < 0 || text.size() >= static_cast<std::size_t>(width)) return std::string(text);
    return std::string(static_cast<std::size_t>(width) - text.size(), pad) + std::string(text);
}

std::string EpochMethod(bool capital, const CalendarSettings& settings) {
    return std::string(capital ? "Epoch" : "epoch") + " = " + std::to_string(settings.epoch) + ", method = " +
           (settings.method == 0 ? "true sun" : "mean sun") + (settings.asObserved ? ", months as observed" : "");
}

std::string DayCountStr(double value, const char* code) {
    char buffer[400];  // the widest double with four decimals has 309 + 5 digits
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    std::string number = buffer;
    if (number == "-0.0000") number = "0.0000";
    // Group the digits before the point here: the text may be longer than
    // the 20-character buffer of separate_thousands.
    const std::size_t sign = (!number.empty() && number[0] == '-') ? 1 : 0;
    std::size_t digits = 0;
    while (sign + digits < number.size() && number[sign + digits] >= '0' && number[sign + digits] <= '9') ++digits;
    std::string grouped = number.substr(0, sign);
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) grouped += ',';
        grouped += number[sign + i];
    }
    grouped += number.substr(sign + digits);
    return code == nullptr ? grouped : grouped + " " + code;
}

}  // namespace orbel
