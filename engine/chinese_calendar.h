#pragma once
// The Chinese lunar (CHL) and solar (CHS) calendars. A lunar month begins at
// midnight, at the reference meridian, of the day on which its dark moon
// falls; the month containing the winter solstice is month 11; a sui (winter
// solstice to winter solstice) of thirteen months has a leap month, the first
// one without a major solar term. Day numbers are those of the reference
// meridian: floor of the CJDC.
#include <array>
#include <cstdint>
#include <optional>

#include "dates/month_label.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"
#include "engine/sol_eq.h"

namespace orbel {

inline constexpr int MaxDarkMoons = 51;

// Everything the calendars know about the months around one day: the 79
// solar terms of ComputeSolarTerms (true sun) and the dark moons from the
// last one on or before the day of the first stored winter solstice to more
// than 40 days past the last stored term, with their month labels.
//
// Month m runs from DarkMoonDays[m] to DarkMoonDays[m + 1] - 1. Its label
// is its number 1..12, a leap month repeating the number of the month
// before it; the first month whose sui runs past the data is StopHere and
// the months after it are unnumbered.
struct YearData : SolarTerms {
    int32_t FirstLunation = 0;
    double DarkMoonMoments[MaxDarkMoons] = {};  // CJDC
    int32_t DarkMoonDays[MaxDarkMoons] = {};
    int16_t DarkMoonCount = 0;
    int16_t MajorTermCount[MaxDarkMoons] = {};
    std::array<LunarMonthLabel, MaxDarkMoons> MonthLabels;
};

// The year data around day floor(cjdc). It depends only on the sui of that
// day, the reference meridian and the observed calendar, and is memoised by
// them. With settings.asObserved the months (DarkMoonDays, MonthLabels and
// MajorTermCount) are those of the calendar as observed (observed_calendar.h);
// the dark moons' moments and the solar terms stay astronomical, so
// DarkMoonDays[m] can then lie a day or two from floor(DarkMoonMoments[m]). A day count that
// does not fit the day arithmetic gives the invalid solar terms and no dark
// moons.
YearData ComputeYearData(double cjdc, const CalendarSettings& settings);

// Fills FirstLunation, DarkMoonMoments, DarkMoonDays and DarkMoonCount from
// the solar terms already in `data`.
void ComputeNewMoons(YearData& data, const CalendarSettings& settings);

// Fills MajorTermCount and MonthLabels from the terms and dark moons in `data`.
void AssignMonths(YearData& data);

// Fills both records for day floor(x) (x: CJDC). The cycles are numbered
// from `epoch`. When chs.valid is ChsSkipSolarDate on entry the solar date is skipped and
// chs.valid becomes 0. The valid fields are otherwise left as they were,
// except that a day outside the computable range sets both to 0.
void CJDateToChDates(double x, int16_t epoch, ChsDate& chs, ChlDate& chl, const CalendarSettings& settings);

// Statuses of ChLDateToJDN; the lists show the number of a failure.
inline constexpr int16_t ChlDateFound = 0;         // valid = 1, jdn set
inline constexpr int16_t ChlFieldOutOfRange = -1;  // position, month, leap, day, or a year outside the computable range
inline constexpr int16_t ChlNewYearNotFound = -2;  // not among the computed months
inline constexpr int16_t ChlMonthNotFound = -3;    // not before the end of the computed months
inline constexpr int16_t ChlDayBeyondMonth = -4;   // day larger than the length of the month
inline constexpr int16_t ChlMonthNotInYear = -5;   // the next new year came first

// Lunar date to day number, with one of the statuses above; the epoch comes
// from the settings.
int16_t ChLDateToJDN(ChlDate& r, const CalendarSettings& s);

// Sets r.day = 30 and returns 30 or 29, the length of the month, or the
// negative status of ChLDateToJDN.
int16_t LunarMonthLength(ChlDate& r, const CalendarSettings& s);

// The lunar date of day r.jdn, cycles numbered from r.epoch.
void JDNToChlDate(ChlDate& r, const CalendarSettings& s);

// Solar date (cycle, position, term 1..24, day 1..16) to day number with the
// settings' method. True when the day lies inside its term; jdn is set even
// when the day runs past the term's end.
bool ChSDateToJDN(ChsDate& r, const CalendarSettings& s);

// Year arithmetic: epoch is the year at position 1 of cycle 1 (-2696 or
// -2636); floors and remainders are taken toward minus infinity.
int32_t YearOfCycle(int32_t cycle, int32_t position, int32_t epoch);
int32_t CycleOfYear(int32_t year, int32_t epoch);
int16_t PositionOfYear(int32_t year);

// Day `day` of month `month` (the leap month of that number when `leap`) of
// the lunar year numbered by the CE year `year` of its new year. Its day
// number is for ChLDateToJDN to find.
ChlDate LunarDateOfYear(int32_t year, int32_t month, bool leap, int32_t day, int32_t epoch);
// The first day of the lunar year numbered by the CE year `year`, or nothing
// where the calendar cannot compute it.
std::optional<int32_t> LunarNewYearDay(int32_t year, const CalendarSettings& s);

// Empties every memo of the engine: phase moments, solar-term moments of the
// astronomy service, solar terms of a sui and year data.
// For benchmarks that measure cold costs; results never depend on it.
void ClearCalendarCaches();

}  // namespace orbel
