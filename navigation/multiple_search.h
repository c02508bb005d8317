#pragma once
// The multiple element-animal search: the nearest day whose day, lunar month
// and lunar year carry chosen elements and animals, and its window
// frmMultiple_El_An without a screen.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "support/controls.h"
#include "support/user_port.h"
#include "services/calendar_settings.h"
#include "navigation/event_search.h"

namespace orbel {

// Rows of the search: the day, its lunar month and its lunar year.
enum MultipleSearchRow : int { DayRow = 0, MonthRow = 1, YearRow = 2 };

struct MultipleSearchQuery {
    std::array<ElementAnimalRow, 3> rows;
    // The day's element-animal must also be its month's.
    bool sameDayAndMonth = false;
    int32_t startDay = 0;  // reference meridian; the search begins the day after (or before)
    bool forward = true;
    int withinYears = 100;  // 1, 10, 100 or 1000
    CalendarSettings settings;
};

// OutOfRange: nothing found before the range ends, short of the span.
enum class MultipleSearchStatus { Found, NotFound, Stopped, OutOfRange };

struct MultipleSearchOutcome {
    MultipleSearchStatus status = MultipleSearchStatus::NotFound;
    int32_t day = 0;  // the day found
};

// Called while the search runs, at least every `pollMs` of its work, with the
// day it has reached; true stops the search.
using MultipleSearchPoll = std::function<bool(int32_t day)>;

// Days covered by "within 100 years" and "within 1000 years": a year more
// than 100 and 1000 mean years.
inline constexpr int32_t Within100YearsDays = 36890;
inline constexpr int32_t Within1000YearsDays = 365608;

// The first day from the start, in the direction of the search and within the
// span, whose day, month and year match every chosen row. Years and months
// that cannot match are passed over by their cycle positions, so only the
// months that can hold a match are computed.
MultipleSearchOutcome FindMultipleElementAnimalDay(const MultipleSearchQuery& query, const MultipleSearchPoll& poll,
                                                   int pollMs = 20);

// What the window needs from the main window.
struct MultipleSearchHost {
    std::function<bool()> searchForward = [] { return true; };
    std::function<double()> displayedMoment = [] { return 2451545.0; };
    std::function<double()> now = [] { return 2451545.0; };
    std::function<CalendarSettings()> settings = [] { return CalendarSettings{}; };
    std::function<int()> country = [] { return 1; };
    // Shows the main window's searching label with this text; the empty
    // text clears and hides it.
    std::function<void(const std::string& text)> showSearching = [](const std::string&) {};
    // The day found becomes the displayed day.
    std::function<void(int32_t day)> found = [](int32_t) {};
    // A search starts (true) or ends (false): the main window holds still.
    std::function<void(bool running)> running = [](bool) {};
    // A row's lists were changed by the user (or cleared).
    std::function<void()> choicesChanged = [] {};
    // A date typed into the main window and not yet converted becomes the
    // displayed moment, as before any search; false when it is not a date.
    std::function<bool()> applyTypedDate = [] { return true; };
};

inline constexpr std::string_view MultipleSearchCaption = "Search for multiple element-animal";
inline constexpr std::string_view NothingChosenTitle = "Invalid input";
inline constexpr std::string_view NotFoundTitle = "Not found";

class MultipleElementAnimalWindow {
public:
    explicit MultipleElementAnimalWindow(UserPort& port);

    // The window is shown by the main window; `sameDayAndMonth` for its
    // target "Same element-animal day and month".
    void Show(bool sameDayAndMonth);
    void Form_Activate();
    // The heading follows the main window's next/previous choice.
    void ShowDirection();
    void cmdClear_Click();
    void cboElement_Click(int row);
    void cboAnimal_Click(int row);
    void chkStartingFromToday_Click();
    void cboWithin_Click();
    void cmdSearch_Click();
    void cmdClose_Click();

    // The chosen combination as one phrase: "metal-monkey in a fire-horse in
    // a wood-rat".
    std::string MultipleElementAnimalStr() const;
    // The chosen rows as the search reads them.
    std::array<ElementAnimalRow, 3> ChosenRows() const;
    // Sets the lists of a row: element 0..4 or 5, animal 0..11 or 12.
    void SetRow(int row, int elementIndex, int animalIndex);
    // The words of the animals in the main window's country.
    void SetAnimalWords(const std::array<std::string, 12>& words);

    UserPort& port;
    MultipleSearchHost host;
    // Lets the window show the ended search before a message box holds it.
    std::function<void()> Refresh = [] {};

    std::string caption{MultipleSearchCaption};
    bool visible = false;
    bool sameDayAndMonth = false;
    std::string focus;
    std::array<ComboBox, 3> cboElement, cboAnimal;
    ComboBox cboWithin;
    CheckBox chkStartingFromToday;
    Button cmdSearch, cmdClear, cmdClose;
    // 0 "year", 1 "month", 2 the direction of the search.
    std::array<Label, 3> Label1;

    // Window state.
    bool stopRequested = false;
    int32_t startDay = 0;
    bool notFound = false;
    int32_t foundDay = 0;

private:
    std::string SearchingText(int32_t day) const;
    // "in an" before the ox in a row without an element, else "in a".
    void UpdateArticle(int row);
    void SetRunning(bool running);
};

}  // namespace orbel
