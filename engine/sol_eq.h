#pragma once
// Solar terms, solstices and equinoxes. The 24 solar terms are counted from
// the winter solstice: even indices are the major terms (Z), odd ones the
// minor terms (J). Moments here are CJDC (chronological Julian dates at the
// reference meridian) unless a name says TDT or GMT.
#include <array>
#include <cstdint>
#include <string_view>

#include "services/calendar_settings.h"

namespace orbel {

inline constexpr std::array<std::string_view, 24> TermCodes = {
    "Z11", "J12", "Z12", "J1", "Z1", "J2", "Z2", "J3", "Z3", "J4",  "Z4",  "J5",
    "Z5",  "J6",  "Z6",  "J7", "Z7", "J8", "Z8", "J9", "Z9", "J10", "Z10", "J11"};

struct TermName {
    std::string_view pinyin;
    std::string_view english;
};

inline constexpr std::array<TermName, 24> TermNames = {{
    {"Dong zhi", "Winter solstice"},
    {"Xiao han", "Slight cold"},
    {"Da han", "Great cold"},
    {"Li chun", "Beginning of spring"},
    {"Yu shui", "Rain water"},
    {"Jing zhe", "Waking of insects"},
    {"Chun fen", "Spring equinox"},
    {"Qing ming", "Pure brightness"},
    {"Gu yu", "Grain rain"},
    {"Li xia", "Beginning of summer"},
    {"Xiao man", "Grain full"},
    {"Mang zhong", "Grain in ear"},
    {"Xia zhi", "Summer solstice"},
    {"Xiao shu", "Slight heat"},
    {"Da shu", "Great heat"},
    {"Li qui", "Beginning of autumn"},
    {"Chu shu", "Limit of heat"},
    {"Bai lu", "White dew"},
    {"Qiu fen", "Autumn equinox"},
    {"Han lu", "Cold dew"},
    {"Shuang jian", "Descent of frost"},
    {"Li dong", "Beginning of winter"},
    {"Xiao xue", "Slight snow"},
    {"Da xue", "Great snow"},
}};

// The periodic terms of the equinox and solstice series (J. Meeus,
// Astronomical Algorithms, 2nd ed., table 27.C): A, B in degrees, C in degrees
// per Julian century.
struct EquinoxTerm {
    double A, B, C;
};
inline constexpr std::array<EquinoxTerm, 24> EquinoxTerms = {{
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886}, {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
}};

// Kinds of quarter point.
enum : int16_t { MarchEquinoxKind = 0, JuneSolsticeKind = 1, SeptemberEquinoxKind = 2, DecemberSolsticeKind = 3 };

// TDT moment (Julian date) of the quarter point `kind` of CE year `year`.
double EquinoxSolsticeTDT(int16_t kind, int32_t year);
// The same moment as an AJD (GMT), shifted by delta T of that year.
double EquinoxSolsticeGMT(int16_t kind, int32_t year);
double MarchEquinox(int32_t year);
double JuneSolstice(int32_t year);
double SeptemberEquinox(int32_t year);
double DecemberSolstice(int32_t year);

// The year Y whose December solstice ends the sui containing day floor(cjdc):
// the day of the December solstice at the reference meridian begins a new sui.
// NoSui for a day count that does not fit the day arithmetic.
inline constexpr int32_t NoSui = INT32_MIN;
int32_t SuiOfDay(double cjdc, const CalendarSettings& settings);

inline constexpr int16_t TrueSunMethod = 0;
inline constexpr int16_t MeanSunMethod = 1;

// The 79 solar terms around a day: index 0 is the winter solstice that begins
// the sui before the day's sui y, 24 the one that begins sui y, 48 the one
// that ends it, 72 the next, and 78 the March equinox of y + 2.
struct SolarTerms {
    double QuarterPoints[14];  // CJDC; the mean sun method fills only [0..4]
    double TermMoments[79];    // CJDC; index i is a term of table index i mod 24
    int32_t TermDays[79];      // floor of TermMoments: the day number of each term
};

// method: TrueSunMethod (any value but MeanSunMethod) or MeanSunMethod.
// Memoised by (sui, method, reference longitude). For a day of NoSui every
// moment is not a number and every day NoTermDay.
inline constexpr int32_t NoTermDay = INT32_MIN;
SolarTerms ComputeSolarTerms(double cjdc, int16_t method, const CalendarSettings& settings);

// Empties the solar-term memo (benchmarks measure cold costs with it).
void ClearSolarTermCache();

}  // namespace orbel
