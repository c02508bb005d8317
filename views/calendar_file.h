#pragma once
// iCalendar files (RFC 5545) of all-day events, for taking lunar anniversaries
// into an ordinary calendar application.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

struct CalendarEvent {
    int32_t jdn = 0;      // the day, Julian day number
    std::string uid;      // stable across exports of the same list
    std::string summary;  // UTF-8
    std::string description;  // UTF-8, lines apart by '\n'; none when empty
    // A timed event: its moment in whole seconds of the GMT day count
    // (CJDL x 86400); the event is then an instant, written in UTC.
    std::optional<int64_t> utcSecond;
    // A reminder this many minutes after the start (negative: before it).
    std::optional<int32_t> alarmMinutes;
};

// What the whole file says about itself: X-WR-CALNAME and X-WR-CALDESC;
// empty texts are not written.
struct CalendarHeader {
    std::string name, description;
};

// The whole file: a VCALENDAR with one all-day VEVENT per event, CRLF line
// ends, lines folded at 75 octets. `stamp` is the DTSTAMP, UTC, in the form
// YYYYMMDDTHHMMSSZ. Events whose CE year lies outside 1..9999 cannot be
// written as an iCalendar date and are left out.
std::string CalendarFileText(const std::vector<CalendarEvent>& events, std::string_view stamp,
                             const CalendarHeader& header = {});

// The CE date of a day number as YYYYMMDD, or empty outside the years 1..9999.
std::string CalendarDate(int32_t jdn);
// The UTC moment as YYYYMMDDTHHMMSSZ, or empty outside the years 1..9999.
std::string CalendarMoment(int64_t utcSecond);
// The whole seconds of an AJD (GMT) moment, as CalendarEvent::utcSecond.
int64_t UtcSecondOf(double ajd);

// True when the all-day event of day `jdn` can be written: the day and the
// day after it lie in the years 1..9999 CE.
bool IsCalendarFileDay(int32_t jdn);

// `line` folded after every 75 octets with CRLF and a blank, never inside a
// UTF-8 sequence, and ended with CRLF.
std::string FoldLine(std::string_view line);

// Backslash, semicolon, comma and line breaks escaped as TEXT values need.
std::string EscapeText(std::string_view text);

// The present moment as a DTSTAMP value.
std::string CurrentCalendarStamp();

}  // namespace orbel
