#include "views/calendar_month.h"

#include <algorithm>
#include <cmath>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "dates/pantheon_calendar.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/festivals.h"
#include "engine/lunar_date_words.h"
#include "support/settings_store.h"

namespace orbel {
namespace {

constexpr std::string_view LayoutValueName = "CalendarLayout";
constexpr std::array<std::string_view, 2> LayoutValues = {"LunarDays", "Weeks"};

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

// Monday to Sunday: the weekday numbers (0 Sunday) of the weeks layout's columns.
int WeekdayOfColumn(int column) { return (column + 1) % 7; }

// The window's title: the main window's lunar date while its month is shown;
// in another month the day of the same number there (the month's last day
// when it is shorter), so that the title follows the navigation buttons.
std::string MonthCaption(const CalendarMainWindow& main, int32_t start, int monthLength) {
    const size_t chl = main.lunarText.find("CHL");
    const std::string mainText = chl == std::string::npos ? main.lunarText : main.lunarText.substr(0, chl + 3);
    const CalendarSettings& s = main.settings;
    const double day = std::floor(ToReferenceCJD(main.ajd, s.referenceLongitude));
    if (!IsComputable(day)) return mainText;
    const int lunarDay = LunarDateOfDay(static_cast<int32_t>(day), s).day;
    if (static_cast<int32_t>(day) - lunarDay + 1 == start) return mainText;
    const ChlDate shown = LunarDateOfDay(start + std::min(lunarDay, monthLength) - 1, s);
    return ChlDateShortStr(shown, 0, "CHL", s, main.country);
}

}  // namespace

CalendarGrid CalendarGridOf(CalendarLayout layout, int monthLength, int firstWeekday) {
    CalendarGrid grid;
    if (layout == CalendarLayout::Weeks) {
        grid.columns = 7;
        grid.rows = (firstWeekday + monthLength + 6) / 7;
        for (int column = 0; column < grid.columns; ++column)
            grid.headings.push_back(FirstThree(DayOfWeekName(WeekdayOfColumn(column), false)));
        for (int day = 1; day <= 30; ++day) grid.cellOfDay[static_cast<size_t>(day)] = firstWeekday + day - 1;
    } else {
        grid.columns = CalendarColumns;
        grid.rows = CalendarRows;
        grid.headings.assign(CalendarColumns, "");
        grid.headings.back() = LunadayHeading;
        for (int day = 1; day <= 30; ++day) grid.cellOfDay[static_cast<size_t>(day)] = LunarDayCell(day);
    }
    return grid;
}

CalendarMonthModel::CalendarMonthModel() : today([] { return TodayJDN(); }) {}

void CalendarMonthModel::DrawMonth() {
    if (lngCJDN < FirstComputableDay || lngCJDN > LastComputableDay) return;  // no month given yet
    const CalendarMainWindow main = mainWindow();
    const CalendarSettings& s = main.settings;
    backColour = main.backColour;

    ChlDate first = LunarDateOfDay(lngCJDN, s);
    lblTitle = main.names == Names::English ? ChlDateLongStr(first, ChlLongTextOptions{}, s, main.country)
                                            : LunarMonthWords(main.names, first);  // the month's heading

    ChlDate probe = first;
    monthLength = LunarMonthLength(probe, s) == 30 ? 30 : 29;
    nextStart = lngCJDN + monthLength;
    caption = MonthCaption(main, lngCJDN, monthLength);
    previousStart = LunarDateOfDay(lngCJDN - 29, s).day == 1 ? lngCJDN - 29 : lngCJDN - 30;
    // The engine computes a few years past the supported range; going further
    // would leave it, so the buttons stop at the months that touch the range.
    navigationEnabled = {lngCJDN > MinJDN, nextStart <= MaxJDN};

    lblYearAndMonth = YearAndMonthLine(CommonEraDate(lngCJDN), CommonEraDate(lngCJDN + monthLength - 1));

    const int firstWeekday = (DayOfWeek(lngCJDN) + 6) % 7;  // 0 Monday
    const CalendarGrid grid = CalendarGridOf(layout, monthLength, firstWeekday);
    rows = grid.rows;
    columns = grid.columns;
    headings = grid.headings;
    cells.assign(static_cast<size_t>(rows * columns), CalendarCell{});
    const int32_t todayJdn = today();
    const std::vector<FestivalDay> festivals =
        FestivalDaysBetween(lngCJDN, lngCJDN + monthLength - 1, main.country, s);
    for (int day = 1; day <= monthLength; ++day) {
        CalendarCell& cell = cells[static_cast<size_t>(grid.cellOfDay[static_cast<size_t>(day)])];
        cell.day = day;
        cell.jdn = lngCJDN + day - 1;
        cell.numeral = main.names == Names::English ? (day < 10 ? " " : "") + std::to_string(day)
                                                    : DayWords(main.names, day);
        const EuroDate ce = CommonEraDate(cell.jdn);
        const int16_t weekday = DayOfWeek(cell.jdn);
        // A column of the weeks layout is headed by its weekday already.
        cell.ceText = FirstThree(MonthName(ce.month)) + " " + std::to_string(ce.day);
        if (layout == CalendarLayout::LunarDays)
            cell.ceText = FirstThree(DayOfWeekName(weekday, false)) + " " + cell.ceText;
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
        cell.moonPicture = LunarDayCell(day);
        cell.today = cell.jdn == todayJdn;
    }
}

void CalendarMonthModel::cmdShowPreviousOrNext_Click(int index) {
    if (index < 0 || index > 1 || !navigationEnabled[static_cast<size_t>(index)]) return;
    lngCJDN = index == 1 ? nextStart : previousStart;
    DrawMonth();
}

void CalendarMonthModel::optLayout_Click(CalendarLayout chosen) {
    if (chosen == layout) return;
    layout = chosen;
    layoutChosen(chosen);
    DrawMonth();
}

int32_t LunarMonthStart(double ajd, const CalendarSettings& settings) {
    const auto day = static_cast<int32_t>(std::floor(ToReferenceCJD(ajd, settings.referenceLongitude)));
    return day - LunarDateOfDay(day, settings).day + 1;
}

CalendarPageGeometry ComputeCalendarPageGeometry(int width, int height, int rows, int columns) {
    CalendarPageGeometry g;
    g.width = width;
    g.height = height;
    rows = std::max(1, rows);
    columns = std::max(1, columns);
    const int margin = std::max(4, width / 100);
    const int titleHeight = std::max(24, height * 9 / 100);
    const int lineHeight = std::max(20, height * 7 / 100);
    const int headingHeight = std::max(18, height * 6 / 100);
    g.title = {0, 0, width, titleHeight};
    g.yearAndMonth = {margin, titleHeight, width - 2 * margin, lineHeight};
    const int gridTop = titleHeight + lineHeight + headingHeight;
    const int cellWidth = std::max(1, (width - 2 * margin) / columns);
    const int cellHeight = std::max(1, (height - margin - gridTop) / rows);
    // Spare pixels of the division go to the margins, so the grid is centred.
    const int left = (width - columns * cellWidth) / 2;
    for (int column = 0; column < columns; ++column)
        g.headings.push_back({left + column * cellWidth, gridTop - headingHeight, cellWidth, headingHeight});
    const int pad = std::max(2, cellHeight / 20);
    const int moonSide = std::max(1, std::min(cellHeight / 2, cellWidth * 45 / 100));
    for (int c = 0; c < rows * columns; ++c) {
        const PageRect cell{left + (c % columns) * cellWidth, gridTop + (c / columns) * cellHeight, cellWidth,
                            cellHeight};
        g.cells.push_back(cell);
        g.moons.push_back({cell.x + cell.width - pad - moonSide, cell.y + pad, moonSide, moonSide});
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

namespace {

// The columns a UTF-8 text takes in a terminal: two for the wide characters
// of East Asian scripts (Hangul, CJK, kana, full-width forms), one for
// every other character.
size_t TerminalWidth(std::string_view utf8) {
    size_t width = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (size_t k = 1; k < length && i + k < utf8.size(); ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFF00 && c <= 0xFF60) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace

std::string CalendarGridText(const CalendarMonthModel& model) {
    std::vector<std::string> texts;
    size_t width = 0;
    for (const std::string& heading : model.headings) width = std::max(width, TerminalWidth(heading));
    for (const CalendarCell& cell : model.cells) {
        texts.push_back(cell.day > 0 ? cell.numeral + " " + cell.ceText : "");
        width = std::max(width, TerminalWidth(texts.back()));
    }
    width += 2;
    const auto line = [width](const std::vector<std::string>& row) {
        std::string out;
        for (const std::string& text : row) out += text + std::string(width - TerminalWidth(text), ' ');
        while (out.ends_with(' ')) out.pop_back();
        return out + "\n";
    };
    std::string text = model.lblTitle + "\n" + model.lblYearAndMonth + "\n" + line(model.headings);
    for (size_t row = 0; row * static_cast<size_t>(model.columns) < texts.size(); ++row) {
        const auto first = texts.begin() + static_cast<std::ptrdiff_t>(row * static_cast<size_t>(model.columns));
        text += line(std::vector<std::string>(first, first + model.columns));
    }
    return text;
}

std::string CalendarImageFileName(const CalendarMonthModel& model) {
    return "lunar_month_" + EuroDateToStr(CommonEraDate(model.lngCJDN)) + ".png";
}

CalendarLayout StoredCalendarLayout() {
    std::string value;
    GetRegistryString(OrbelRegistryKey, LayoutValueName, value, false, LayoutValues[0]);
    return value == LayoutValues[1] ? CalendarLayout::Weeks : CalendarLayout::LunarDays;
}

void StoreCalendarLayout(CalendarLayout layout) {
    SaveRegistryString(OrbelRegistryKey, LayoutValueName, LayoutValues[static_cast<size_t>(layout)], false);
}

}  // namespace orbel
