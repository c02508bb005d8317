#include "engine/cycles.h"

#include "dates/date_text.h"
#include "dates/month_label.h"
#include "engine/chinese_calendar.h"
#include "engine/sol_eq.h"
#include "services/floor_division.h"

namespace orbel {
namespace {

// Non-negative remainder: the day numbers and cycles reach before the epoch.
constexpr int32_t Mod(int64_t a, int32_t n) { return static_cast<int32_t>(FloorMod<int64_t>(a, n)); }

constexpr std::array<std::string_view, 12> kAnimalsVietnam = {"rat",   "ox",    "tiger", "cat",    "dragon", "snake",
                                                              "horse", "goat",  "monkey", "rooster", "dog",  "pig"};
constexpr std::array<std::string_view, 12> kAnimalsChina = {"rat",   "ox",    "tiger", "rabbit",  "dragon", "snake",
                                                            "horse", "sheep", "monkey", "rooster", "dog",  "pig"};
constexpr std::array<std::string_view, 12> kAnimalsJapan = {"rat",   "ox",    "tiger", "rabbit",  "dragon", "snake",
                                                            "horse", "sheep", "monkey", "rooster", "dog",  "boar"};

std::string_view TermCode(int32_t term) {
    return (term >= 1 && term <= 24) ? TermCodes[term - 1] : std::string_view{};
}


std::string ElementAnimalWords(int32_t element, int32_t animal, int country) {
    return std::string(ElementNameList[Mod(element, 5)]) + "-" + std::string(AnimalNameList(country)[Mod(animal, 12)]);
}

}  // namespace

const std::array<std::string_view, 12>& AnimalNameList(int country) {
    switch (country) {
        case CountryVietnam: return kAnimalsVietnam;
        case CountryJapan: return kAnimalsJapan;
        default: return kAnimalsChina;
    }
}

std::string_view CountryName(int country) {
    return country == CountryKorea ? "Korea" : CountryNames[static_cast<size_t>(KnownCountry(country))];
}

std::string_view CountryAdjective(int country) {
    return country == CountryKorea ? "Korean" : CountryNames[static_cast<size_t>(KnownCountry(country)) + 3];
}

const std::array<std::string, 46>& LongitudeLabels() {
    static const std::array<std::string, 46> labels = [] {
        std::array<std::string, 46> l;
        for (int i = 0; i < 46; ++i) l[i] = "L" + TwoDigits(i);
        l[105 - 100] = "ICT";
        l[106 - 100] = "HAN";
        l[109 - 100] = "CHA";
        l[116 - 100] = "BEI";
        l[120 - 100] = "CCT";
        l[135 - 100] = "JST";
        l[140 - 100] = "EDO";
        return l;
    }();
    return labels;
}

std::string LongitudeLabel(int longitude) {
    return (longitude >= 100 && longitude <= 145) ? LongitudeLabels()[longitude - 100] : std::string{};
}

int16_t ElementOfPosition(int32_t position) {
    const int64_t p = position % 2 != 0 ? int64_t{position} + 1 : position;
    return static_cast<int16_t>(Mod(p / 2 - 1, 5));
}

int16_t AnimalOfPosition(int32_t position) { return static_cast<int16_t>(Mod(int64_t{position} - 1, 12)); }

int16_t StemOfPosition(int32_t position) { return static_cast<int16_t>(Mod(int64_t{position} - 1, 10) + 1); }

int16_t PositionOfElementAnimal(int32_t element, int32_t animal) {
    if (element < 0 || element > 4 || animal < 0 || animal > 11) return 0;
    const int32_t e = element, a = animal;
    if (a % 2 != 0) return static_cast<int16_t>(12 * e - 5 * a + (a > 2 * e + 1 ? 67 : 7));
    return static_cast<int16_t>(12 * e - 5 * a + (a > 2 * e ? 61 : 1));
}

int16_t DayPosition(int32_t jdn) { return static_cast<int16_t>(Mod(Mod(jdn, 60) + 49, 60) + 1); }

ElementAnimal MonthElementAnimal(const ChlDate& r) {
    ElementAnimal ea;
    ea.element = static_cast<int16_t>(Mod(int64_t{Mod(r.position, 5)} * 12 + r.month - 1, 10) / 2);
    ea.animal = static_cast<int16_t>(Mod(int64_t{r.month} + 1, 12));
    return ea;
}

int16_t MonthPosition(const ChlDate& r) {
    const ElementAnimal ea = MonthElementAnimal(r);
    return PositionOfElementAnimal(ea.element, ea.animal);
}

int32_t LinearYear(int32_t cycle, int32_t position, int16_t epoch) {
    const int64_t c = epoch == -2636 ? int64_t{cycle} + 1 : cycle;
    return static_cast<int32_t>((c - 1) * 60 + position);
}

std::string StemBranchStr(int32_t position) {
    return std::string(StemNames[StemOfPosition(position) - 1]) + "-" +
           std::string(BranchNames[AnimalOfPosition(position)]);
}

std::string ElementAnimalOfPositionStr(int32_t position, int country) {
    return ElementAnimalWords(ElementOfPosition(position), AnimalOfPosition(position), country);
}

std::string ElementAnimalStr(int32_t jdn, int country) {
    return ElementAnimalOfPositionStr(DayPosition(jdn), country);
}

std::string ChsDateShortStr(const ChsDate& r, bool showCode) {
    std::string s = std::to_string(r.cycle) + "-" + TwoDigits(r.position) + "-" + TwoDigits(r.term) + "-" +
                    TwoDigits(r.day) + " CHS";
    if (showCode && r.day == 1) s += " (" + std::string(TermCode(r.term)) + ")";
    return s;
}

std::string ChlDateShortStr(const ChlDate& r, int16_t style, std::string_view suffix,
                            const CalendarSettings& settings, int country) {
    const int16_t epoch = settings.epoch;
    const std::string monthDay = MonthLabel(r.month, r.leap == 1) + "-" + TwoDigits(r.day) + " " + std::string(suffix);
    switch (style) {
        case 0:
            return std::to_string(r.cycle) + "-" + TwoDigits(r.position) + "-" + monthDay;
        case 1:
        case 3:
            return std::to_string(LinearYear(r.cycle, r.position, epoch)) + "-" + monthDay;
        case 2: {
            const int16_t element = ElementOfPosition(r.position);
            return std::to_string(LinearYear(r.cycle, r.position, epoch)) + "-" + monthDay + " (in a" +
                   (element == 2 ? "n" : "") + " " + ElementAnimalOfPositionStr(r.position, country) + " year)";
        }
        default:
            return {};
    }
}

std::string ChsDateLongStrForJdn(const ChsDate& r, const ChsLongTextOptions& options, int country) {
    std::string s = "The " + OrdinalStr(static_cast<int16_t>(r.day)) + " day ";
    if (options.dayNames) {
        s += "(" + ElementAnimalStr(r.jdn, country);
        if (options.stemBranch) s += ", " + StemBranchStr(DayPosition(r.jdn));
        s += ") ";
    }
    s += "of solar term" + SignedNumberStr(r.term) + " (" + std::string(TermCode(r.term)) + ")";
    s += " in the year (sui) at position" + SignedNumberStr(r.position) + " of cycle " + std::to_string(r.cycle) + ".";
    return s;
}

std::string ChlDateLongStrForJdn(const ChlDate& r, const ChlLongTextOptions& options,
                                 const CalendarSettings& settings, int country) {
    const int16_t epoch = settings.epoch;
    const bool leap = r.leap == 1;
    std::string s;
    if (options.full) {
        s = "The " + OrdinalStr(static_cast<int16_t>(r.day)) + " day ";
        if (options.dayNames) {
            s += "(" + ElementAnimalStr(r.jdn, country);
            if (options.stemBranch) s += " " + StemBranchStr(DayPosition(r.jdn));
            s += ") ";
        }
        s += std::string("of ") + (leap ? "leap " : "") + "month";
    } else {
        s = leap ? "Leap month" : "Month";
    }
    s += SignedNumberStr(r.month) + (leap ? "* " : " ");
    if (options.monthNames) {
        const ElementAnimal ea = MonthElementAnimal(r);
        const std::string words = ElementAnimalWords(ea.element, ea.animal, country);
        const std::string sb = StemBranchStr(PositionOfElementAnimal(ea.element, ea.animal));
        std::string names;
        if (options.stemBranchFirst)
            names = (options.stemBranch ? sb + " " : "") + words;
        else
            names = words + (options.stemBranch ? " " + sb : "");
        s += "(" + names + ") ";
    }
    s += options.full ? "\r\n" : " ";
    s += "in the " + ElementAnimalOfPositionStr(r.position, country);
    if (options.stemBranch) s += " " + StemBranchStr(r.position);
    s += " year (nian) at position" + SignedNumberStr(r.position) + " of cycle " + std::to_string(r.cycle) + " (year " +
         std::to_string(LinearYear(r.cycle, r.position, epoch)) + ")";
    if (options.full) s += ".";
    return s;
}

std::string ChlDateStemBranchStrForJdn(const ChlDate& r) {
    return "(" + StemBranchStr(DayPosition(r.jdn)) + ") day " + std::to_string(r.day) + "," + " (" +
           StemBranchStr(MonthPosition(r)) + ") month " + std::to_string(r.month) + (r.leap == 1 ? "*" : "") +
           ", (" + StemBranchStr(r.position) + ") year " + std::to_string(r.position) + " of cycle " +
           std::to_string(r.cycle);
}

std::string ChsDateLongStr(ChsDate& r, const ChsLongTextOptions& options, const CalendarSettings& settings,
                           int country) {
    ChsLongTextOptions found = options;
    found.dayNames = options.dayNames && ChSDateToJDN(r, settings);
    return ChsDateLongStrForJdn(r, found, country);
}

std::string ChlDateLongStr(ChlDate& r, const ChlLongTextOptions& options, const CalendarSettings& settings,
                           int country) {
    ChlLongTextOptions found = options;
    found.dayNames = options.full && options.dayNames && ChLDateToJDN(r, settings) == ChlDateFound;
    return ChlDateLongStrForJdn(r, found, settings, country);
}

std::string ChlDateStemBranchStr(ChlDate& r, const CalendarSettings& settings) {
    if (ChLDateToJDN(r, settings) != ChlDateFound) return {};
    return ChlDateStemBranchStrForJdn(r);
}

}  // namespace orbel
