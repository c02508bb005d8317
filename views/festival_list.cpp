#include "views/festival_list.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>


#include "dates/date_entry.h"
#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/festivals.h"
#include "views/data_window.h"

namespace orbel {
namespace {

constexpr std::string_view CRLF = "\r\n";

std::string EuroDateText(int32_t jdn, char letter) {
    return EuroDateOfDayStr(jdn, letter) + (letter == 'J' ? " JC" : " CE");
}

}  // namespace

LunarYearDays LunarYearOf(int32_t cycle, int32_t position, const CalendarSettings& settings) {
    ChlDate newYear;
    newYear.cycle = cycle;
    newYear.position = position;
    newYear.month = 1;
    newYear.day = 1;
    ChlDate next = newYear;
    if (++next.position > 60) {
        next.position = 1;
        ++next.cycle;
    }
    LunarYearDays days;
    if (ChLDateToJDN(newYear, settings) != ChlDateFound || ChLDateToJDN(next, settings) != ChlDateFound) return days;
    return {newYear.jdn, next.jdn - 1, true};
}

std::string FestivalListHeading(int years, const ChlDate& newYear, const FestivalListRequest& request) {
    const FestivalCountry& country = FestivalsOf(request.country);
    const CalendarSettings& s = request.settings;
    return std::string(country.adjective) + " festivals for " + std::to_string(years) + " lunar year" +
           (years > 1 ? "s" : "") + " from " + ChlDateShortStr(newYear, 0, "CHL", s, KnownCountry(request.country)) +
           " (" + EuroDateText(newYear.jdn, request.letter) + ")" + std::string(CRLF) + "(" + EpochMethod(false, s) +
           ", longitude " + std::to_string(s.referenceLongitude) + std::string(OrdinalSign) + " E, " +
           std::string(country.name) + "):" + std::string(CRLF);
}

std::string FestivalListLines(int32_t first, int32_t last, const FestivalListRequest& request) {
    const FestivalCountry& country = FestivalsOf(request.country);
    const CalendarSettings& s = request.settings;
    std::string text;
    for (const FestivalDay& day : FestivalDaysBetween(first, last, request.country, s)) {
        ChlDate lunar;
        lunar.jdn = day.jdn;
        lunar.epoch = s.epoch;
        JDNToChlDate(lunar, s);
        text += EuroDateText(day.jdn, request.letter) + "  " + DayOfWeekName(DayOfWeek(day.jdn), true) + "  " +
                ChlDateShortStr(lunar, 0, "CHL", s, KnownCountry(request.country)) + "  " +
                std::string(country.festivals[static_cast<size_t>(day.festival)].Name(request.names)) +
                std::string(CRLF);
    }
    return text;
}

void DataWindowModel::ListFestivals() {
    ShowListRow(false, false);
    const DisplayedMoment main = Readings();
    FestivalListRequest request{main.settings, main.country, main.names, Letter()};
    const CalendarSettings& s = main.settings;
    ChlDate year;
    year.jdn = static_cast<int32_t>(std::floor(ToReferenceCJD(main.ajd, s.referenceLongitude)));
    year.epoch = s.epoch;
    JDNToChlDate(year, s);
    year.month = 1;
    year.day = 1;
    year.leap = 0;
    const int n = std::atoi(txbNumYears.text.c_str());
    if (ChLDateToJDN(year, s) != ChlDateFound) {
        port.ShowMessage(caption, LunarDateInvalidText, MessageIcon::Exclamation);
        return;
    }
    Append(FestivalListHeading(n, year, request));

    const bool long_ = n > 30;
    if (long_) SetListBusy(true, "years     ");
    for (int i = 0; i < n; ++i) {
        const LunarYearDays days = LunarYearOf(year.cycle, year.position, s);
        if (!days.valid || days.first > MaxJDN) break;
        // Only the days of the program's range are listed.
        Append(FestivalListLines(std::max(days.first, MinJDN), std::min(days.last, MaxJDN), request));
        port.ProcessEvents();
        if (StopRequested) break;
        repaint();
        if (++year.position > 60) {
            year.position = 1;
            ++year.cycle;
        }
    }
    if (long_) SetListBusy(false);
    FinishOutput();
}

}  // namespace orbel
