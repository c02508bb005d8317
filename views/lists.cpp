// The three lists of the data window: lunar new years and anniversaries,
// lunar month starts and leap months, and the lunar dates of Julian and CE
// new years.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dates/date_entry.h"
#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/lunar_date_words.h"
#include "support/language.h"
#include "views/data_window.h"
#include "views/year_data.h"

namespace orbel {

namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view BusyYearsCaption = "years     ";
constexpr std::string_view CalculatingCaption = "years     Calculating ...";
constexpr std::string_view OutputFullMessage = "Output window is full.";
constexpr std::string_view OutsideRangeMessage = "Only days from -3000-01-01 CE to 3000-01-01 CE are listed.";
constexpr size_t ShortChlTextLength = 15;  // "12-34-56-78 CHL"
constexpr int J1Code = 3;
constexpr int Z1Code = 4;

std::string Plural(int n) { return n > 1 ? "s" : ""; }

std::string_view CalOf(char letter) { return letter == 'J' ? "JC" : "CE"; }

std::string AnniversaryHeading(bool newYearMode, const CalendarSettings& s, int country) {
    std::string heading = newYearMode ? std::string("Lunar New Year's Day ")
                                      : std::string(CountryAdjective(country)) +
                                            " Lunar Calendar anniversaries" + std::string(CRLF);
    heading += "with corresponding European date and JDN" + std::string(CRLF) + "(" + EpochMethod(false, s) +
               ", longitude " + std::to_string(s.referenceLongitude) + std::string(OrdinalSign) + " E, " +
               std::string(CountryName(country)) + ")";
    if (newYearMode) heading += std::string(CRLF) + "plus number of months, J1's and Z1's in the nian";
    return heading + ":" + std::string(CRLF);
}

std::string MonthStartsHeading(bool leapOnly, int n, int32_t first, const CalendarSettings& s, int country,
                               char letter) {
    const std::string countryName(CountryName(country));
    const std::string span = "for " + std::to_string(n) + " year" + Plural(n) + " from " + std::to_string(first) +
                             " " + std::string(CalOf(letter));
    const std::string longitude = "longitude" + SignedNumberStr(s.referenceLongitude) + std::string(OrdinalSign) + " E, ";
    if (leapOnly)
        return "Leap months with corresponding date CE and Julian day number" + std::string(CRLF) + span + " (" +
               EpochMethod(false, s) + "," + std::string(CRLF) + longitude + countryName + "):" + std::string(CRLF);
    return "Starts of all months with corresponding date CE" + std::string(CRLF) + "and Julian day number " + span +
           std::string(CRLF) + "(" + EpochMethod(false, s) + ", " + longitude + countryName + "):" + std::string(CRLF);
}

// One month's first day with its European date, day number and length.
std::string MonthStartLine(const ChlDate& date, const CalendarSettings& s, int country, char letter) {
    std::string text = ChlDateShortStr(date, 0, "CHL", s, country);
    if (text.size() < ShortChlTextLength) text += ' ';
    ChlDate last = date;
    const bool thirty = LunarMonthLength(last, s) == 30;
    std::string line = text + " =  " + EuroDateOfDayStr(date.jdn, letter) + " " + std::string(CalOf(letter)) + " = " +
                       SignedNumberStr(date.jdn) + " JDN" + (thirty ? "  30 days" : "  29 days");
    // Leap labels "10*" to "12*" are one character longer.
    if (!(date.leap == 1 && date.month >= 10)) {
        const size_t at = line.find("CHL");
        if (at != std::string::npos) line.insert(at, " ");
    }
    return line;
}

// True when the month of `date` (the ordinary month of its number) begins
// after the last day of the range, or lies where nothing is computed.
bool MonthBeyondRange(ChlDate date, const CalendarSettings& s) {
    date.day = 1;
    date.leap = 0;
    return ChLDateToJDN(date, s) != ChlDateFound || date.jdn > MaxJDN;
}

}  // namespace

void DataWindowModel::SayOutsideRange() {
    showText();
    port.ShowMessage(caption, OutsideRangeMessage, MessageIcon::Information);
}

int DataWindowModel::NianCounts(const ChlDate& date) {
    const CalendarSettings s = Readings().settings;
    const YearData data = ComputeYearData(date.jdn + 0.5, s);
    termCounts.fill(0);
    const int count = std::clamp<int>(data.DarkMoonCount, 0, MaxDarkMoons);
    // The numbering starts two positions before the date's and advances at
    // every new year, so the first nian in the data is the year before it.
    CyclePosition nian{date.cycle, date.position};
    nian.Retreat();
    nian.Retreat();
    for (int i = 0; i < count; ++i) {
        if (!data.MonthLabels[static_cast<size_t>(i)].IsNewYear()) continue;
        nian.Advance();
        int next = i + 1;
        while (next < count && !data.MonthLabels[static_cast<size_t>(next)].IsNewYear()) ++next;
        if (nian.cycle != date.cycle || nian.position != date.position) continue;
        if (next >= count) return 0;  // the nian runs past the data
        const int32_t first = data.DarkMoonDays[i];
        const int32_t end = data.DarkMoonDays[next];
        for (int j = 0; j <= 78; ++j)
            if (data.TermDays[j] >= first && data.TermDays[j] < end) ++termCounts[static_cast<size_t>(j % 24)];
        return next - i;
    }
    return 0;
}

