#pragma once
// The event search of the main window: from a displayed moment to the next or
// previous lunar phase, lunar new year, solar term, coincidence of a term with
// a dark or full moon, element-animal day, month or year, triple coincidence
// or leap month. Everything here is computed from its arguments; the main
// window words nothing but what a result carries.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dates/date_entry.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"

namespace orbel {

// Indices of the target list.
enum SearchTarget : int {
    TargetFullMoon = 0,
    TargetDarkMoon = 1,
    TargetLunarQuarter = 2,
    TargetLunarNewYear = 3,
    TargetWinterSolstice = 4,
    TargetVernalEquinox = 5,
    TargetSummerSolstice = 6,
    TargetAutumnalEquinox = 7,
    TargetSolsticeOrEquinox = 8,
    TargetSolarTerm = 9,
    TargetTermDarkMoon = 10,
    TargetTermFullMoon = 11,
    TargetWinterSolsticeDarkMoon = 12,
    TargetSolsticeEquinoxDarkMoon = 13,
    TargetSolsticeEquinoxFullMoon = 14,
    TargetElementAnimalDay = 15,
    TargetElementAnimalMonth = 16,
    TargetElementAnimalYear = 17,
    TargetTripleCoincidence = 18,
    TargetSameDayAndMonth = 19,
    TargetMultipleElementAnimal = 20,
    TargetIntercalaryMonth = 21,
    TargetFestival = 22,
    SearchTargetCount = 23
};

// The item text of an element-animal target (kind 0 day, 1 month, 2 year)
// for an element 0..4 and an animal 0..11 (anything else: not chosen), with
// the animal written in the country's word: "metal-monkey (geng-shen) day",
// "metal- (geng-, xin-) month", "-monkey (-shen) year", "Element-animal day".
std::string TargetItemText(int kind, int element, int animal, std::string_view animalWord);

// An element 0..4 and an animal 0..11 of the sexagenary cycle, each -1 when
// any will do.
struct ElementAnimalRow {
    int element = -1;
    int animal = -1;
    bool Chosen() const { return element >= 0 || animal >= 0; }
    bool Matches(int32_t position) const;  // position 1..60
};

// A message box a search shows instead of moving.
struct SearchMessage {
    std::string title;
    std::string text;
    bool exclamation = false;
};

struct SearchRequest {
    int target = TargetFullMoon;
    bool next = true;
    double moment = 0.0;  // the displayed moment, AJD
    CalendarSettings settings;
    // The lunar date read back from the displayed CHL value; empty when it
    // could not be read.
    std::optional<ChlDate> displayedLunar;
    ElementAnimalRow choice;  // targets 15 to 17
    int phase = 2;            // the item data of "Full moon" and "Dark moon"
    bool keep30th = false;    // target 21: the keep-30th box, ticked and shown
    int festivalCountry = 1;  // target 22: whose festivals (engine/festivals.h)
    int festival = -1;        // target 22: the festival's index in that table, -1 any
};

struct SearchResult {
    std::optional<double> moment;           // AJD found
    std::optional<SearchMessage> message;   // shown instead; nothing moves
    bool redisplay = false;                 // refresh the display unmoved
    bool lunarCalendar = false;             // CHL becomes the calendar in force
};

// The progress label of a search: pieces are appended while it runs, up to
// a width that fits the label, and `repaint` shows the text at once.
struct SearchProgress {
    std::string text;
    std::function<void()> repaint = [] {};
    void Append(std::string_view piece);
};

// Targets 0 to 18, 21 and 22. Targets 19 and 20 belong to the multiple
// element-animal search window.
SearchResult FindEvent(const SearchRequest& request, SearchProgress& progress);

// The moment shown for a calendrical day: its midday at the reference meridian.
double MiddayOfDay(int32_t day, const CalendarSettings& settings);

// The texts of the search's messages.
inline constexpr std::string_view DarkMoonFailedTitle = "Failed";
inline constexpr std::string_view DarkMoonFailedText = "Cannot find required dark moon.";
inline constexpr std::string_view ChoiceRequiredTitle = "Error";
inline constexpr std::string_view ChoiceRequiredText = "You must specify an element, an animal or both.";
inline constexpr std::string_view ConversionErrorTitle = "Search";
inline constexpr std::string_view IntercalaryUnit = "intercalary month";

}  // namespace orbel
