#include "views/calendar_export.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/festivals.h"
#include "engine/lunar_date_words.h"
#include "engine/quenta_module.h"
#include "engine/sol_eq.h"

namespace orbel {

const std::vector<ExportKindName> ExportKindNames = {
    {ExportKind::Anniversary, "anniversary", "Lunar anniversary"},
    {ExportKind::Festivals, "festivals", "Festivals"},
    {ExportKind::Terms, "terms", "Solar terms"},
    {ExportKind::Phases, "phases", "Moon phases"},
    {ExportKind::MonthStarts, "monthstarts", "Lunar month starts"},
};

std::optional<ExportKind> ExportKindFromName(std::string_view name) {
    for (const ExportKindName& k : ExportKindNames)
        if (k.name == name) return k.kind;
    return std::nullopt;
}

std::optional<MissingDate> MissingDateFromName(std::string_view name) {
    if (name == "before") return MissingDate::DayBefore;
    if (name == "ordinary") return MissingDate::OrdinaryMonth;
    if (name == "skip") return MissingDate::LeaveOut;
    return std::nullopt;
}

std::optional<ExportAlarm> ParseExportAlarm(std::string_view text) {
    ExportAlarm a;
    char at = 0, colon = 0;
    int used = 0;
    const std::string s(text);
    if (std::sscanf(s.c_str(), "%3d%c%2d%c%2d%n", &a.days, &at, &a.hour, &colon, &a.minute, &used) != 5 ||
        used != static_cast<int>(s.size()) || at != '@' || colon != ':' || !std::isdigit(static_cast<unsigned char>(s[0])))
        return std::nullopt;
    if (a.days < 0 || a.days > 365 || a.hour < 0 || a.hour > 23 || a.minute < 0 || a.minute > 59) return std::nullopt;
    return a;
}

std::string CheckExportChoice(const ExportChoice& c) {
    if (c.kinds.empty()) return "Choose at least one kind of event.";
    if (c.firstYear < FirstExportYear || c.firstYear > LastExportYear)
        return "The first year must lie between " + std::to_string(FirstExportYear) + " and " +
               std::to_string(LastExportYear) + " CE.";
    const int most = LastExportYear - c.firstYear + 1;
    if (c.years < 1 || c.years > most)
        return "The number of years must lie between 1 and " + std::to_string(most) + " (from " +
               std::to_string(c.firstYear) + "; the calendars end in " + std::to_string(LastExportYear) + " CE).";
    const bool anniversary = std::ranges::find(c.kinds, ExportKind::Anniversary) != c.kinds.end();
    if (anniversary && (c.date.month < 1 || c.date.month > 12 || c.date.day < 1 || c.date.day > 30))
        return "Lunar date is invalid.";
    return {};
}

namespace {

constexpr std::string_view UidDomain = "@orbel.corvane-systems";

// FNV-1a, 32 bits: a short stable tag of a text for a UID.
std::string TextTag(std::string_view text) {
    uint32_t h = 2166136261u;
    for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "%08x", h);
    return buffer;
}

int32_t JdnOfJanuaryFirst(int32_t year) {
    EuroDate d;
    d.letter = 'G';
    d.year = year;
    d.month = 1;
    d.day = 1;
    return EuroDateToJDN(d);
}

std::string CeDateText(int32_t jdn) { return EuroDateOfDayStr(jdn) + " CE"; }


// The line every event and the file end with: which calendar, which meridian.
std::string CalendarLine(const ExportChoice& c) { return CalendarLine(c.settings, c.country); }

std::string Capitalised(std::string_view word) {
    std::string s(word);
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

// The principal phases as English titles name them.
constexpr std::array<std::string_view, 4> EnglishPhaseTitles = {"New moon", "First quarter", "Full moon", "Last quarter"};

// The name of the lunar new year's festival of a country in the chosen words.
std::string NewYearName(int country, Names names) {
    for (const Festival& f : FestivalsOf(country).festivals)
        if (f.rule == FestivalRule::LunarDate && f.month == 1 && f.day == 1) return std::string(f.Name(names));
    return {};
}

std::string MonthWords(const ChlDate& d) {
    return std::string(d.leap ? "leap month " : "month ") + std::to_string(d.month);
}


std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        if (l.empty()) continue;
        if (!out.empty()) out += '\n';
        out += l;
    }
    return out;
}

