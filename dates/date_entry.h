#pragma once
// The pieces of date entry that need no window: error messages, time and
// plus/minus texts, Western date texts and the overseas Chinese year. The
// main window's ParseDate joins them with its boxes and lists.
#include <cstdint>
#include <string>
#include <string_view>

#include "services/euro_date.h"

namespace orbel {

// Entry error codes 1..15.
enum DateError : int16_t {
    DateErrorNone = 0,
    DateErrorNoDate = 1,
    DateErrorNoCalendar = 2,
    DateErrorTimeInDate = 3,
    DateErrorBadTime = 4,
    DateErrorSeparator = 5,
    DateErrorBadCE = 6,
    DateErrorBadJC = 7,
    DateErrorBadCHL = 8,
    DateErrorBadCHS = 9,
    DateErrorBadDayCount = 10,
    DateErrorBadPAN = 11,
    DateErrorParsing = 12,
    DateErrorDayBeyondMonth = 13,
    DateErrorPlusMinus = 14,
    DateErrorTooEarly = 15,
};

inline constexpr std::string_view DateErrorTitle = "Invalid date or time entry";

// The message of entry error `code` (1..15; empty otherwise). Lines are
// broken with CR LF. The CHL message mentions the overseas Chinese year only
// for China.
std::string DateErrorMessage(int code, bool isChina);
// A moment outside -3000-01-01 00:00 GMT .. 3000-01-01 23:59:59 GMT, typed
// or found by a search.
inline constexpr std::string_view DateOutOfRangeTitle = "Date out of range";
inline constexpr std::string_view DateTooEarlyText = "Date is earlier than -3000-01-01 CE.";
inline constexpr std::string_view DateTooLateText = "Date is later than 3000-01-01 CE.";
// A displayed lunar date that cannot be read back (a move, a search, a list).
inline constexpr std::string_view LunarDateInvalidText = "Lunar date is invalid.";

// The leading number of `text`: optional blanks, a sign, digits with at most
// one decimal point, up to the first other character; 0 when there is none.
double LeadingNumber(std::string_view text);
// The whole number a text begins with: blanks, an optional "-", then digits up
// to the first other character; 0 when there are none. Saturates instead of
// overflowing.
int32_t LeadingWholeNumber(std::string_view text);

// Minutes after midnight of a time text such as "23:50" or "9.30" (points
// are read as colons; seconds are ignored), or -1.
int16_t ParseTimeText(std::string_view text);

// True when `text` (trimmed in place) is empty or a number of days: "+" or
// "-" only as the first character and nothing but digits, "-", "+", "," and
// ".". With `deleteCommas` the commas are deleted from a valid text.
bool IsValidPlusMinus(std::string& text, bool deleteCommas);

// A year as its cycle and position; Advance steps one year on (position 61
// becomes 1 of the next cycle), Retreat one year back.
struct CyclePosition {
    int32_t cycle = 0;
    int32_t position = 0;
    void Advance();
    void Retreat();
};
// The cycle and position of an overseas Chinese year (4709 is cycle 79,
// position 29): Y = 60 * (cycle - 1) + position, whatever the epoch.
CyclePosition OverseasYearToCycle(int32_t year);

// Reads year-month-day (year may be negative) into `date`, whose letter
// ('G', 'J' or 'P') is set by the caller. Returns 1 for a date, 0 for a text
// that is not one, -1 for a year out of range; the valid field becomes 1 or 0.
int StrToEuroDate(std::string_view text, EuroDate& date);

// `text` without leading and trailing blanks.
std::string_view Trim(std::string_view text);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

}  // namespace orbel
