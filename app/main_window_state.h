#pragma once
// The main window's state record and its fixed tables: the calendar table of
// the codes a date may carry, the items of the drop-down lists, the countries
// and the colours.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/controls.h"
#include "services/calendar_settings.h"
#include "engine/cycles.h"
#include "engine/names.h"

namespace orbel {

// --- Calendar table ----------------------------------------------------------

struct CalendarRow {
    std::string_view code;  // as typed after a date
    std::string_view name;  // the row's own name
};

// Rows of the calendar table: the calendar in force is one of them.
enum CalendarIndex : int16_t {
    CalendarCE = 0,
    CalendarJC = 1,
    CalendarCHL = 2,
    CalendarCHS = 3,
    CalendarAJD = 4,
    CalendarCJDC = 5,
    CalendarCJDL = 6,
    CalendarPANGMT = 7,
    CalendarPANCCT = 8,
};

inline constexpr std::array<CalendarRow, 9> DefaultCalendarTable = {{{"CE", "CE"},
                                                                     {"JC", "JC"},
                                                                     {"CHL", "CHL"},
                                                                     {"CHS", "CHS"},
                                                                     {"AJD", "AJD"},
                                                                     {"CJDC", "CJDC"},
                                                                     {"CJDL", "CJDL"},
                                                                     {"PAN", "PANGMT"},
                                                                     {"PAN", "PANCCT"}}};

// The first row whose typed code is `code`, else the first whose name is,
// else -1: "PAN" is row 7, "PANCCT" row 8. Exact (case-sensitive) match.
int16_t GetCalendar(std::string_view code);

// --- Countries -------------------------------------------------------------------

struct CountryInfo {
    int16_t longitudeIndex;       // reference meridian - 100
    std::string_view moonSuffix;  // appended to the Moon picture names
    std::string_view zone;        // zone label of the meridian
    Rgb colour;                   // back colour of the main window
};

// By country index: Vietnam, China, Japan.
inline constexpr std::array<CountryInfo, 3> Countries = {
    {{CountryMeridians[CountryVietnam] - 100, "_vn", "ICT", Rgb{0, 128, 0}},
     {CountryMeridians[CountryChina] - 100, "", "CCT", Rgb{192, 0, 0}},
     {CountryMeridians[CountryJapan] - 100, "_jp", "JST", Rgb{64, 64, 224}}}};

// The country index read from the settings store: "0", "1" or "2", anything
// else China.
int CountryFromStoredText(std::string_view text);

// --- Drop-down lists -------------------------------------------------------------

std::vector<std::string> LongitudeItems();  // "100" .. "145"
inline constexpr std::array<std::string_view, 2> EpochItems = {"-2696 = 2697 BC", "-2636 = 2637 BC"};
inline constexpr std::array<std::string_view, 2> MethodItems = {"true sun", "mean sun"};
inline constexpr std::array<std::string_view, 16> MoveStepItems = {
    "minute",  "hour",     "day",  "CE month", "CE year", "CE century", "CHL month", "CHL year",
    "60-year cycle (CHL)", "CHS solar term", "CHS year", "60-year cycle (CHS)", "60-day cycle",
    "80-year cycle (JC)", "PAN month (CCT)", "PAN year (CCT)"};
inline constexpr std::array<std::string_view, 4> RefreshPeriodItems = {"0.5", "1", "2", "5"};
inline constexpr std::array<std::string_view, 23> TargetItems = {
    "Full moon", "Dark moon", "Lunar quarter", "Lunar new year", "Winter solstice", "Vernal equinox",
    "Summer solstice", "Autumnal equinox", "Solstice or equinox", "Solar term", "Solar term + dark moon",
    "Solar term + full moon", "Winter solstice + dark moon", "Solstice/equinox + dark moon",
    "Solstice/equinox + full moon", "Element-animal day", "Element-animal month", "Element-animal year",
    "Triple coincidence day", "Same element-animal day and month", "Multiple element-animal day",
    "Intercalary month", "Festival"};
inline constexpr std::string_view AnyFestivalItem = "any";  // first item of the festival chooser

inline constexpr int DefaultMoveStep = 6;       // CHL month
inline constexpr int DefaultRefreshPeriod = 1;  // 1 s
inline constexpr int DefaultTarget = 0;         // Full moon
inline constexpr int ElementAnimalDayTarget = 15;
inline constexpr int ElementAnimalYearTarget = 17;
inline constexpr int BlankElementIndex = 5;  // the empty item after the five elements
inline constexpr int BlankAnimalIndex = 12;  // the empty item after the twelve animals

// --- State -----------------------------------------------------------------------

struct MainWindowState {
    double CurrentAJD = 0.0;  // the displayed moment, AJD (GMT)
    int16_t InputCalendar = CalendarCHL;
    std::array<CalendarRow, 9> CalendarTable = DefaultCalendarTable;
    std::string ZoneName = "CCT";
    std::string ProgramFolder;
    std::string StateFilePath;
    bool Initializing = false;
    bool Ready = false;
    bool Repeating = false;
    bool Paused = false;
    bool Tick = false;
    bool IsChina = true;
    bool Restoring = false;
    double EarliestAJD = EarliestMomentAJD;  // -3000-01-01 00:00 GMT
    double LatestAJD = LatestMomentAJD;      // 3000-01-01 23:59:59 GMT
    int16_t MinCycle = 0;
    int16_t MaxCycle = 96;
    int16_t MinYear = -3000;
    int16_t MaxYear = 3000;
    Rgb SelectedColour{255, 255, 255};
    Rgb UnselectedColour{200, 200, 200};
    std::string SearchProgressPrefix = "Searching ";

    // Values the settings lists hold for the engine.
    int16_t ReferenceLongitude = 120;  // degrees East, 100 + longitude index
    int16_t EpochYear = -2696;         // the number at the start of the epoch item
    std::string MoonImageSuffix;       // "_vn", "" or "_jp"
    std::array<std::string, 46> LongitudeLabels;  // zone labels of 100..145 degrees East

    // Settings of the settings store that the state file does not hold.
    Names ChosenNames = Names::English;  // the words of the calendar terms
    bool AsObserved = false;             // China's calendar as it was observed
};

}  // namespace orbel