// The day of the anniversary in the nian of `date` (cycle and position set),
// with the fall-back of the missing-date policy; false when there is none.
bool AnniversaryDay(ChlDate& date, MissingDate missing, const CalendarSettings& s) {
    if (ChLDateToJDN(date, s) == ChlDateFound) return true;
    if (missing == MissingDate::LeaveOut) return false;
    const int32_t day = date.day;
    if (date.leap) {
        ChlDate leapMonth = date;
        leapMonth.day = 1;
        if (ChLDateToJDN(leapMonth, s) != ChlDateFound) {
            date.leap = 0;
            if (missing == MissingDate::DayBefore) {
                const int16_t length = LunarMonthLength(date, s);
                date.day = length;
                if (length > 0 && ChLDateToJDN(date, s) == ChlDateFound) return true;
            }
            date.day = day;
            if (ChLDateToJDN(date, s) == ChlDateFound) return true;
        }
    }
    date.day = std::min<int32_t>(day, 29);
    return ChLDateToJDN(date, s) == ChlDateFound;
}

void AddAnniversaries(const ExportChoice& c, ExportResult& r) {
    const CalendarSettings& s = c.settings;
    const std::string original = ChlDateShortStr(c.date, 0, "CHL", s, c.country);
    const std::string uidStem = "anniversary-" + std::to_string(c.date.month) + (c.date.leap ? "L" : "") + "-" +
                                std::to_string(c.date.day) + "-" + TextTag(c.title) + "-" +
                                std::to_string(s.referenceLongitude) + "-";
    for (int k = 0; k < c.years; ++k) {
        const int32_t year = c.firstYear + k;
        ChlDate d = c.date;
        d.epoch = s.epoch;
        d.cycle = CycleOfYear(year, s.epoch);
        d.position = PositionOfYear(year);
        const ChlDate asked = d;
        if (!AnniversaryDay(d, c.missing, s)) {
            ++r.leftOutYears;
            continue;
        }
        if (CalendarDate(d.jdn).empty()) {
            ++r.leftOutYears;
            ++r.outsideEra;
            continue;
        }
        CalendarEvent e;
        e.jdn = d.jdn;
        e.uid = uidStem + std::to_string(year) + std::string(UidDomain);
        e.summary = c.title.empty() ? AnniversaryTitle(d, c.country, c.names) : c.title;
        const std::string lunar = ChlDateShortStr(d, 0, "CHL", s, c.country);
        const bool moved = d.day != asked.day || d.leap != asked.leap;
        e.description = Join({lunar + " = " + CeDateText(d.jdn),
                              moved ? ChlDateShortStr(asked, 0, "CHL", s, c.country) + " is not in this year" : "",
                              "Anniversary of " + original, c.note, CalendarLine(c)});
        if (c.alarm) e.alarmMinutes = c.alarm->Minutes();
        r.events.push_back(std::move(e));
    }
}

