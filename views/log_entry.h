#pragma once
// The text of one log entry: the displayed moment in the calendars and forms
// the log preferences choose, optionally in the expanded wording, and the
// line that names the operation before an automatic entry.
#include <cstdint>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"
#include "views/displayed_moment.h"

namespace orbel {

// Lines of the log end with carriage return and line feed.
inline constexpr std::string_view LogLineEnd = "\r\n";

// The ticks of the log preferences window.
struct LogPreferences {
    bool expanded = false;         // "Expanded log entries"
    bool chineseTerms = false;     // "Include Chinese terms" (with expanded entries only)
    bool viewAfterAdding = false;  // "View log after adding an entry"
    bool chs = false, chl = false, cjdc = false, epochEtc = false;
    bool ce = false, jc = false, cjdl = false;
    bool ajd = false, phase = false, lunation = false;

    bool Chinese() const { return chs || chl || cjdc; }
    bool Western() const { return ce || jc || cjdl; }
    bool Astronomical() const { return ajd || phase || lunation; }
    friend bool operator==(const LogPreferences&, const LogPreferences&) = default;
};

// What the main window shows of the displayed moment, and the settings it
// was computed with.
// The entry for `moment`: its lines, the separators between the groups and
// the closing empty line; the empty text when no group is ticked.
std::string LogEntry(const DisplayedMoment& moment, const LogPreferences& preferences);

// The main window's choices that word an automatic entry's first line.
struct LogOperationControls {
    bool plus = true;             // optPlus, else optMinus
    std::string plusMinusText;    // txbPlusMinus
    bool forward = true;          // the move direction
    std::string moveStep;         // the chosen item of cboMoveStep
    bool next = true;             // optNext, else optPrevious
    std::string target;           // the chosen item of cboTarget
};

// The line naming operation 1 (Now), 2 (plus or minus days), 3 (a move),
// 4 (a search) or 5 (one day), without its line end; empty for plus or
// minus with no days given and for any other code.
std::string AutoLogOperationLine(int16_t operation, const LogOperationControls& controls);

}  // namespace orbel
