#pragma once
// The sexagenary cycle: element-animal and stem-branch names of days, lunar
// months and years, the country and longitude vocabulary, and the texts of
// CHL and CHS dates.
//
// Positions run from 1 to 60: 1 wood-rat (jia-zi), 2 wood-ox (yi-chou), ...,
// 60 water-pig (gui-hai). Elements 0..4, animals 0..11, stems 1..10, branches
// 1..12. Every "mod" below is taken non-negative, so day numbers and cycles
// before the epoch work too.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"
#include "services/chinese_records.h"

namespace orbel {

// Countries, in the order of the country list: their reference meridians
// 105, 120 and 135 degrees East, zones "ICT", "CCT" and "JST".
inline constexpr int CountryVietnam = 0;
inline constexpr int CountryChina = 1;
inline constexpr int CountryJapan = 2;
// Korea (135 degrees East) comes after the three, so that stored country
// values keep their meaning.
inline constexpr int CountryKorea = 3;
inline constexpr int CountryCount = 4;
// Reference meridian of each country, whole degrees East.
inline constexpr std::array<int16_t, CountryCount> CountryMeridians = {105, 120, 135, 135};
// A country index as the tables take it: any index outside 0..3 is China.
constexpr int KnownCountry(int country) { return country >= 0 && country < CountryCount ? country : CountryChina; }

inline constexpr int16_t ElementCount = 5;
inline constexpr int16_t AnimalCount = 12;

inline constexpr std::array<std::string_view, 5> ElementNameList = {"wood", "fire", "earth", "metal", "water"};

// The animal words of a country: entries 3, 7 and 11 are "cat", "goat", "pig"
// for Vietnam, "rabbit", "sheep", "pig" for China, "rabbit", "sheep", "boar"
// for Japan. Any other index gives the China words.
const std::array<std::string_view, 12>& AnimalNameList(int country);

// Stem names by stem number 1..10 (index number - 1), branch names by branch
// number 1..12 (index number - 1).
inline constexpr std::array<std::string_view, 10> StemNames = {"jia", "yi",  "bing", "ding", "wu",
                                                               "ji",  "geng", "xin", "ren",  "gui"};
inline constexpr std::array<std::string_view, 12> BranchNames = {"zi", "chou", "yin",  "mao",  "chen", "si",
                                                                 "wu", "wei",  "shen", "you",  "xu",   "hai"};

// "Vietnam", "China", "Japan", then their adjectives at index country + 3.
inline constexpr std::array<std::string_view, 6> CountryNames = {"Vietnam",    "China",   "Japan",
                                                                  "Vietnamese", "Chinese", "Japanese"};
// The name and adjective of any country, Korea included ("Korea",
// "Korean"); an index outside 0..3 names China.
std::string_view CountryName(int country);
std::string_view CountryAdjective(int country);

// Labels of the reference longitudes 100..145 degrees East (index longitude
// - 100): "L00".."L45" but "ICT" (105), "HAN" (106), "CHA" (109), "BEI"
// (116), "CCT" (120), "JST" (135), "EDO" (140).
const std::array<std::string, 46>& LongitudeLabels();
// The label of a longitude, or the empty text outside 100..145.
std::string LongitudeLabel(int longitude);

// --- Arithmetic --------------------------------------------------------------

struct ElementAnimal {
    int16_t element = 0;  // 0..4
    int16_t animal = 0;   // 0..11
};

int16_t ElementOfPosition(int32_t position);  // 0..4
int16_t AnimalOfPosition(int32_t position);   // 0..11
int16_t StemOfPosition(int32_t position);     // 1..10
// The position 1..60 of an element 0..4 and an animal 0..11 (every pair
// occurs once in the cycle); 0 when either is out of range.
int16_t PositionOfElementAnimal(int32_t element, int32_t animal);
// Position of a day in the 60-day cycle; 2451545 (2000-01-01 CE) is 55.
int16_t DayPosition(int32_t jdn);
// Element and animal of the lunar month of `r` (its month and year position);
// a leap month has those of the ordinary month of the same number.
ElementAnimal MonthElementAnimal(const ChlDate& r);
// The cycle position 1..60 of the lunar month of `r`.
int16_t MonthPosition(const ChlDate& r);
// The year count of the lunar displays: (c - 1) * 60 + position, c being the
// cycle under epoch -2696 (cycle + 1 when `epoch` is -2636). 2003 CE is 4700.
int32_t LinearYear(int32_t cycle, int32_t position, int16_t epoch);

// --- Names -------------------------------------------------------------------

// "geng-shen" for position 57.
std::string StemBranchStr(int32_t position);
// "metal-monkey" for position 57, in the animal words of `country`.
std::string ElementAnimalOfPositionStr(int32_t position, int country);
// The element-animal of a day: "metal-monkey" for a day at position 57.
std::string ElementAnimalStr(int32_t jdn, int country);

// --- Date texts ----------------------------------------------------------------

// "79-20-04-01 CHS", and with `showCode` on the first day of a term " (J1)".
std::string ChsDateShortStr(const ChsDate& r, bool showCode);

// Style 0: "79-20-04-11 CHL" (a leap fourth month 79-20-4*-11 CHL);
// styles 1 and 3: "4700-04-11 CHL"; style 2: "4700-04-11 CHL (in a
// water-sheep year)"; other styles: empty. `suffix` replaces "CHL"; the
// settings' epoch counts the linear year, `country` picks the animal words.
std::string ChlDateShortStr(const ChlDate& r, int16_t style, std::string_view suffix,
                            const CalendarSettings& settings, int country);

// The long and stem-branch texts. The ...ForJdn forms write the names of the
// day r.jdn as it stands; the ...Str forms first find the day of the date
// with the engine (ChSDateToJDN, ChLDateToJDN), which also sets r.jdn,
// r.epoch and r.valid.
//
// What a long solar date text names besides its numbers.
struct ChsLongTextOptions {
    bool dayNames = false;    // the day's element-animal
    bool stemBranch = false;  // and its stem-branch
};

// What a long lunar date text names besides its numbers. Without `full` the
// text is the month's heading, "Month 4 in the water-sheep year (nian) ...
// (year 4700)", and names no day.
struct ChlLongTextOptions {
    bool dayNames = false;         // the day's element-animal
    bool monthNames = false;       // the month's element-animal and, with stemBranch, stem-branch
    bool stemBranch = false;       // stem-branch names beside the element-animal ones
    bool stemBranchFirst = false;  // the month's stem-branch before its element-animal
    bool full = false;             // the sentence "The 11th day ... (year 4700)." over two lines
};

// "The 1st day (metal-monkey, geng-shen) of solar term 4 (J1) in the year
// (sui) at position 20 of cycle 79."
std::string ChsDateLongStrForJdn(const ChsDate& r, const ChsLongTextOptions& options, int country);
// "The 11th day (metal-monkey) of month 4 (fire-snake) \r\nin the
// water-sheep year (nian) at position 20 of cycle 79 (year 4700)."
std::string ChlDateLongStrForJdn(const ChlDate& r, const ChlLongTextOptions& options,
                                 const CalendarSettings& settings, int country);
// "(geng-shen) day 11, (ding-si) month 4, (gui-wei) year 20 of cycle 79"
std::string ChlDateStemBranchStrForJdn(const ChlDate& r);

// Day names only when the date exists (ChSDateToJDN true); otherwise the
// text goes on without them.
std::string ChsDateLongStr(ChsDate& r, const ChsLongTextOptions& options, const CalendarSettings& settings,
                           int country);
// Day names (full form only) when ChLDateToJDN succeeds; otherwise the text
// goes on without them.
std::string ChlDateLongStr(ChlDate& r, const ChlLongTextOptions& options, const CalendarSettings& settings,
                           int country);
// The empty text when ChLDateToJDN fails.
std::string ChlDateStemBranchStr(ChlDate& r, const CalendarSettings& settings);

}  // namespace orbel