void AddTerms(const ExportChoice& c, ExportResult& r) {
    const CalendarSettings& s = c.settings;
    for (int k = 0; k < c.years; ++k) {
        const int32_t year = c.firstYear + k;
        // The sui of mid-June of `year` runs from the December solstice of
        // the year before; its terms 25 to 48 are those of the CE year.
        const SolarTerms terms = ComputeSolarTerms(JdnOfJanuaryFirst(year) + 165.5, TrueSunMethod, s);
        for (int i = 25; i <= 48; ++i) {
            const double moment = terms.TermMoments[i];
            if (!std::isfinite(moment)) continue;
            CalendarEvent e;
            e.utcSecond = UtcSecondOf(FromReferenceCJD(moment, s.referenceLongitude));
            if (CalendarMoment(*e.utcSecond).empty()) continue;
            const int code = i % 24;
            e.jdn = terms.TermDays[i];
            e.uid = "term-" + std::string(TermCodes[code]) + "-" + std::to_string(year) + std::string(UidDomain);
            e.summary = c.names == Names::English ? std::string(TermNames[code].english) : TermWords(c.names, code);
            e.description = Join({"Solar term " + std::string(TermCodes[code]) + ", " +
                                      std::string(TermNames[code].pinyin),
                                  CalendarLine(c)});
            r.events.push_back(std::move(e));
        }
    }
}

void AddPhases(const ExportChoice& c, ExportResult& r) {
    const double start = JdnOfJanuaryFirst(c.firstYear) - 0.5;
    const double end = JdnOfJanuaryFirst(c.firstYear + c.years) - 0.5;
    int32_t k = LunationAt(start);
    if (k == NoLunation) return;
    for (; PhaseMomentGMT(k, 0) < end; ++k) {
        for (int16_t p = 0; p < 4; ++p) {
            const double t = PhaseMomentGMT(k, p);
            if (t < start || t >= end) continue;
            CalendarEvent e;
            e.utcSecond = UtcSecondOf(t);
            if (CalendarMoment(*e.utcSecond).empty()) continue;
            e.jdn = static_cast<int32_t>(std::floor(t + 0.5));
            e.uid = "phase-" + std::to_string(k) + "-" + std::to_string(p) + std::string(UidDomain);
            e.summary = c.names == Names::English ? std::string(EnglishPhaseTitles[static_cast<size_t>(p)])
                                                  : PhaseWords(c.names, p);
            e.description = Join({"Lunation " + std::to_string(k), CalendarLine(c)});
            r.events.push_back(std::move(e));
        }
    }
}

// The first day of the nian that begins in CE year `year` (1 January where
// the calendar cannot compute it).
int32_t NewYearDay(int32_t year, const CalendarSettings& s) {
    return LunarNewYearDay(year, s).value_or(JdnOfJanuaryFirst(year));
}

// The lunar year of a day as a new year's title names it: " · Year of the
// Dragon", " 甲辰年".
std::string YearOfTheAnimal(const ChlDate& d, const ExportChoice& c) {
    if (c.names != Names::English) return " " + YearWords(c.names, d.position);
    return " · Year of the " + Capitalised(AnimalNameList(c.country)[AnimalOfPosition(d.position)]);
}

void AddFestivals(const ExportChoice& c, ExportResult& r) {
    const CalendarSettings& s = c.settings;
    const FestivalCountry& country = FestivalsOf(c.country);
    // Lunar years, as the anniversaries and the festival list count them.
    const int32_t first = NewYearDay(c.firstYear, s);
    const int32_t last = NewYearDay(c.firstYear + c.years, s) - 1;
    for (const FestivalDay& day : FestivalDaysBetween(first, last, c.country, s)) {
        if (CalendarDate(day.jdn).empty()) continue;
        const Festival& f = country.festivals[static_cast<size_t>(day.festival)];
        ChlDate d;
        d.epoch = s.epoch;
        d.jdn = day.jdn;
        JDNToChlDate(d, s);
        CalendarEvent e;
        e.jdn = day.jdn;
        e.uid = "festival-" + std::string(country.name) + "-" + std::to_string(day.festival) + "-" +
                std::to_string(s.referenceLongitude) + "-" + std::to_string(day.jdn) + std::string(UidDomain);
        e.summary = std::string(f.Name(c.names));
        const bool newYear = f.rule == FestivalRule::LunarDate && f.month == 1 && f.day == 1;
        if (newYear && d.month == 1 && !d.leap) e.summary += YearOfTheAnimal(d, c);
        e.description = Join({ChlDateShortStr(d, 0, "CHL", s, c.country) + " = " + CeDateText(d.jdn),
                              std::string(country.adjective) + " festival", CalendarLine(c)});
        r.events.push_back(std::move(e));
    }
}

