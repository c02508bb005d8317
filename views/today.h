#pragma once
// Today at a glance: the lunar date, the solar terms and the Moon of the
// user's own civil day, as the panel icon and `orbel-cli today` tell them.
//
// "Today" is the local date of the computer; its lunar date is that of the
// same civil date at the reference meridian, the way an almanac is read. The
// Moon is that of local noon, so the whole day shows one picture and one
// phase.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cycles.h"
#include "engine/names.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"

namespace orbel {

// The local civil day: its day number and the zone's offset from GMT.
struct LocalDay {
    int32_t jdn = 0;
    int16_t zoneMinutes = 0;  // east of GMT
    friend bool operator==(const LocalDay&, const LocalDay&) = default;
};
// From the system clock.
LocalDay LocalToday();

// What the settings choose for the glance.
struct TodaySettings {
    CalendarSettings calendar;
    int country = CountryChina;
    Names names = Names::English;
    friend bool operator==(const TodaySettings& a, const TodaySettings& b) {
        return a.calendar.referenceLongitude == b.calendar.referenceLongitude && a.calendar.epoch == b.calendar.epoch &&
               a.calendar.method == b.calendar.method && a.calendar.asObserved == b.calendar.asObserved &&
               a.calendar.referenceArcMinutes == b.calendar.referenceArcMinutes && a.country == b.country &&
               a.names == b.names;
    }
};

// The words a day is told in beyond the engine's own texts. Either answer is
// empty when the program has nothing to say: no festival that day, or no
// text for the chosen names.
class GlanceWords {
public:
    virtual ~GlanceWords() = default;
    // The lunar date of the day written in the chosen names.
    virtual std::optional<std::string> LunarDateInNames(const ChlDate& chl, const ChsDate& chs,
                                                        const TodaySettings& settings) const = 0;
    // The festival of the lunar and solar day, in the chosen names.
    virtual std::optional<std::string> FestivalOf(const ChlDate& chl, const ChsDate& chs,
                                                  const TodaySettings& settings) const = 0;
};

// The lunar date in the chosen names and the day's festivals of the country,
// from the engine's name and festival tables.
class CalendarGlanceWords final : public GlanceWords {
public:
    std::optional<std::string> LunarDateInNames(const ChlDate& chl, const ChsDate& chs,
                                                const TodaySettings& settings) const override;
    std::optional<std::string> FestivalOf(const ChlDate& chl, const ChsDate& chs,
                                          const TodaySettings& settings) const override;
};

// The Moon at local noon, in the main window's terms.
struct TodayMoon {
    double litFraction = 0.0;  // 0 dark to 1 full
    bool waxing = true;
    std::string phase;         // "Crescent moon (waxing), 23.4%"
    std::string_view symbol;   // one of the eight phase symbols, U+1F311 to U+1F318
};

// Everything the glance says about one day.
struct TodayFacts {
    LocalDay day;
    TodaySettings settings;
    ChlDate chl;
    ChsDate chs;
    int termIndex = 0;          // the solar term in force, 0 (winter solstice) to 23
    int nextTermIndex = 0;
    int32_t nextTermDay = 0;    // its day at the reference meridian
    TodayMoon moon;
    std::optional<std::string> namesText;  // the lunar date in the chosen names
    std::optional<std::string> festival;
};

// The facts of `day`. Only the year data of that day is computed.
TodayFacts ComputeToday(LocalDay day, const TodaySettings& settings, const GlanceWords& words);

// The eight symbols of the Moon's phases, from the dark moon: the symbol of a
// lit fraction follows the phase names (dark, crescent, half, gibbous, full).
std::string_view MoonSymbol(double litFraction, bool waxing);

// --- Texts -----------------------------------------------------------------------

// "Great snow 2026-12-07": the next term's English name and its CE date.
std::string NextTermText(const TodayFacts& facts);

// The fields of a today format, written between braces.
inline constexpr std::string_view TodayFields[] = {"lunar", "names", "festival", "term", "next-term", "phase", "moon"};
inline constexpr std::string_view DefaultTodayFormat = "{lunar} {moon} {phase}, {term}; next {next-term}";

// A format with its fields filled in ("{{" and "}}" write a brace), or the
// first unknown field with its braces ("{year}"), or the rest of the format
// from a brace that is never closed.
struct TodayFormatResult {
    std::string text;
    std::optional<std::string> unknownField;
};
TodayFormatResult FormatToday(std::string_view format, const TodayFacts& facts);

// The panel icon's tool tip: the CE and lunar dates, the lunar date in words,
// the festival when there is one, and the next solar term with its date.
std::string TodayToolTip(const TodayFacts& facts);

}  // namespace orbel
