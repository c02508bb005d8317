#include "navigation/event_search.h"

#include <array>
#include <cmath>

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/quenta_module.h"
#include "navigation/festival_search.h"
#include "navigation/lunar_solar_steps.h"

namespace orbel {
namespace {

// The progress label holds no more than this many characters.
constexpr size_t ProgressWidth = 60;

// Full moons needed by the rarest coincidence run to a few hundred; a
// thousand rounds bound the search without ever cutting a real one short.
constexpr int CoincidenceRounds = 1000;

SearchResult Moment(double ajd) {
    SearchResult r;
    r.moment = ajd;
    return r;
}

SearchResult Message(std::string_view title, std::string text, bool exclamation) {
    SearchResult r;
    r.message = SearchMessage{std::string(title), std::move(text), exclamation};
    return r;
}

SearchResult LunarDateInvalid() {
    SearchResult r = Message("", std::string(LunarDateInvalidText), false);
    r.redisplay = true;
    return r;
}

SearchResult ConversionError(int16_t status) {
    return Message(ConversionErrorTitle,
                   "Error " + std::to_string(status) + " in search process when converting lunar date to JDN.", true);
}

SearchResult OutOfRange(bool next) {
    return Message(OutOfRangeTitle, std::string(next ? LatestAdmissibleText : EarliestAdmissibleText), true);
}

bool InRange(int32_t day) { return day >= MinJDN && day <= MaxJDN; }

// The year position one year on or back, carrying into the cycle.
void StepYearPosition(ChlDate& r, bool next) {
    r.position += next ? 1 : -1;
    if (r.position > 60) {
        r.position = 1;
        ++r.cycle;
    } else if (r.position < 1) {
        r.position = 60;
        --r.cycle;
    }
}

// The day of a lunar date as a result, or the engine's failure.
SearchResult LunarDateResult(ChlDate r, const CalendarSettings& s) {
    const int16_t status = ChLDateToJDN(r, s);
    if (status < 0) return ConversionError(status);
    return Moment(MiddayOfDay(r.jdn, s));
}

// --- Lunar phases ------------------------------------------------------------------

SearchResult FindPhase(const SearchRequest& q) {
    const double m = q.moment;
    const int32_t k = LunationAt(m);
    bool exact = false;
    const int16_t p = GetPhase(k, m, exact);
    if (q.target == TargetLunarQuarter) {
        if (q.next) return Moment(p == 3 ? PhaseMomentGMT(k + 1, 0) : PhaseMomentGMT(k, static_cast<int16_t>(p + 1)));
        if (!exact) return Moment(PhaseMomentGMT(k, p));
        return Moment(p == 0 ? PhaseMomentGMT(k - 1, 3) : PhaseMomentGMT(k, static_cast<int16_t>(p - 1)));
    }
    const auto wanted = static_cast<int16_t>(q.phase);
    int32_t lunation = k;
    if (q.next)
        lunation = p < wanted ? k : k + 1;
    else if (wanted > p || (wanted == p && exact))
        lunation = k - 1;
    return Moment(PhaseMomentGMT(lunation, wanted));
}

// --- Lunar new year -------------------------------------------------------------------

SearchResult FindLunarNewYear(const SearchRequest& q) {
    if (!q.displayedLunar) return LunarDateInvalid();
    ChlDate r = *q.displayedLunar;
    const bool onNewYear = r.month == 1 && r.day == 1 && r.leap == 0;
    if (q.next)
        StepYearPosition(r, true);
    else if (onNewYear)
        StepYearPosition(r, false);
    r.month = 1;
    r.day = 1;
    r.leap = 0;
    return LunarDateResult(r, q.settings);
}

// --- Solar terms -------------------------------------------------------------------------

bool TermWanted(int target, int index) {
    switch (target) {
    case TargetWinterSolstice: return index % 24 == 0;
    case TargetVernalEquinox: return index % 24 == 6;
    case TargetSummerSolstice: return index % 24 == 12;
    case TargetAutumnalEquinox: return index % 24 == 18;
    case TargetSolsticeOrEquinox: return index % 6 == 0;
    default: return true;
    }
}

SearchResult FindSolarEvent(const SearchRequest& q) {
    const int16_t longitude = q.settings.referenceLongitude;
    const double x = ToReferenceCJD(q.moment, longitude);
    const YearData data = ComputeYearData(x, q.settings);
    // The day's sui is the middle one of the three stored, so a wanted term
    // lies within 24 terms of the first one past x.
    if (q.next) {
        for (int i = 0; i <= 72; ++i) {
            if (data.TermMoments[i] <= x) continue;
            while (!TermWanted(q.target, i)) ++i;
            return Moment(FromReferenceCJD(data.TermMoments[i], longitude));
        }
    } else {
        for (int i = 72; i >= 0; --i) {
            if (data.TermMoments[i] >= x) continue;
            while (!TermWanted(q.target, i)) --i;
            return Moment(FromReferenceCJD(data.TermMoments[i], longitude));
        }
    }
    return OutOfRange(q.next);  // only for a moment outside the computable days
}

// --- A term and a phase on one day --------------------------------------------------------

bool CoincidenceFound(int target, const ChsDate& chs) {
    if (chs.day != 1) return false;
    switch (target) {
    case TargetWinterSolsticeDarkMoon: return chs.term == 1;
    case TargetSolsticeEquinoxDarkMoon:
    case TargetSolsticeEquinoxFullMoon: return (chs.term + 5) % 6 == 0;
    default: return true;
    }
}

SearchResult FindCoincidence(const SearchRequest& q, SearchProgress& progress) {
    const bool fullMoon = q.target == TargetTermFullMoon || q.target == TargetSolsticeEquinoxFullMoon;
    const int16_t wanted = fullMoon ? 2 : 0;
    int32_t k = LunationAt(q.moment);
    double t = q.moment;
    for (int round = 1; round <= CoincidenceRounds; ++round) {
        bool exact = false;
        const int16_t p = GetPhase(k, t, exact);
        if (q.next && p >= wanted) ++k;
        if (!q.next && (wanted > p || (wanted == p && exact))) --k;
        t = PhaseMomentGMT(k, wanted);
        if (t < MinJDN - 0.5 || t > MaxJDN + 0.5) return OutOfRange(q.next);
        ChsDate chs;
        ChlDate chl;
        CJDateToChDates(ToReferenceCJD(t, q.settings.referenceLongitude), q.settings.epoch, chs, chl, q.settings);
        if (CoincidenceFound(q.target, chs)) return Moment(t);
        if (round % 16 == 0) progress.Append(". ");
    }
    SearchResult failed = Message(DarkMoonFailedTitle, std::string(DarkMoonFailedText), false);
    progress.text.clear();
    return failed;
}

// --- Element-animal days and years ------------------------------------------------------------

SearchResult FindElementAnimalDay(const SearchRequest& q) {
    const int step = q.next ? 1 : -1;
    auto d = static_cast<int32_t>(std::floor(ToReferenceCJD(q.moment, q.settings.referenceLongitude)));
    do {
        d += step;
        if (!InRange(d)) return OutOfRange(q.next);
    } while (!q.choice.Matches(DayPosition(d)));
    return Moment(MiddayOfDay(d, q.settings));
}

SearchResult FindElementAnimalYear(const SearchRequest& q) {
    if (!q.displayedLunar) return LunarDateInvalid();
    ChlDate r = *q.displayedLunar;
    do StepYearPosition(r, q.next);
    while (!q.choice.Matches(r.position));
    r.month = 1;
    r.day = 1;
    r.leap = 0;
    return LunarDateResult(r, q.settings);
}

// --- Stepping lunar months ----------------------------------------------------------------------

SearchResult Inability(bool next, std::string_view unit) {
    return Message(InabilityTitle, InabilityText(next, unit), true);
}

SearchResult FindElementAnimalMonth(const SearchRequest& q, SearchProgress& progress) {
    if (!q.displayedLunar) return LunarDateInvalid();
    ChlDate r = *q.displayedLunar;
    for (;;) {
        if (!StepLunarMonth(r, q.next, false, q.settings)) return Inability(q.next, "lunar month");
        progress.Append(" .");
        const ElementAnimal ea = MonthElementAnimal(r);
        if (q.choice.Matches(PositionOfElementAnimal(ea.element, ea.animal))) break;
    }
    return LunarDateResult(r, q.settings);
}

SearchResult FindIntercalaryMonth(const SearchRequest& q) {
    if (!q.displayedLunar) return LunarDateInvalid();
    ChlDate r = *q.displayedLunar;
    do {
        if (!StepLunarMonth(r, q.next, q.keep30th, q.settings)) return Inability(q.next, IntercalaryUnit);
    } while (r.leap != 1);
    SearchResult found = LunarDateResult(r, q.settings);
    found.lunarCalendar = found.moment.has_value();
    return found;
}

// --- Day, month and year of one element-animal ----------------------------------------------------

SearchResult FindTripleCoincidence(const SearchRequest& q, SearchProgress& progress) {
    const int step = q.next ? 1 : -1;
    const CalendarSettings& s = q.settings;
    int32_t d = static_cast<int32_t>(std::floor(ToReferenceCJD(q.moment, s.referenceLongitude))) + step;
    int steps = 0;
    auto advance = [&](int by) {
        d += by;
        if (++steps % 10 == 0) progress.Append(" .");
        return InRange(d);
    };
    for (;;) {
        if (!InRange(d)) return OutOfRange(q.next);
        const ChlDate year = LunarDateOfDay(d, s);
        auto sameYear = [&](const ChlDate& r) { return r.cycle == year.cycle && r.position == year.position; };
        // The day's own element-animal first: at most 59 days away.
        bool yearChanged = false;
        while (DayPosition(d) != year.position) {
            if (!advance(step)) return OutOfRange(q.next);
            if (!sameYear(LunarDateOfDay(d, s))) {
                yearChanged = true;
                break;
            }
        }
        if (yearChanged) continue;
        // Then the same day sixty days on until the month matches too.
        for (;;) {
            const ChlDate r = LunarDateOfDay(d, s);
            if (!sameYear(r)) break;
            if (MonthPosition(r) == year.position) return Moment(MiddayOfDay(d, s));
            if (!advance(60 * step)) return OutOfRange(q.next);
        }
    }
}

}  // namespace

std::string TargetItemText(int kind, int element, int animal, std::string_view animalWord) {
    const bool hasElement = element >= 0 && element < ElementCount;
    const bool hasAnimal = animal >= 0 && animal < AnimalCount;
    std::string text;
    if (!hasElement && !hasAnimal) {
        text = "Element-animal";
    } else {
        text = (hasElement ? std::string(ElementNameList[static_cast<size_t>(element)]) : std::string()) + "-" +
               (hasAnimal ? std::string(animalWord) : std::string()) + " (";
        if (hasElement && hasAnimal)
            text += StemBranchStr(PositionOfElementAnimal(element, animal));
        else if (hasAnimal)
            text += "-" + std::string(BranchNames[static_cast<size_t>(animal)]);
        else
            text += std::string(StemNames[static_cast<size_t>(2 * element)]) + "-, " +
                    std::string(StemNames[static_cast<size_t>(2 * element + 1)]) + "-";
        text += ")";
    }
    static constexpr std::array<std::string_view, 3> Units = {" day", " month", " year"};
    return text + std::string(Units[static_cast<size_t>(kind >= 0 && kind <= 2 ? kind : 0)]);
}

bool ElementAnimalRow::Matches(int32_t position) const {
    return (element < 0 || ElementOfPosition(position) == element) &&
           (animal < 0 || AnimalOfPosition(position) == animal);
}

void SearchProgress::Append(std::string_view piece) {
    if (text.size() >= ProgressWidth) return;
    text += piece;
    repaint();
}

double MiddayOfDay(int32_t day, const CalendarSettings& settings) {
    return FromReferenceCJD(day + 0.5, settings.referenceLongitude);
}

SearchResult FindEvent(const SearchRequest& q, SearchProgress& progress) {
    switch (q.target) {
    case TargetFullMoon:
    case TargetDarkMoon:
    case TargetLunarQuarter: return FindPhase(q);
    case TargetLunarNewYear: return FindLunarNewYear(q);
    case TargetWinterSolstice:
    case TargetVernalEquinox:
    case TargetSummerSolstice:
    case TargetAutumnalEquinox:
    case TargetSolsticeOrEquinox:
    case TargetSolarTerm: return FindSolarEvent(q);
    case TargetTermDarkMoon:
    case TargetTermFullMoon:
    case TargetWinterSolsticeDarkMoon:
    case TargetSolsticeEquinoxDarkMoon:
    case TargetSolsticeEquinoxFullMoon: return FindCoincidence(q, progress);
    case TargetTripleCoincidence: return FindTripleCoincidence(q, progress);
    case TargetIntercalaryMonth: return FindIntercalaryMonth(q);
    case TargetFestival: return FindFestival(q);
    default: break;
    }
    const bool elementAnimal = q.target >= TargetElementAnimalDay && q.target <= TargetElementAnimalYear;
    if (elementAnimal && !q.choice.Chosen())
        return Message(ChoiceRequiredTitle, std::string(ChoiceRequiredText), false);
    switch (q.target) {
    case TargetElementAnimalDay: return FindElementAnimalDay(q);
    case TargetElementAnimalMonth: return FindElementAnimalMonth(q, progress);
    case TargetElementAnimalYear: return FindElementAnimalYear(q);
    default: return {};
    }
}

}  // namespace orbel
