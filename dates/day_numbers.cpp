#include "dates/day_numbers.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

#include "services/calendar_conversion.h"
#include "services/floor_division.h"
#include "dates/date_entry.h"
#include "dates/date_text.h"

namespace orbel {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// Characters `from` (1-based) through `from + count - 1`, clipped to the text.
std::string_view Mid(std::string_view text, std::size_t from, std::size_t count = std::string_view::npos) {
    if (from == 0 || from > text.size()) return {};
    return text.substr(from - 1, count);
}

// Seconds after local midnight of a system time text (see NowAJDFromTexts).
int32_t SecondsOfTimeText(std::string_view timeText) {
    std::string t(timeText);
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (t.find('M') == std::string::npos)
        return LeadingWholeNumber(Mid(t, 1, 2)) * 3600 + LeadingWholeNumber(Mid(t, 4, 2)) * 60 +
               LeadingWholeNumber(Mid(t, 7, 2));

    // 12-hour clock. A marker in front ("PM 2:05:09") is moved behind the time.
    if (t.size() >= 2 && t[1] == 'M') {
        std::string rest = t.substr(2);
        rest.erase(0, rest.find_first_not_of(' ') == std::string::npos ? rest.size()
                                                                        : rest.find_first_not_of(' '));
        t = rest + " " + t.substr(0, 2);
    }
    const std::size_t colon1 = t.find(':');
    int32_t hours = LeadingWholeNumber(std::string_view(t).substr(0, colon1));
    int32_t minutes = 0, seconds = 0;
    if (colon1 != std::string::npos) {
        minutes = LeadingWholeNumber(std::string_view(t).substr(colon1 + 1));
        const std::size_t colon2 = t.find(':', colon1 + 1);
        if (colon2 != std::string::npos) seconds = LeadingWholeNumber(std::string_view(t).substr(colon2 + 1));
    }
    if (t.find('A') == std::string::npos) {
        if (hours != 12) hours += 12;  // afternoon
    } else if (hours == 12) {
        hours = 0;  // 12 AM is midnight
    }
    return hours * 3600 + minutes * 60 + seconds;
}

struct LocalTexts {
    std::string date;  // year-month-day
    std::string time;  // 24-hour clock
    int tzMinutes = 0;
};

// The local date and time as the system shows them, and the zone offset, all
// from one reading of the clock.
LocalTexts ReadLocalClock() {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    LocalTexts texts;
    if (localtime_r(&now, &local) == nullptr) return texts;
    char date[32], time[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    texts.date = date;
    texts.time = time;
    texts.tzMinutes = TimeZoneMinutesFromSeconds(static_cast<int32_t>(-local.tm_gmtoff));
    return texts;
}

}  // namespace

int32_t EuroDateToJDN(EuroDate& date) { return euro_date_to_jdn(&date); }

void JDNToEuroDate(EuroDate& date) { jdn_to_euro_date(&date); }

void JDNToEuroDates(double dayValue, EuroDate& ce, EuroDate& jc) {
    double whole = std::trunc(dayValue);
    if (!(whole >= std::numeric_limits<int32_t>::min())) whole = std::numeric_limits<int32_t>::min();
    if (whole > std::numeric_limits<int32_t>::max()) whole = std::numeric_limits<int32_t>::max();
    const auto jdn = static_cast<int32_t>(whole);
    ce.jdn = jdn;
    jc.jdn = jdn;
    ce.letter = 'G';
    jc.letter = 'J';
    JDNToEuroDate(ce);
    JDNToEuroDate(jc);
}

int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(euro_day_of_week(jdn)); }

std::string DayOfWeekName(int dayOfWeek, bool pad) {
    static constexpr const char* kNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
    if (dayOfWeek < 0 || dayOfWeek > 6) return {};
    std::string name = kNames[dayOfWeek];
    if (pad && name.size() < 9) name.append(9 - name.size(), ' ');
    return name;
}

int16_t TimeZoneMinutesFromSeconds(int32_t secondsWest) {
    const int64_t east = -static_cast<int64_t>(secondsWest);
    int64_t minutes = FloorDiv<int64_t>(east, 60);
    const int64_t rest = east - minutes * 60;        // 0..59
    if (rest > 30 || (rest == 30 && (minutes & 1) != 0)) ++minutes;
    return static_cast<int16_t>(minutes);
}

int16_t TimeZoneMinutes() { return TimeZoneMinutesFromSeconds(get_timezone()); }

int32_t JDNFromDateText(std::string_view dateText) {
    EuroDate date;
    const char third = dateText.size() >= 3 ? dateText[2] : '\0';
    if (third == '-' || third == '/' || third == '.') {
        date.month = LeadingWholeNumber(Mid(dateText, 1, 2));
        date.day = LeadingWholeNumber(Mid(dateText, 4, 2));
        date.year = LeadingWholeNumber(Mid(dateText, 7));
    } else {
        date.year = LeadingWholeNumber(Mid(dateText, 1, 4));
        date.month = LeadingWholeNumber(Mid(dateText, 6, 2));
        date.day = LeadingWholeNumber(Mid(dateText, 9, 2));
    }
    date.letter = 'G';
    return EuroDateToJDN(date);
}

double NowAJDFromTexts(std::string_view dateText, std::string_view timeText, int tzMinutes) {
    const int32_t jdn = JDNFromDateText(dateText);
    const int64_t seconds = static_cast<int64_t>(SecondsOfTimeText(timeText)) - int64_t{tzMinutes} * 60;
    return jdn + seconds / kSecondsPerDay - 0.5;
}

int32_t TodayJDN() { return JDNFromDateText(ReadLocalClock().date); }

double NowAJD() {
    const LocalTexts now = ReadLocalClock();
    return NowAJDFromTexts(now.date, now.time, now.tzMinutes);
}

std::string TimeOfDayStr(double dayFraction, bool seconds) {
    double f = dayFraction;
    if (!(f >= 0.0 && f < 1.0)) return "XX:XX:XX";
    if (f > 0.0 && f < 0.99999999) f += 1e-8;
    int64_t s = static_cast<int64_t>(std::floor(f * kSecondsPerDay));
    if (s >= 86400) s = 86399;
    const int64_t secs = s % 60;
    const int64_t minutes = ((s - secs) / 60) % 60;
    const int64_t hours = (s - secs - 60 * minutes) / 3600;
    std::string text = TwoDigits(hours) + ":" + TwoDigits(minutes);
    if (seconds) text += ":" + TwoDigits(secs);
    return text;
}

std::string LondonTime(double cjdl) { return TimeOfDayStr(cjdl - std::floor(cjdl), false) + " GMT"; }

std::string BeijingTime(double cjdc, std::string_view zoneName) {
    return TimeOfDayStr(cjdc - std::floor(cjdc), false) + " " + std::string(zoneName);
}

}  // namespace orbel
