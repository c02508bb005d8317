#pragma once
#include <cstdint>

namespace orbel {

// The calendar settings chosen in the main window. They travel as a value to
// every computation that depends on them; nothing in the engine keeps them.
struct CalendarSettings {
    int16_t referenceLongitude = 120;  // whole degrees East, 100 to 145
    int16_t epoch = -2696;             // year at position 1 of cycle 1: -2696 or -2636
    int16_t method = 0;                // solar terms for typed CHS dates: 0 true sun, 1 mean sun
    // Arc minutes East beyond referenceLongitude, 0 to 59: the engine reckons
    // on a meridian that is not a whole degree (Beijing's, 116 25') only for
    // the calendar as observed.
    int16_t referenceArcMinutes = 0;
    // The Chinese lunar calendar as it was observed in China (the Qing
    // calendar's months, the Beijing meridian) instead of today's rule for
    // every year; the solar terms and dark moons stay astronomical.
    bool asObserved = false;
};

// The reference meridian in degrees East, fraction included.
constexpr double ReferenceMeridian(const CalendarSettings& s) {
    return s.referenceLongitude + s.referenceArcMinutes / 60.0;
}

// The same meridian in whole arc minutes, a key for memos.
constexpr int32_t ReferenceMeridianArcMinutes(const CalendarSettings& s) {
    return s.referenceLongitude * 60 + s.referenceArcMinutes;
}

// The range of every calendar: whole days from -3000-01-01 CE to 3000-01-01
// CE, both included.
inline constexpr int32_t MinJDN = 625333;   // -3000-01-01 CE
inline constexpr int32_t MaxJDN = 2816788;  //  3000-01-01 CE
inline constexpr int32_t FirstRangeYear = -3000;  // the CE years of MinJDN and MaxJDN
inline constexpr int32_t LastRangeYear = 3000;

// The same range as moments (AJD, GMT). A civil day n begins at CJD n, that
// is at AJD n - 1/2, so the range runs from -3000-01-01 00:00 GMT to the
// last second of 3000-01-01 GMT; both ends are admitted. Moments are typed,
// moved and shown in whole minutes, so no moment of the last day is lost.
inline constexpr double EarliestMomentAJD = MinJDN - 0.5;
inline constexpr double LatestMomentAJD = MaxJDN + 0.5 - 1.0 / 86400.0;

// Days for which the engine computes anything: the range with three years to
// spare on each side, for the year data around its first and last days.
inline constexpr int32_t FirstComputableDay = MinJDN - 1096;
inline constexpr int32_t LastComputableDay = MaxJDN + 1096;

// Whether x (a moment or day count) can be turned into whole day numbers and
// years at all: not a number, the infinities and values beyond a billion days
// (about 2.7 million years) cannot, and every engine procedure that takes a
// moment gives its invalid result for them instead of computing.
constexpr bool FitsDayArithmetic(double x) { return x > -1e9 && x < 1e9; }

// Whether the engine can compute at moment or day count x (AJD, CJDL or CJDC:
// the margins dwarf the hours between them). Not a number and the infinities
// are not computable.
constexpr bool IsComputable(double x) { return x >= FirstComputableDay && x < LastComputableDay + 1.0; }

}  // namespace orbel
