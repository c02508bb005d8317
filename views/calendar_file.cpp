#include "views/calendar_file.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>

#include "dates/day_numbers.h"

namespace orbel {

namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr size_t FoldOctets = 75;  // RFC 5545, 3.1

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string CalendarDate(int32_t jdn) {
    EuroDate date;
    date.letter = 'G';
    date.jdn = jdn;
    JDNToEuroDate(date);
    if (date.year < 1 || date.year > 9999) return {};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
    return buffer;
}

bool IsCalendarFileDay(int32_t jdn) { return !CalendarDate(jdn).empty() && !CalendarDate(jdn + 1).empty(); }

std::string CalendarMoment(int64_t utcSecond) {
    const int64_t day = utcSecond >= 0 ? utcSecond / 86400 : -((-utcSecond + 86399) / 86400);
    const std::string date = CalendarDate(static_cast<int32_t>(day));
    if (date.empty()) return {};
    const int64_t s = utcSecond - day * 86400;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "T%02d%02d%02dZ", static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                  static_cast<int>(s % 60));
    return date + buffer;
}

int64_t UtcSecondOf(double ajd) { return std::llround((ajd + 0.5) * 86400.0); }

std::string FoldLine(std::string_view line) {
    std::string out;
    size_t room = FoldOctets;
    while (line.size() > room) {
        size_t cut = room;
        while (cut > 0 && IsContinuationByte(line[cut])) --cut;
        out.append(line.substr(0, cut));
        out += CRLF;
        out += ' ';
        line.remove_prefix(cut);
        room = FoldOctets - 1;  // the blank that begins a continuation line counts
    }
    out.append(line);
    out += CRLF;
    return out;
}

std::string EscapeText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\n";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

// A DURATION value of whole minutes: "-PT900M", "PT540M".
std::string MinutesDuration(int32_t minutes) {
    return (minutes < 0 ? "-PT" : "PT") + std::to_string(minutes < 0 ? -minutes : minutes) + "M";
}

void AppendEvent(std::string& out, const CalendarEvent& e, std::string_view stamp) {
    std::string start, end;
    if (e.utcSecond) {
        start = end = CalendarMoment(*e.utcSecond);
    } else {
        start = CalendarDate(e.jdn);
        end = CalendarDate(e.jdn + 1);
    }
    if (start.empty() || end.empty()) return;
    const std::string_view value = e.utcSecond ? ":" : ";VALUE=DATE:";
    out += FoldLine("BEGIN:VEVENT");
    out += FoldLine("UID:" + EscapeText(e.uid));
    out += FoldLine("DTSTAMP:" + std::string(stamp));
    out += FoldLine("DTSTART" + std::string(value) + start);
    out += FoldLine("DTEND" + std::string(value) + end);
    out += FoldLine("SUMMARY:" + EscapeText(e.summary));
    if (!e.description.empty()) out += FoldLine("DESCRIPTION:" + EscapeText(e.description));
    out += FoldLine("TRANSP:TRANSPARENT");
    if (e.alarmMinutes) {
        out += FoldLine("BEGIN:VALARM");
        out += FoldLine("ACTION:DISPLAY");
        out += FoldLine("DESCRIPTION:" + EscapeText(e.summary));
        out += FoldLine("TRIGGER:" + MinutesDuration(*e.alarmMinutes));
        out += FoldLine("END:VALARM");
    }
    out += FoldLine("END:VEVENT");
}

}  // namespace

std::string CalendarFileText(const std::vector<CalendarEvent>& events, std::string_view stamp,
                             const CalendarHeader& header) {
    std::string out;
    out.reserve(events.size() * 300 + 256);
    for (std::string_view line : {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Corvane Systems//Orbel//EN",
                                  "CALSCALE:GREGORIAN"})
        out += FoldLine(line);
    if (!header.name.empty()) out += FoldLine("X-WR-CALNAME:" + EscapeText(header.name));
    if (!header.description.empty()) out += FoldLine("X-WR-CALDESC:" + EscapeText(header.description));
    for (const CalendarEvent& e : events) AppendEvent(out, e, stamp);
    out += FoldLine("END:VCALENDAR");
    return out;
}

std::string CurrentCalendarStamp() {
    return QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'").toStdString();
}

}  // namespace orbel