void AddMonthStarts(const ExportChoice& c, ExportResult& r) {
    const CalendarSettings& s = c.settings;
    for (int k = 0; k < c.years; ++k) {
        const int32_t year = c.firstYear + k;
        for (int32_t m = 1; m <= 12; ++m) {
            for (int32_t leap = 0; leap <= 1; ++leap) {
                ChlDate d = LunarDateOfYear(year, m, leap == 1, 1, s.epoch);
                if (ChLDateToJDN(d, s) != ChlDateFound || CalendarDate(d.jdn).empty()) continue;
                CalendarEvent e;
                e.jdn = d.jdn;
                e.uid = "monthstart-" + std::to_string(year) + "-" + std::to_string(m) + (leap ? "L" : "") + "-" +
                        std::to_string(s.referenceLongitude) + std::string(UidDomain);
                e.summary = c.names == Names::English ? "1st day of lunar " + MonthWords(d)
                                                      : LunarMonthDayWords(c.names, d.month, d.leap != 0, d.day);
                ChlDate last = d;
                const int length = LunarMonthLength(last, s);
                e.description = Join({ChlDateShortStr(d, 0, "CHL", s, c.country) + " = " + CeDateText(d.jdn) +
                                          (length > 0 ? ", " + std::to_string(length) + " days" : ""),
                                      CalendarLine(c)});
                r.events.push_back(std::move(e));
            }
        }
    }
}

}  // namespace

std::string CalendarLine(const CalendarSettings& settings, int country) {
    return "Chinese lunar calendar of " + std::string(CountryName(country)) +
           (settings.asObserved ? " as observed" : "") + ", meridian " +
           std::to_string(settings.referenceLongitude) + "° E (Orbel)";
}

std::string AnniversaryTitle(const ChlDate& d, int country, Names names) {
    if (names != Names::English) {
        if (d.month == 1 && d.day == 1 && !d.leap) return NewYearName(country, names) + " " + YearWords(names, d.position);
        return LunarMonthDayWords(names, d.month, d.leap != 0, d.day);
    }
    if (d.month == 1 && d.day == 1 && !d.leap)
        return "Lunar New Year · Year of the " + Capitalised(AnimalNameList(country)[AnimalOfPosition(d.position)]);
    return "Lunar anniversary · " + MonthWords(d) + ", day " + std::to_string(d.day);
}

ExportResult BuildCalendarExport(const ExportChoice& c) {
    ExportResult r;
    std::vector<std::string> names;
    for (const ExportKind kind : c.kinds) {
        switch (kind) {
            case ExportKind::Anniversary:
                AddAnniversaries(c, r);
                break;
            case ExportKind::Terms:
                AddTerms(c, r);
                break;
            case ExportKind::Phases:
                AddPhases(c, r);
                break;
            case ExportKind::MonthStarts:
                AddMonthStarts(c, r);
                break;
            case ExportKind::Festivals:
                AddFestivals(c, r);
                break;
        }
        const auto row = std::ranges::find(ExportKindNames, kind, &ExportKindName::kind);
        names.push_back(kind == ExportKind::Anniversary && !c.title.empty() ? c.title : std::string(row->label));
    }
    std::string list;
    for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
    r.header.name = "Orbel: " + list;
    r.header.description = CalendarLine(c) + "; " + std::to_string(c.years) + (c.years == 1 ? " year from " : " years from ") +
                           std::to_string(c.firstYear) + " CE";
    return r;
}

std::string CalendarExportText(const ExportResult& result, std::string_view stamp) {
    return CalendarFileText(result.events, stamp, result.header);
}

}  // namespace orbel