void DataWindowModel::SetListBusy(bool on, std::string_view yearsCaption) {
    lblYears.caption = on ? std::string(yearsCaption) : ProgramText(TextYears);
    busy = on;
    port.SetBusy(on);
    cmdClose.caption = on ? std::string(DataStopCaption) : ProgramText(TextClose);
}

DataWindowModel::AnniversaryStep DataWindowModel::AppendAnniversary(ChlDate& date, int index, int32_t startDay,
                                                                    const DisplayedMoment& main) {
    const CalendarSettings& s = main.settings;
    const int country = KnownCountry(main.country);
    const int16_t status = ChLDateToJDN(date, s);
    if (status == ChlDateFound ? date.jdn > MaxJDN : MonthBeyondRange(date, s)) return AnniversaryStep::RangeEnd;
    if (status != ChlDateFound) {
        if (!chkOmitInvalidDates.value)
            Append(ChlDateShortStr(date, 0, "CHL", s, country) + " is invalid" + std::string(CRLF));
        // A 30th the month lacks is tried as the 29th, a leap month that
        // year lacks as the ordinary month.
        if (date.day == 30) {
            date.day = 29;
        } else if (date.leap == 0) {
            Append("Anomaly" + std::string(CRLF));
            return AnniversaryStep::Counted;
        } else {
            date.leap = 0;
            if (startDay == 30) date.day = 30;
        }
        return AnniversaryStep::Retry;
    }
    std::string line = ChlDateShortStr(date, 0, "CHL", s, country) + " = " + EuroDateOfDayStr(date.jdn, Letter()) + " " +
                       std::string(Cal()) + " = " + SignedNumberStr(date.jdn) + " JDN";
    if (newYearMode) {
        const int months = NianCounts(date);
        line += " " + std::to_string(months) + "m J1:" + std::to_string(termCounts[J1Code]) +
                " Z1:" + std::to_string(termCounts[Z1Code]);
    } else {
        line += " " + SignedNumberStr(index);
    }
    if (main.names != Names::English) line += "  " + LunarDateWords(main.names, date, -1);
    Append(line + std::string(CRLF));
    listedDays.push_back({date, index});
    return AnniversaryStep::Counted;
}

void DataWindowModel::ListLunarNewYears() {
    ShowListRow(false, true);
    const DisplayedMoment main = Readings();
    const CalendarSettings& s = main.settings;
    const int country = KnownCountry(main.country);
    ChlDate date;
    if (!parseChl(main.chlText, date)) {
        port.ShowMessage(caption, LunarDateInvalidText, MessageIcon::Exclamation);
        return;
    }
    newYearMode = date.month == 1 && date.day == 1 && date.leap == 0;
    const ChlDate start = date;
    const int n = std::atoi(txbNumYears.text.c_str());
    Append(AnniversaryHeading(newYearMode, s, country));

    const bool long_ = n > 30;
    if (long_) SetListBusy(true, BusyYearsCaption);
    bool rangeEnd = false;
    for (int i = 0; i < n;) {
        const AnniversaryStep step = AppendAnniversary(date, i, start.day, main);
        rangeEnd = step == AnniversaryStep::RangeEnd;
        if (rangeEnd) break;
        port.ProcessEvents();
        if (StopRequested) break;
        repaint();
        if (step == AnniversaryStep::Counted) {
            ++i;
            CyclePosition year{date.cycle, date.position};
            year.Advance();
            date.cycle = year.cycle;
            date.position = year.position;
            date.month = start.month;
            date.day = start.day;
            date.leap = start.leap;
        }
    }
    SetListBusy(false);
    cmdExport.visible = !listedDays.empty();
    FinishOutput();
    if (rangeEnd) SayOutsideRange();
}

