#pragma once
// The Pantheon Calendar (code PAN): an arithmetic lunisolar calendar of 29- and
// 30-day months and 12- or 13-month years, intercalated on a fixed cycle of
// 1803 years (22300 months, 658532 days), so no astronomy is needed. Its years
// begin close to the Chinese lunar new year: year 4699 began on 2002-02-12 CE.
//
// Dates are EuroDate records with the letter 'P'. The cycle rules work on the
// shifted year Y = year + 1; the procedures below that take "Y" expect it.
// Cycle k covers the shifted years 443 + 1803k to 2245 + 1803k and begins on
// day number 897474 + 658532k (Pantheon year 442 begins on day 897474).
#include <cstdint>
#include <string>
#include <string_view>

#include "services/euro_date.h"
#include "services/chinese_records.h"

namespace orbel {

// Position of the shifted year Y in its cycle, 1 to 1803.
int32_t PanCycleYear(int32_t Y);
// A year of 13 months (664 in each cycle).
bool PanIsLeapYear(int32_t Y);
// Month 10 has 30 days instead of 29 (350 years in each cycle).
bool PanHasLongMonth10(int32_t Y);
// The cycle that holds the shifted year Y: floor((Y - 443) / 1803).
int16_t PanCycleNumber(int32_t Y);
// 354, 355 (long tenth month), 384 (leap) or 385 (both).
int16_t PanDaysInYear(int32_t Y);
// 30 or 29; -2 for month 13 of a year without it; -1 for a month outside 1..13.
int16_t PanDaysInMonth(int32_t Y, int32_t month);

// Sets the record's day number and valid flag from its year, month and day.
// Invalid dates (and dates whose day number would not fit 32 bits) get
// valid = 0 and day number 0, and false is returned.
bool PanDateToJDN(EuroDate& date);
// Fills year, month and day from the record's day number; sets the letter 'P'
// and valid = 1.
void JDNToPanDate(EuroDate& date);
// Moves the date one month forward or back, keeping the day (30 becomes 29 in
// a 29-day month), then refreshes the day number and valid flag.
void PanStepMonth(EuroDate& date, bool forward);
// Moves the date one year forward or back to the same month and day; a 13th
// month in a year of twelve becomes the 12th, and a 30th in a month of 29
// days the 29th. Then refreshes the day number and valid flag.
void PanStepYear(EuroDate& date, bool forward);

// Texts of a date, styles 1 to 5 (2000-01-01 CE is 4696-11-25 PAN):
//   1  4696-11-25 PAN
//   2  4696-11-25 PAN (Mars Day, Dionysus 25,  4696)
//   3  Dionysus 25,  4696
//   4  The 25th day of Dionysus in the year 4696
//   5  Mars Day, Dionysus 25,  4696
// Empty for any other style.
std::string PanDateStr(const EuroDate& date, int style);

// Days are named in a ten-day week after the Sun and the planets, so days 1,
// 11 and 21 share a name. Empty outside 1..30.
std::string PanDayName(int32_t day);
std::string PanDayAbbrev(int32_t day);
// Months are named after Greek gods and figures. Empty outside 1..13.
std::string PanMonthName(int32_t month);
std::string PanMonthAbbrev(int32_t month);

// The two Pantheon labels of the main window: the date of the London day
// (floor of CJDL) with its GMT time, and the date of the reference-meridian
// day (floor of CJDC) with the time of the chosen zone.
struct PantheonLabel {
    std::string caption;   // "4696-11-25 PAN 12:00 GMT Mars Day"
    std::string longText;  // style 4 + " in the Pantheon Calendar (GMT timezone)"
};
PantheonLabel PanLondonLabel(double ajd);
// `zoneName` is the chosen country's zone ("CCT", "ICT", "JST"); the long text
// names the CCT timezone whatever the country: that text is fixed.
PantheonLabel PanReferenceLabel(double ajd, int16_t referenceLongitude, std::string_view zoneName);

// The small note beside the reference-zone Pantheon label comparing it with
// the Chinese lunar date shown. `chl` is that date's label text as parsed by
// the date-string library; nothing is compared (empty result) when it is not
// valid or is in a leap month, or when the label text has no "PAN" at or
// after its sixth character (spaces removed). Empty when no rule matches.
std::string PanChlComparisonNote(std::string_view panLabelText, const ChlDate& chl);

}  // namespace orbel
