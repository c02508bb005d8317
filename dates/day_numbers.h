#pragma once
// Day numbers and the moments the program keeps: AJD (days from noon GMT),
// CJDL (days from midnight at London), CJDC (days from midnight at the
// reference meridian), JDN (the floor of a CJD).
#include <cstdint>
#include <string>
#include <string_view>
#include "services/euro_date.h"

namespace orbel {

inline double AJDToCJDL(double ajd) { return ajd + 0.5; }
inline double CJDLToAJD(double cjdl) { return cjdl - 0.5; }
// `longitude`: reference meridian, degrees East (whole degrees but for the
// Beijing meridian of the calendar as observed).
inline double ToReferenceCJD(double ajd, double longitude) { return (ajd + 0.5) + longitude / 360.0; }
inline double FromReferenceCJD(double cjdc, double longitude) { return (cjdc - longitude / 360.0) - 0.5; }

// Writes the record's day number from year, month, day and letter; returns it.
int32_t EuroDateToJDN(EuroDate& date);
// Fills year, month and day from the record's day number and letter.
void JDNToEuroDate(EuroDate& date);

// Truncates `dayValue` toward zero to a JDN, stores it in both records, sets
// their letters 'G' and 'J' and fills their dates.
void JDNToEuroDates(double dayValue, EuroDate& ce, EuroDate& jc);

// 0 Sunday ... 6 Saturday.
int16_t DayOfWeek(int32_t jdn);
// "Sunday" ... "Saturday"; with `pad` followed by blanks up to 9 characters
// (the length of "Wednesday"). Empty outside 0..6.
std::string DayOfWeekName(int dayOfWeek, bool pad);

// The present moment and day from the system clock, read through the texts
// below: the local date and time, and the zone offset (TimeZoneMinutes).
int32_t TodayJDN();
double NowAJD();  // AJD, GMT, to the whole second

// The system's offset from GMT in whole minutes, positive east:
// -get_timezone() / 60, halves rounded to even.
int16_t TimeZoneMinutes();
int16_t TimeZoneMinutesFromSeconds(int32_t secondsWest);

// The JDN of a system date text taken as a CE date. If the third character is
// "-", "/" or ".", the text is month-day-year (12-31-2001: characters 1-2,
// 4-5, 7 to the end), else year-month-day (2001-12-31: characters 1-4, 6-7,
// 9-10). Each piece is read as a leading number.
int32_t JDNFromDateText(std::string_view dateText);
// The AJD of a system date text and time text at a zone `tzMinutes` east of
// GMT. The time is "14:05:09" (24-hour clock, characters 1-2, 4-5, 7-8) or,
// when it contains "M", a 12-hour clock with its "AM"/"PM" marker behind or in
// front ("2:05:09 PM", "PM 2:05:09"); 12 AM is midnight, 12 PM noon.
double NowAJDFromTexts(std::string_view dateText, std::string_view timeText, int tzMinutes);

// "HH:MM" or "HH:MM:SS" of a fraction of a day in [0, 1); "XX:XX:XX"
// otherwise. Values a hair below a whole second show that second.
std::string TimeOfDayStr(double dayFraction, bool seconds);
// Time of day of a CJDL, without seconds, then " GMT".
std::string LondonTime(double cjdl);
// Time of day of a CJDC, without seconds, then a blank and `zoneName`
// (the chosen country's zone: "CCT", "ICT", "JST").
std::string BeijingTime(double cjdc, std::string_view zoneName);

}  // namespace orbel
