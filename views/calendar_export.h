#pragma once
// Calendar files of what the program knows: a lunar anniversary repeated
// over the years, the solar terms and principal moon phases at their
// moments, and the starts of the lunar months. No calendar application
// repeats an event by the lunar calendar, so every occurrence is written out
// as an event of its own, with a UID that stays the same for the same choice
// so that a second import updates the first.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/names.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"
#include "views/calendar_file.h"

namespace orbel {

enum class ExportKind : int8_t { Anniversary, Festivals, Terms, Phases, MonthStarts };

// The kinds by their command-line names, in the order of the window's ticks.
struct ExportKindName {
    ExportKind kind;
    std::string_view name;   // "anniversary"
    std::string_view label;  // "Lunar anniversary"
};
extern const std::vector<ExportKindName> ExportKindNames;
std::optional<ExportKind> ExportKindFromName(std::string_view name);

// What an anniversary becomes in a year that lacks its date (a 30th in a
// month of 29 days, a leap month the year does not have).
enum class MissingDate : int8_t {
    DayBefore,      // the last day before it: the 29th; the last day of the ordinary month
    OrdinaryMonth,  // the same day of the ordinary month; the 29th for a 30th
    LeaveOut,       // no event that year
};
inline constexpr MissingDate DefaultMissingDate = MissingDate::OrdinaryMonth;
std::optional<MissingDate> MissingDateFromName(std::string_view name);  // before|ordinary|skip

// A reminder `days` days before an all-day event, at hour:minute local time.
struct ExportAlarm {
    int days = 1;
    int hour = 9;
    int minute = 0;
    int32_t Minutes() const { return -days * 1440 + hour * 60 + minute; }
};
// "DAYS@HH:MM" with 0..365 days, hours 0..23, minutes 0..59.
std::optional<ExportAlarm> ParseExportAlarm(std::string_view text);

inline constexpr int DefaultExportYears = 30;
// The calendars end with this CE year; the years of a file may not run past it.
inline constexpr int32_t LastExportYear = 3000;
inline constexpr int32_t FirstExportYear = -3000;

struct ExportChoice {
    std::vector<ExportKind> kinds;
    int32_t firstYear = 2000;  // CE year of the first anniversary, and first year of the rest
    int years = DefaultExportYears;
    ChlDate date;  // the lunar date of the anniversary (month, day, leap)
    std::string title, note;  // the anniversary's own title (empty: a title of the date) and note
    std::optional<ExportAlarm> alarm;
    MissingDate missing = DefaultMissingDate;
    CalendarSettings settings;
    int country = 1;
    Names names = Names::English;
};

// The title of an anniversary of `date` (its year position set) when the
// user gave none: "Lunar New Year · Year of the Dragon" for the first day of
// the first month, else "Lunar anniversary · month 4, day 11"; in other
// words "春节 甲辰年", "四月十一".
std::string AnniversaryTitle(const ChlDate& date, int country, Names names = Names::English);

// The line that names the calendar and meridian a file was made for.
std::string CalendarLine(const CalendarSettings& settings, int country);

// The worded reason a choice cannot be exported, or empty.
std::string CheckExportChoice(const ExportChoice& choice);

struct ExportResult {
    std::vector<CalendarEvent> events;
    CalendarHeader header;
    int leftOutYears = 0;   // anniversary years outside 1..9999 CE or skipped by LeaveOut
    int outsideEra = 0;     // of those, the years outside 1..9999 CE
};

// The events of every chosen kind, in the order of the kinds; the choice
// must have passed CheckExportChoice.
ExportResult BuildCalendarExport(const ExportChoice& choice);

// The file text of a result.
std::string CalendarExportText(const ExportResult& result, std::string_view stamp);

}  // namespace orbel
