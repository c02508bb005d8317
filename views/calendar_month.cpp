#include "views/calendar_month.h"

#include <algorithm>
#include <cmath>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/festivals.h"

namespace orbel {
namespace {

constexpr std::array<std::string_view, 7> kHeadingDays = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                           "Friday", "Saturday", "Sunday"};

ChlDate LunarDateOfDay(int32_t jdn, const CalendarSettings& settings) {
    ChsDate chs;
    chs.valid = ChsSkipSolarDate;
    ChlDate chl;
    CJDateToChDates(jdn, settings.epoch, chs, chl, settings);
    return chl;
}

EuroDate CommonEraDate(int32_t jdn) {
    EuroDate ce;
    ce.letter = 'G';
    ce.jdn = jdn;
    JDNToEuroDate(ce);
    return ce;
}

std::string FirstThree(std::string_view word) { return std::string(word.substr(0, 3)); }

// "Common Era year 2024, month of March", "Common Era year 2024 (March-April)",
// "Common Era year 2024 (December) - 2025 (January)".
std::string YearAndMonthLine(const EuroDate& first, const EuroDate& last) {
    const std::string y1 = std::to_string(first.year);
    if (first.year != last.year)
        return "Common Era year " + y1 + " (" + MonthName(first.month) + ") - " + std::to_string(last.year) + " (" +
               MonthName(last.month) + ")";
    if (first.month != last.month)
        return "Common Era year " + y1 + " (" + MonthName(first.month) + "-" + MonthName(last.month) + ")";
    return "Common Era year " + y1 + ", month of " + MonthName(first.month);
}

}  // namespace

CalendarMonthModel::CalendarMonthModel() : today([] { return TodayJDN(); }) {
    for (size_t i = 0; i < kHeadingDays.size(); ++i) headings[i] = FirstThree(kHeadingDays[i]) + "   ";
    headings[7] = LunadayHeading;
}

void CalendarMonthModel::DrawMonth() {
    if (lngCJDN < FirstComputableDay || lngCJDN > LastComputableDay) return;  // no month given yet
    const CalendarMainWindow main = mainWindow();
    const CalendarSettings& s = main.settings;
    backColour = main.backColour;
    const size_t chl = main.lunarText.find("CHL");
    caption = chl == std::string::npos ? main.lunarText : main.lunarText.substr(0, chl + 3);

    ChlDate first = LunarDateOfDay(lngCJDN, s);
    lblTitle = ChlDateLongStr(first, ChlLongTextOptions{}, s, main.country);  // the month's heading

    ChlDate probe = first;
    monthLength = LunarMonthLength(probe, s) == 30 ? 30 : 29;
    nextStart = lngCJDN + monthLength;
    previousStart = LunarDateOfDay(lngCJDN - 29, s).day == 1 ? lngCJDN - 29 : lngCJDN - 30;
    // The engine computes a few years past the supported range; going further
    // would leave it, so the buttons stop at the months that touch the range.
    navigationEnabled = {lngCJDN > MinJDN, nextStart <= MaxJDN};

    lblYearAndMonth = YearAndMonthLine(CommonEraDate(lngCJDN), CommonEraDate(lngCJDN + monthLength - 1));

    const int32_t todayJdn = today();
    const std::vector<FestivalDay> festivals =
        FestivalDaysBetween(lngCJDN, lngCJDN + monthLength - 1, main.country, s);
    for (int c = 0; c < CalendarCellCount; ++c) {
        CalendarCell cell;
        cell.day = CalendarCellDay(c, monthLength);
        if (cell.day > 0) {
            cell.jdn = lngCJDN + cell.day - 1;
            cell.numeral = (cell.day < 10 ? " " : "") + std::to_string(cell.day);
            const EuroDate ce = CommonEraDate(cell.jdn);
            const int16_t weekday = DayOfWeek(cell.jdn);
            cell.ceText = FirstThree(DayOfWeekName(weekday, false)) + " " + FirstThree(MonthName(ce.month)) + " " +
                          std::to_string(ce.day);
            cell.weekend = weekday == 0 || weekday == 6;
            if (main.showPan) {
                EuroDate pan;
                pan.jdn = cell.jdn;
                JDNToPanDate(pan);
                cell.panText = PanDateStr(pan, 1);
            }
            for (const FestivalDay& f : festivals) {
                if (f.jdn != cell.jdn) continue;
                if (!cell.festivalText.empty()) cell.festivalText += ", ";
                cell.festivalText += FestivalsOf(main.country).festivals[static_cast<size_t>(f.festival)].Name(main.names);
            }
            cell.moonVisible = true;
            cell.today = cell.jdn == todayJdn;
        }
        cells[static_cast<size_t>(c)] = std::move(cell);
    }
}

void CalendarMonthModel::cmdShowPreviousOrNext_Click(int index) {
    if (index < 0 || index > 1 || !navigationEnabled[static_cast<size_t>(index)]) return;
    lngCJDN = index == 1 ? nextStart : previousStart;
    DrawMonth();
}

int32_t LunarMonthStart(double ajd, const CalendarSettings& settings) {
    const auto day = static_cast<int32_t>(std::floor(ToReferenceCJD(ajd, settings.referenceLongitude)));
    return day - LunarDateOfDay(day, settings).day + 1;
}

CalendarPageGeometry ComputeCalendarPageGeometry(int width, int height) {
    CalendarPageGeometry g;
    g.width = width;
    g.height = height;
    const int margin = std::max(4, width / 100);
    const int titleHeight = std::max(24, height * 9 / 100);
    const int lineHeight = std::max(20, height * 7 / 100);
    const int headingHeight = std::max(18, height * 6 / 100);
    g.title = {0, 0, width, titleHeight};
    g.yearAndMonth = {margin, titleHeight, width - 2 * margin, lineHeight};
    const int gridTop = titleHeight + lineHeight + headingHeight;
    const int cellWidth = std::max(1, (width - 2 * margin) / CalendarColumns);
    const int cellHeight = std::max(1, (height - margin - gridTop) / CalendarRows);
    // Spare pixels of the division go to the margins, so the grid is centred.
    const int left = (width - CalendarColumns * cellWidth) / 2;
    for (int column = 0; column < CalendarColumns; ++column)
        g.headings[static_cast<size_t>(column)] = {left + column * cellWidth, gridTop - headingHeight, cellWidth,
                                                   headingHeight};
    const int pad = std::max(2, cellHeight / 20);
    const int moonSide = std::max(1, std::min(cellHeight / 2, cellWidth * 45 / 100));
    for (int c = 0; c < CalendarCellCount; ++c) {
        const PageRect cell{left + (c % CalendarColumns) * cellWidth, gridTop + (c / CalendarColumns) * cellHeight,
                            cellWidth, cellHeight};
        g.cells[static_cast<size_t>(c)] = cell;
        g.moons[static_cast<size_t>(c)] = {cell.x + cell.width - pad - moonSide, cell.y + pad, moonSide, moonSide};
    }
    return g;
}

std::string CalendarMonthText(const CalendarMonthModel& model) {
    std::string text = model.lblTitle + "\n" + model.lblYearAndMonth + "\n";
    for (int day = 1; day <= model.monthLength; ++day) {
        for (const CalendarCell& cell : model.cells) {
            if (cell.day != day) continue;
            text += cell.numeral + "\t" + cell.ceText;
            if (!cell.panText.empty()) text += "\t" + cell.panText;
            if (!cell.festivalText.empty()) text += "\t" + cell.festivalText;
            text += "\n";
        }
    }
    return text;
}

}  // namespace orbel
