#include "views/calendar_file.h"

#include <QDateTime>

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

std::string CalendarFileText(const std::vector<CalendarEvent>& events, std::string_view stamp) {
    std::string out;
    for (std::string_view line : {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Corvane Systems//Orbel//EN",
                                  "CALSCALE:GREGORIAN"})
        out += FoldLine(line);
    for (const CalendarEvent& e : events) {
        if (!IsCalendarFileDay(e.jdn)) continue;
        out += FoldLine("BEGIN:VEVENT");
        out += FoldLine("UID:" + EscapeText(e.uid));
        out += FoldLine("DTSTAMP:" + std::string(stamp));
        out += FoldLine("DTSTART;VALUE=DATE:" + CalendarDate(e.jdn));
        out += FoldLine("DTEND;VALUE=DATE:" + CalendarDate(e.jdn + 1));
        out += FoldLine("SUMMARY:" + EscapeText(e.summary));
        out += FoldLine("TRANSP:TRANSPARENT");
        out += FoldLine("END:VEVENT");
    }
    out += FoldLine("END:VCALENDAR");
    return out;
}

std::string CurrentCalendarStamp() {
    return QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'").toStdString();
}

}  // namespace orbel
