#pragma once
// frmCalendar without the toolkit: one lunar month as a page of 32 day cells
// in 4 rows of 8 columns. Columns 0 to 6 are the days of the week, column 7
// ("Lunaday") holds only day 15 (cell 15) and day 30 (cell 31), so cells 7
// and 23 never hold a day. The Qt window and the saved image both paint this
// model with PaintCalendarPage.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "services/calendar_settings.h"
#include "engine/cycles.h"
#include "engine/names.h"
#include "support/colour.h"

namespace orbel {

inline constexpr int CalendarCellCount = 32;
inline constexpr int CalendarColumns = 8;
inline constexpr int CalendarRows = 4;

inline constexpr Rgb CalendarHighlightColour{198, 0, 0};
inline constexpr Rgb CalendarTitleColour{255, 255, 0};

inline constexpr std::string_view ShowPreviousMonthCaption = "Show previous month";
inline constexpr std::string_view ShowNextMonthCaption = "Show next month";
inline constexpr std::string_view SaveCalendarImageCaption = "Save as PNG image";
inline constexpr std::string_view SaveCalendarImageTitle = "Save image of this calendar month as a PNG file";
inline constexpr std::string_view LunadayHeading = "Lunaday";

// The lunar day (1..30) that cell `c` holds in a month of `monthLength` days,
// or 0 for a cell without a day.
constexpr int CalendarCellDay(int c, int monthLength) {
    if (c < 0 || c >= CalendarCellCount || c == 7 || c == 23) return 0;
    if (c < 7) return c + 1;
    if (c < 23) return c;
    if (c == 31) return monthLength == 30 ? 30 : 0;
    return c - 1;
}

// The file of imgMoon element `element` in the picture folder: "day7.gif".
inline std::string MoonDayPictureName(int element) { return "day" + std::to_string(element) + ".gif"; }

// What the calendar reads from the main window at every draw.
struct CalendarMainWindow {
    CalendarSettings settings;
    int country = CountryChina;
    bool showPan = true;       // chkShowPAN
    std::string lunarText;     // the CHL value label, "79-20-04-11 CHL 12:00 CCT"
    Rgb backColour{192, 0, 0}; // the main window's back colour
    Names names = Names::English;  // the words of the festival names
};

struct CalendarCell {
    int day = 0;  // lunar day 1..30; 0 when the cell holds none
    int32_t jdn = 0;
    std::string numeral;  // " 1" .. "30"
    std::string ceText;   // "Wed Dec 31"
    std::string panText;  // empty unless the Pantheon Calendar is shown
    std::string festivalText;  // the day's festivals of the country, or empty
    bool weekend = false;
    bool today = false;
    bool moonVisible = false;  // imgMoon element of this cell
};

// A rectangle of the page in pixels, right and bottom edges excluded.
struct PageRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// Where everything stands on a page of the given size: the title band, the
// year-and-month line, the column headings and the cells, each cell with the
// square of its Moon picture at its top right; the numeral stands beside the
// Moon, the CE and Pantheon texts below them.
struct CalendarPageGeometry {
    int width = 0, height = 0;
    PageRect title, yearAndMonth;
    std::array<PageRect, CalendarColumns> headings;
    std::array<PageRect, CalendarCellCount> cells, moons;
};
CalendarPageGeometry ComputeCalendarPageGeometry(int width, int height);

class CalendarMonthModel {
public:
    CalendarMonthModel();

    // Draws the month that begins on lngCJDN: caption, title, year-and-month
    // line, headings and cells, the previous and next starts and whether the
    // navigation buttons may go there.
    void DrawMonth();
    // Index 0 goes to the previous month, 1 to the next; both redraw.
    void cmdShowPreviousOrNext_Click(int index);

    // Sources of the main window's state and of today's day number (the
    // system clock); the owner may replace them.
    std::function<CalendarMainWindow()> mainWindow = [] { return CalendarMainWindow{}; };
    std::function<int32_t()> today;

    int32_t lngCJDN = 0;         // first day of the month shown
    int32_t previousStart = 0;   // first day of the month before
    int32_t nextStart = 0;       // first day of the month after
    int monthLength = 0;         // 29 or 30

    std::string caption;  // window title
    std::string lblTitle = "Title";
    std::string lblYearAndMonth = "Year and month";
    std::array<std::string, CalendarColumns> headings;
    std::array<CalendarCell, CalendarCellCount> cells;
    Rgb backColour{};
    std::array<bool, 2> navigationEnabled{true, true};  // cmdShowPreviousOrNext elements
};

// The first day (reference meridian) of the lunar month of the moment `ajd`.
int32_t LunarMonthStart(double ajd, const CalendarSettings& settings);

// The page as text: the title, the year-and-month line, then one line per
// day: numeral, CE text, (when shown) the Pantheon date and (on a festival)
// the festival's name, tab-separated.
std::string CalendarMonthText(const CalendarMonthModel& model);

}  // namespace orbel
