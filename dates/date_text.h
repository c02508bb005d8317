#pragma once
// Texts of Western dates, numbers, durations and day counts.
#include <cstdint>
#include <string>
#include <string_view>

#include "services/euro_date.h"
#include "services/calendar_settings.h"

namespace orbel {

// year-MM-DD; years beyond +-9999 with "," between thousands: 2001-12-31,
// 0-03-01, -1000-02-29, 12,345-01-01. The caller adds " CE" or " JC".
std::string EuroDateToStr(const EuroDate& date);
// The same text of day number `jdn` in the CE ('G') or Julian ('J') calendar.
std::string EuroDateOfDayStr(int32_t jdn, char letter = 'G');
// "The 31st day of December in the year 2001 in the Common Era Calendar"
// ('G'), or "... in the Julian Calendar" ('J').
std::string EuroDateLongForm(const EuroDate& date);
// "January" ... "December"; empty outside 1..12.
std::string MonthName(int month);
// `number` with the first character of `separator` between groups of three
// digits (through separate_thousands); unchanged when `separator` is empty
// or the grouped text would not fit the service's 20-character buffer.
std::string SeparateThousands(std::string_view number, std::string_view separator);
// 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st, 0th; negative numbers bare.
std::string OrdinalStr(int16_t n);
// With `longForm`: "3 days, 2 hours and 1 minute", "0 minutes"; without it
// CompactDurationStr.
std::string DurationStr(int32_t minutes, bool longForm);
// "1d 0h 0m", "23h 59m", "0h 5m".
std::string CompactDurationStr(int32_t minutes);
// The sign written after a longitude's degrees: "120º East".
inline constexpr std::string_view OrdinalSign = "\xC2\xBA";  // U+00BA
// `text` preceded by copies of `pad` up to `width` characters.
std::string PadLeft(std::string_view text, int16_t width, char pad);
// At least two digits: "05", "12", "123"; "-5".
std::string TwoDigits(int64_t n);
// A number written with room for its sign: " 4", "-4".
std::string SignedNumberStr(int64_t n);
// "Epoch = -2696, method = true sun" (capital) or "epoch = ...", followed by
// ", months as observed" under the calendar as observed.
std::string EpochMethod(bool capital, const CalendarSettings& settings);
// A day count with four decimals, "," between thousands, a minus sign for
// negatives, then a blank and `code`: "2,451,545.5000 CJDL".
std::string DayCountStr(double value, const char* code);

}  // namespace orbel
