#pragma once
// The state file, orbel.usr: the displayed moment and every setting but the
// country, kept between runs. This is the file alone; which control each
// field comes from and goes to is the main window's business.
//
// Layout: 79 lines, one value each, in the order of the fields below. Numbers
// are decimal with "." as the decimal separator; the three option choices are
// -1 (true) or 0 (false) and any nonzero number reads as true; the ticks are
// 0 or 1; texts are in double quotes, a quote inside a text doubled. Lines
// are written with CR LF, the line end of the program's other texts, and
// read with CR LF or LF. Lines after the 79th are ignored.
//
// The file is replaced atomically: a failed or interrupted save leaves the
// previous state file as it was. Reading either gives the whole state or
// fails with the line at fault; it never gives part of one.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"

namespace orbel {

inline constexpr int SavedStateLineCount = 79;
inline constexpr int SavedZoneLabelCount = 46;     // longitudes 100 to 145
inline constexpr int SavedSearchRowCount = 3;      // multiple element-animal search

// The limits of the displayed moment, as for a typed date.
inline constexpr double SavedEarliestAJD = EarliestMomentAJD;
inline constexpr double SavedLatestAJD = LatestMomentAJD;

inline constexpr std::string_view SaveStateTitle = "Save state";
inline constexpr std::string_view SaveStateErrorText = "Error when attempting to save the state: ";
inline constexpr std::string_view RestoreStateTitle = "Restore state";
inline constexpr std::string_view RestoreLogConfigurationQuestion = "Restore previous log configuration also?";

// The thirteen log preference ticks, in the file's order (lines 11 to 23).
enum SavedLogTick {
    LogTickExpandedEntries,
    LogTickChineseTerms,
    LogTickViewLogAfterAdding,
    LogTickCHL,
    LogTickCHS,
    LogTickCJDC,
    LogTickEpochMethodLongitude,
    LogTickCE,
    LogTickJC,
    LogTickCJDL,
    LogTickAJD,
    LogTickPhaseAndIllumination,
    LogTickLunationAndAge,
    SavedLogTickCount
};

struct ElementAnimalChoice {
    int16_t elementIndex = 5;   // 0..4 an element, 5 the empty item
    int16_t animalIndex = 12;   // 0..11 an animal, 12 the empty item
    friend bool operator==(const ElementAnimalChoice&, const ElementAnimalChoice&) = default;
};

struct SavedState {
    double CurrentAJD = 2451545.0;                            // 1
    int16_t InputCalendar = 2;                                // 2  row of the calendar table, 0..8
    bool forwardChosen = true;                                // 3  else back
    bool plusChosen = true;                                   // 4  else minus
    bool nextChosen = true;                                   // 5  else previous
    int16_t moveStepIndex = 6;                                // 6  cboMoveStep, 0..15
    int16_t targetIndex = 0;                                  // 7  cboTarget, 0..22
    int16_t refreshPeriodIndex = 1;                           // 8  cboRefreshPeriod, 0..3
    int16_t methodIndex = 0;                                  // 9  cboMethod, 0..1
    int16_t epochYear = -2696;                                // 10 -2696 or -2636
    std::array<bool, SavedLogTickCount> logTicks{};           // 11..23
    bool showPantheon = false;                                // 24 chkShowPAN
    bool showChronologicalJDs = false;                        // 25 chkShowCJDs
    bool autoLog = false;                                     // 26 chkAutoLog
    std::array<std::string, SavedZoneLabelCount> zoneLabels;  // 27..72 LongitudeLabels
    int16_t longitudeIndex = 20;                              // 73 cboLongitude, 0..45
    std::array<ElementAnimalChoice, SavedSearchRowCount> searchRows{};  // 74..79

    // The cboEpoch item the epoch line selects: -2696 the first, else the second.
    int EpochItemIndex() const { return epochYear == -2696 ? 0 : 1; }

    friend bool operator==(const SavedState&, const SavedState&) = default;
};

struct StateFileWriteResult {
    bool ok = false;
    // On failure: "Error when attempting to save the state: " and the reason,
    // to be shown titled "Save state" with the exclamation symbol.
    std::string message;
};

enum class StateFileStatus {
    Ok,
    Missing,      // no file at the path
    Unreadable,   // there, but it cannot be opened or read
    TooLarge,     // far larger than any state file
    TooShort,     // `line` is the first line missing
    BadValue,     // `line` holds no value of its kind, or one out of range
};

struct StateFileReadResult {
    StateFileStatus status = StateFileStatus::Missing;
    int line = 0;        // 1..79, for TooShort and BadValue
    SavedState state;    // the state read; defaults unless status is Ok
    bool ok() const { return status == StateFileStatus::Ok; }
    // A short English description of the outcome, for logs and tests.
    std::string Describe() const;
};

// Writes `state` to `path`, replacing any earlier file only once the new one
// is complete. A state the reader would refuse (a moment out of range, a list
// index past its list, a label with a line break) is not written.
StateFileWriteResult WriteStateFile(const std::string& path, const SavedState& state);

StateFileReadResult ReadStateFile(const std::string& path);

// The file's text for `state` (what WriteStateFile writes).
std::string StateFileText(const SavedState& state);
// Reads a state from the file's text (what ReadStateFile does after reading).
StateFileReadResult ParseStateFileText(std::string_view text);

}  // namespace orbel