DataWindowModel::MonthStartsOfYear DataWindowModel::AppendMonthStarts(int32_t year, bool leapOnly,
                                                                      const DisplayedMoment& main) {
    const CalendarSettings& s = main.settings;
    const int country = KnownCountry(main.country);
    MonthStartsOfYear result;
    for (int m = 1; m <= 12; ++m) {
        for (int leap = leapOnly ? 1 : 0; leap <= 1; ++leap) {
            ChlDate date = LunarDateOfYear(year, m, leap == 1, 1, s.epoch);
            const int16_t status = ChLDateToJDN(date, s);
            if (status == ChlMonthNotInYear) continue;  // no such leap month
            // A year the calendar cannot compute lies outside the range too.
            const bool outside = status == ChlFieldOutOfRange || (status == ChlDateFound && (date.jdn < MinJDN ||
                                                                                              date.jdn > MaxJDN));
            if (outside) {
                result.leftOut = true;
                result.rangeEnd = year > 0;  // past its end: no later month is in it
                if (result.rangeEnd) return result;
                continue;
            }
            if (status < 0) {
                port.ShowMessage(caption, "intM =" + SignedNumberStr(m) + "  Error code =" + SignedNumberStr(status),
                                 MessageIcon::Exclamation);
                continue;
            }
            const std::string words = main.names == Names::English ? "" : "  " + LunarMonthWords(main.names, date);
            Append(MonthStartLine(date, s, country, Letter()) + words + std::string(CRLF));
        }
    }
    return result;
}

void DataWindowModel::ListLeapMonths() {
    ShowListRow(true, false);
    const DisplayedMoment main = Readings();
    const CalendarSettings& s = main.settings;
    const int country = KnownCountry(main.country);
    const int32_t c = LeadingWholeNumber(main.ceText);  // the CE label starts with its year
    const int n = std::atoi(txbNumYears.text.c_str());
    if (n < 1) {
        focus = "txbNumYears";
        return;
    }
    const int32_t first = n % 2 == 1 ? c - n / 2 : c - n / 2 + 1;
    const bool leapOnly = chkLeapMonthsOnly.value;
    Append(MonthStartsHeading(leapOnly, n, first, s, country, Letter()));

    if (n > 10) {
        chkLeapMonthsOnly.visible = false;
        SetListBusy(true, CalculatingCaption);
    }
    bool leftOut = false;
    for (int32_t y = first; y < first + n; ++y) {
        const MonthStartsOfYear year = AppendMonthStarts(y, leapOnly, main);
        leftOut = leftOut || year.leftOut;
        if (year.rangeEnd) break;
        port.ProcessEvents();
        if (StopRequested) break;
        repaint();
    }
    chkLeapMonthsOnly.visible = true;
    SetListBusy(false);
    FinishOutput();
    if (leftOut) SayOutsideRange();
}

void DataWindowModel::ListJCCENewYears() {
    ShowListRow(false, false);  // every year has a 1 January: nothing to omit
    const DisplayedMoment main = Readings();
    const CalendarSettings& s = main.settings;
    const int country = KnownCountry(main.country);
    const int n = std::atoi(txbNumYears.text.c_str());
    const char letter = Letter();
    EuroDate today;
    today.letter = letter;
    today.jdn = static_cast<int32_t>(main.ajd);
    JDNToEuroDate(today);
    const int32_t y0 = today.year;

    Append("Lunar calendar dates of New Years Day in the " +
           std::string(letter == 'J' ? "Julian Calendar" : "Common Era Calendar") + std::string(CRLF) + "(" +
           EpochMethod(false, s) + ", longitude " + std::to_string(s.referenceLongitude) + std::string(OrdinalSign) +
           " E, " + std::string(CountryName(country)) + ")" + std::string(CRLF));

    const std::string code = letter == 'J' ? "-01-01 JC = " : "-01-01 CE = ";
    std::string pending;
    bool full = false, leftOut = false;
    for (int i = 0; i < n; ++i) {
        const int32_t y = y0 + i;
        EuroDate newYear;
        newYear.year = y;
        newYear.month = 1;
        newYear.day = 1;
        newYear.letter = letter;
        const int32_t d = EuroDateToJDN(newYear);
        if (d < MinJDN || d > MaxJDN) {
            leftOut = true;
            if (d > MaxJDN) break;
            continue;
        }
        ChsDate chs;
        chs.valid = ChsSkipSolarDate;
        ChlDate lunar;
        CJDateToChDates(d + 0.5, s.epoch, chs, lunar, s);
        // In words other than English the second line names the date in them.
        pending += std::to_string(y) + code + ChlDateShortStr(lunar, 0, "CHL", s, country) + std::string(CRLF) +
                   (main.names == Names::English ? ChlDateStemBranchStr(lunar, s) : LunarDateWords(main.names, lunar, -1)) +
                   std::string(CRLF);
        if ((i + 1) % 10 == 0) {
            Append(pending);
            pending.clear();
        }
        port.ProcessEvents();
        repaint();
        if (textCharacters_ >= OutputCharacterLimit) {
            full = true;
            break;
        }
    }
    if (full) port.ShowMessage(caption, OutputFullMessage, MessageIcon::Exclamation);
    Append(pending);
    FinishOutput();
    if (leftOut && !full) SayOutsideRange();
}

}  // namespace orbel
