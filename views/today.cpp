#include "views/today.h"

#include "engine/festivals.h"
#include "engine/lunar_date_words.h"

#include <array>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/festivals.h"
#include "engine/lunar_date_words.h"
#include "engine/moon_data.h"
#include "engine/sol_eq.h"

namespace orbel {
namespace {

// The term in force on `jdn` and the next one, from the 79 terms around it.
void FindTerms(TodayFacts& facts) {
    const SolarTerms terms = ComputeSolarTerms(facts.day.jdn + 0.5, TrueSunMethod, facts.settings.calendar);
    for (int i = 78; i >= 0; --i) {
        if (terms.TermDays[i] == NoTermDay || terms.TermDays[i] > facts.day.jdn) continue;
        facts.termIndex = i % 24;
        if (i < 78) {
            facts.nextTermIndex = (i + 1) % 24;
            facts.nextTermDay = terms.TermDays[i + 1];
        }
        return;
    }
}

}  // namespace

LocalDay LocalToday() { return {TodayJDN(), TimeZoneMinutes()}; }

std::string_view MoonSymbol(double litFraction, bool waxing) {
    // U+1F311 new moon ... U+1F318 waning crescent, in phase order.
    static constexpr std::array<std::string_view, 8> Symbols = {"\U0001F311", "\U0001F312", "\U0001F313",
                                                                "\U0001F314", "\U0001F315", "\U0001F316",
                                                                "\U0001F317", "\U0001F318"};
    // The thresholds of the phase names (ShowMoonPhase), in percent.
    const double pct = litFraction * 100.0;
    if (pct < 1.0) return Symbols[0];
    if (pct >= 99.0) return Symbols[4];
    const int step = pct < 45.0 ? 1 : pct < 55.0 ? 2 : 3;  // crescent, half, gibbous
    return Symbols[waxing ? step : 8 - step];
}

TodayFacts ComputeToday(LocalDay day, const TodaySettings& settings, const GlanceWords& words) {
    TodayFacts facts;
    facts.day = day;
    facts.settings = settings;
    if (day.jdn < MinJDN || day.jdn > MaxJDN) return facts;  // chl.valid stays 0
    facts.chl.epoch = facts.chs.epoch = settings.calendar.epoch;
    facts.chl.valid = facts.chs.valid = 1;  // CJDateToChDates clears them for a day it cannot compute
    CJDateToChDates(day.jdn + 0.5, settings.calendar.epoch, facts.chs, facts.chl, settings.calendar);
    FindTerms(facts);

    const MoonDisplay moon = ComputeMoonDisplay(day.jdn - day.zoneMinutes / 1440.0);  // local noon, AJD
    if (moon.phaseView) {
        facts.moon = {moon.f, moon.waxing, moon.phaseView->caption, MoonSymbol(moon.f, moon.waxing)};
    }
    facts.namesText = words.LunarDateInNames(facts.chl, facts.chs, settings);
    facts.festival = words.FestivalOf(facts.chl, facts.chs, settings);
    return facts;
}

// The day's dates are computed already: they are written, not found again.
std::optional<std::string> CalendarGlanceWords::LunarDateInNames(const ChlDate& chl, const ChsDate& chs,
                                                                 const TodaySettings& settings) const {
    if (settings.names == Names::English || chl.valid == 0) return std::nullopt;
    std::string text = LunarDateWords(settings.names, chl, TermBeginningOn(chs));
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<std::string> CalendarGlanceWords::FestivalOf(const ChlDate& chl, const ChsDate&,
                                                        const TodaySettings& settings) const {
    if (chl.valid == 0) return std::nullopt;
    std::string text = FestivalsOfDayText(chl.jdn, settings.country, settings.names, settings.calendar);
    if (text.empty()) return std::nullopt;
    return text;
}

std::string NextTermText(const TodayFacts& facts) {
    if (facts.nextTermDay == 0) return {};
    return std::string(TermNames[static_cast<size_t>(facts.nextTermIndex)].english) + " " +
           EuroDateOfDayStr(facts.nextTermDay);
}

namespace {

std::string FieldText(std::string_view field, const TodayFacts& f) {
    if (f.chl.valid == 0) return {};
    if (field == "lunar") return ChlDateShortStr(f.chl, 0, "CHL", f.settings.calendar, f.settings.country);
    if (field == "names") return f.namesText.value_or("");
    if (field == "festival") return f.festival.value_or("");
    if (field == "term") return std::string(TermNames[static_cast<size_t>(f.termIndex)].english);
    if (field == "next-term") return NextTermText(f);
    if (field == "phase") return f.moon.phase;
    return std::string(f.moon.symbol);  // "moon"
}

bool IsField(std::string_view name) {
    for (std::string_view field : TodayFields)
        if (field == name) return true;
    return false;
}

}  // namespace

TodayFormatResult FormatToday(std::string_view format, const TodayFacts& facts) {
    TodayFormatResult result;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if ((c == '{' || c == '}') && i + 1 < format.size() && format[i + 1] == c) {
            result.text += c;
            ++i;
            continue;
        }
        if (c != '{') {
            result.text += c;
            continue;
        }
        const size_t close = format.find('}', i);
        const std::string_view name = format.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
        if (close == std::string_view::npos || !IsField(name)) {
            result.unknownField = std::string(format.substr(i, close == std::string_view::npos ? close : close - i + 1));
            result.text.clear();
            return result;
        }
        result.text += FieldText(name, facts);
        i = close;
    }
    return result;
}

std::string TodayToolTip(const TodayFacts& facts) {
    if (facts.chl.valid == 0) return EuroDateOfDayStr(facts.day.jdn) + " CE";
    std::string tip = DayOfWeekName(DayOfWeek(facts.day.jdn), false) + " " + EuroDateOfDayStr(facts.day.jdn) + " CE, " +
                      ChlDateShortStr(facts.chl, 0, "CHL", facts.settings.calendar, facts.settings.country) + "\n";
    if (facts.namesText && !facts.namesText->empty()) {
        tip += *facts.namesText;
    } else {
        std::string words = ChlDateLongStrForJdn(facts.chl, {.full = true}, facts.settings.calendar,
                                                 facts.settings.country);
        if (size_t crlf = words.find("\r\n"); crlf != std::string::npos) {
            const size_t blank = crlf > 0 && words[crlf - 1] == ' ' ? 1 : 0;  // the blank before the line break
            words.replace(crlf - blank, 2 + blank, "\n");
        }
        tip += words;
    }
    if (facts.festival && !facts.festival->empty()) tip += "\n" + *facts.festival;
    if (!facts.moon.phase.empty()) tip += "\n" + std::string(facts.moon.symbol) + " " + facts.moon.phase;
    if (const std::string next = NextTermText(facts); !next.empty()) tip += "\nNext solar term: " + next;
    return tip;
}

}  // namespace orbel
