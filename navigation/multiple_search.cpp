#include "navigation/multiple_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "navigation/lunar_solar_steps.h"
#include "services/calendar_conversion.h"

namespace orbel {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int NoElementItem = 5;
constexpr int NoAnimalItem = 12;
constexpr int OxAnimal = 1;

constexpr std::array<std::string_view, 4> WithinItems = {"within 1 year", "within 10 years", "within 100 years",
                                                         "within 1000 years"};
constexpr std::array<int, 4> WithinYears = {1, 10, 100, 1000};
constexpr int DefaultWithin = 2;

constexpr std::string_view NothingChosenText =
    "You must specify an element or an animal or both\r\nfor one or more of: day, month and year";

// The days the search may examine, [first, last] in increasing order;
// `cut` when the range ends before the span does.
struct DaySpan {
    int32_t first = 0, last = -1;
    bool cut = false;
};

DaySpan SpanOfSearch(const MultipleSearchQuery& q, int32_t startYear) {
    const int dir = q.forward ? 1 : -1;
    int64_t limit = 0;
    if (q.withinYears >= 100) {
        limit = int64_t{q.startDay} + int64_t{dir} * (q.withinYears >= 1000 ? Within1000YearsDays : Within100YearsDays);
    } else {
        // The same day of the lunar year, that many lunar years on.
        const std::optional<int32_t> from = LunarNewYearDay(startYear, q.settings);
        const std::optional<int32_t> to = LunarNewYearDay(startYear + dir * q.withinYears, q.settings);
        if (from && to)
            limit = int64_t{*to} + (q.startDay - *from);
        else
            limit = q.forward ? int64_t{MaxJDN} + 1 : int64_t{MinJDN} - 1;
    }
    const int64_t next = int64_t{q.startDay} + dir;
    DaySpan span;
    span.first = static_cast<int32_t>(std::max<int64_t>(std::min(next, limit), MinJDN));
    span.last = static_cast<int32_t>(std::min<int64_t>(std::max(next, limit), MaxJDN));
    span.cut = limit > MaxJDN || limit < MinJDN;
    return span;
}

class Search {
public:
    Search(const MultipleSearchQuery& q, const MultipleSearchPoll& poll, int pollMs)
        : q_(q), poll_(poll), pollEvery_(std::chrono::milliseconds(pollMs)), dir_(q.forward ? 1 : -1) {}

    MultipleSearchOutcome Run() {
        const CalendarSettings& s = q_.settings;
        constexpr MultipleSearchOutcome OutOfRange{MultipleSearchStatus::OutOfRange, 0};
        if (q_.startDay + dir_ < MinJDN || q_.startDay + dir_ > MaxJDN) return OutOfRange;
        const ChlDate start = LunarDateOfDay(q_.startDay, s);
        if (start.position == 0) return {};
        const int32_t startYear = YearOfCycle(start.cycle, start.position, s.epoch);
        span_ = SpanOfSearch(q_, startYear);
        if (Poll(q_.startDay)) return Stopped();
        lastPoll_ = SteadyClock::now();
        for (int32_t year = startYear;; year += dir_) {
            // A lunar year begins between late January and late February of
            // the CE year that numbers it.
            if (dir_ > 0 && GregorianDayNumber(year, 1, 1) > span_.last) break;
            if (dir_ < 0 && GregorianDayNumber(year + 1, 3, 31) < span_.first) break;
            if (Due() && Poll(std::clamp(GregorianDayNumber(year, 3, 1), span_.first, span_.last))) return Stopped();
            if (!q_.rows[YearRow].Matches(PositionOfYear(year))) continue;
            if (std::optional<int32_t> day = SearchYear(year)) return {MultipleSearchStatus::Found, *day};
            if (stopped_) return Stopped();
        }
        if (span_.cut) return OutOfRange;
        return {};
    }

private:
    static MultipleSearchOutcome Stopped() { return {MultipleSearchStatus::Stopped, 0}; }

    bool Due() const { return SteadyClock::now() - lastPoll_ >= pollEvery_; }

    bool Poll(int32_t day) {
        lastPoll_ = SteadyClock::now();
        stopped_ = poll_ && poll_(day);
        return stopped_;
    }

    // The months of a matching year whose element-animal can match, in the
    // order of the search, and the days of each.
    std::optional<int32_t> SearchYear(int32_t year) {
        const CalendarSettings& s = q_.settings;
        ChlDate r = LunarDateOfYear(year, 1, false, 0, s.epoch);
        for (int i = 0; i < 12; ++i) {
            r.month = dir_ > 0 ? 1 + i : 12 - i;
            const int16_t monthPosition = MonthPosition(r);
            if (!q_.rows[MonthRow].Matches(monthPosition)) continue;
            if (q_.sameDayAndMonth && !q_.rows[DayRow].Matches(monthPosition)) continue;
            // A leap month follows the ordinary month of its number.
            for (int leap : dir_ > 0 ? std::array{0, 1} : std::array{1, 0}) {
                r.leap = leap;
                if (std::optional<int32_t> day = SearchMonth(r, monthPosition)) return day;
                if (stopped_) return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<int32_t> SearchMonth(ChlDate r, int16_t monthPosition) {
        const CalendarSettings& s = q_.settings;
        r.day = 1;
        if (ChLDateToJDN(r, s) != ChlDateFound) return std::nullopt;  // no such (leap) month
        const int32_t firstDay = r.jdn;
        const int16_t length = LunarMonthLength(r, s);
        if (length < 0) return std::nullopt;
        const int32_t a = std::max(firstDay, span_.first);
        const int32_t b = std::min(firstDay + length - 1, span_.last);
        if (a > b) return std::nullopt;
        for (int32_t d = dir_ > 0 ? a : b; d >= a && d <= b; d += dir_) {
            const int16_t position = DayPosition(d);
            if (q_.rows[DayRow].Matches(position) && (!q_.sameDayAndMonth || position == monthPosition)) return d;
        }
        if (Due() && Poll(dir_ > 0 ? b : a)) return std::nullopt;
        return std::nullopt;
    }

    const MultipleSearchQuery& q_;
    const MultipleSearchPoll& poll_;
    const SteadyClock::duration pollEvery_;
    const int dir_;
    DaySpan span_;
    SteadyClock::time_point lastPoll_ = SteadyClock::now();
    bool stopped_ = false;
};

}  // namespace

MultipleSearchOutcome FindMultipleElementAnimalDay(const MultipleSearchQuery& query, const MultipleSearchPoll& poll,
                                                   int pollMs) {
    return Search(query, poll, pollMs).Run();
}

// --- The window ------------------------------------------------------------------------

MultipleElementAnimalWindow::MultipleElementAnimalWindow(UserPort& userPort) : port(userPort) {
    for (int row = 0; row < 3; ++row) {
        std::vector<std::string> elements;
        for (std::string_view e : ElementNameList) {
            const std::string article = e.front() == 'e' ? "in an " : "in a ";
            elements.push_back(row == DayRow ? std::string(e) : article + std::string(e));
        }
        elements.emplace_back(row == DayRow ? "" : "in a");
        cboElement[row].SetItems(std::move(elements));
        cboElement[row].listIndex = NoElementItem;
        std::vector<std::string> animals;
        for (std::string_view a : AnimalNameList(CountryChina)) animals.emplace_back(a);
        animals.emplace_back();
        cboAnimal[row].SetItems(std::move(animals));
        cboAnimal[row].listIndex = NoAnimalItem;
    }
    cboWithin.SetItems(std::vector<std::string>(WithinItems.begin(), WithinItems.end()));
    cboWithin.itemData.assign(WithinYears.begin(), WithinYears.end());
    cboWithin.listIndex = DefaultWithin;
    chkStartingFromToday.caption = "starting from today";
    cmdSearch.caption = "Search";
    cmdClear.caption = "Clear";
    cmdClose.caption = "Close";
    Label1[0].caption = "year";
    Label1[1].caption = "month";
}

void MultipleElementAnimalWindow::Show(bool same) {
    sameDayAndMonth = same;
    visible = true;
    Form_Activate();
}

void MultipleElementAnimalWindow::Form_Activate() {
    ShowDirection();
    focus = "cmdClose";
}

void MultipleElementAnimalWindow::ShowDirection() {
    Label1[2].caption = std::string("Search for the ") + (host.searchForward() ? "next" : "previous");
    if (sameDayAndMonth) Label1[2].caption += " same element-animal day and month";
}

void MultipleElementAnimalWindow::cmdClear_Click() {
    for (int row = 0; row < 3; ++row) SetRow(row, NoElementItem, NoAnimalItem);
    host.choicesChanged();
}

void MultipleElementAnimalWindow::cboElement_Click(int) {
    focus = "cmdSearch";
    host.choicesChanged();
}

void MultipleElementAnimalWindow::cboAnimal_Click(int row) {
    UpdateArticle(row);
    focus = "cmdSearch";
    host.choicesChanged();
}

void MultipleElementAnimalWindow::UpdateArticle(int row) {
    if (row == MonthRow || row == YearRow)
        cboElement[row].items[NoElementItem] = cboAnimal[row].listIndex == OxAnimal ? "in an" : "in a";
}

void MultipleElementAnimalWindow::chkStartingFromToday_Click() { focus = "cmdSearch"; }

void MultipleElementAnimalWindow::cboWithin_Click() { focus = "cmdSearch"; }

void MultipleElementAnimalWindow::SetRow(int row, int elementIndex, int animalIndex) {
    cboElement[row].listIndex = std::clamp(elementIndex, 0, NoElementItem);
    cboAnimal[row].listIndex = std::clamp(animalIndex, 0, NoAnimalItem);
    UpdateArticle(row);
}

void MultipleElementAnimalWindow::SetAnimalWords(const std::array<std::string, 12>& words) {
    for (ComboBox& list : cboAnimal)
        for (size_t i = 0; i < words.size(); ++i) list.items[i] = words[i];
}

std::array<ElementAnimalRow, 3> MultipleElementAnimalWindow::ChosenRows() const {
    std::array<ElementAnimalRow, 3> rows;
    for (int row = 0; row < 3; ++row) {
        const int e = cboElement[row].listIndex;
        const int a = cboAnimal[row].listIndex;
        rows[row].element = e >= 0 && e < NoElementItem ? e : -1;
        rows[row].animal = a >= 0 && a < NoAnimalItem ? a : -1;
    }
    return rows;
}

std::string MultipleElementAnimalWindow::MultipleElementAnimalStr() const {
    const std::array<ElementAnimalRow, 3> rows = ChosenRows();
    std::string phrase;
    for (int row = 0; row < 3; ++row) {
        if (!rows[row].Chosen()) continue;
        const std::string element = cboElement[row].Text();
        const std::string animal = rows[row].animal >= 0 ? cboAnimal[row].Text() : std::string();
        if (!phrase.empty()) phrase += " ";
        // A month or year row without an element reads "in a -horse".
        phrase += element + (row != DayRow && rows[row].element < 0 ? " -" : "-") + animal;
    }
    for (size_t at = phrase.find("a -ox"); at != std::string::npos; at = phrase.find("a -ox", at + 6))
        phrase.replace(at, 5, "an -ox");
    return phrase;
}

std::string MultipleElementAnimalWindow::SearchingText(int32_t day) const {
    const CalendarSettings s = host.settings();
    const ChlDate lunar = LunarDateOfDay(day, s);
    EuroDate ce;
    ce.letter = 'G';
    ce.jdn = day;
    JDNToEuroDate(ce);
    return "Searching ...    " + ChlDateShortStr(lunar, 0, "CHL", s, host.country()) + "   " + EuroDateToStr(ce) +
           " CE";
}

void MultipleElementAnimalWindow::SetRunning(bool running) {
    cmdSearch.caption = running ? "Stop" : "Search";
    cmdClear.enabled = !running;
    cmdClose.enabled = !running;
    for (int row = 0; row < 3; ++row) {
        cboElement[row].enabled = !running;
        cboAnimal[row].enabled = !running;
    }
    cboWithin.enabled = !running;
    chkStartingFromToday.enabled = !running;
}

void MultipleElementAnimalWindow::cmdSearch_Click() {
    if (cmdSearch.caption == "Stop") {
        SetRunning(false);
        stopRequested = true;
        host.showSearching("");
        return;
    }
    const std::array<ElementAnimalRow, 3> rows = ChosenRows();
    const bool chosen = std::any_of(rows.begin(), rows.end(), [](const ElementAnimalRow& r) { return r.Chosen(); });
    if (!chosen && !sameDayAndMonth) {
        port.ShowMessage(NothingChosenTitle, NothingChosenText, MessageIcon::Exclamation);
        return;
    }
    if (!host.applyTypedDate()) return;
    ShowDirection();
    SetRunning(true);
    stopRequested = false;
    port.SetBusy(true);
    host.running(true);

    MultipleSearchQuery query;
    query.rows = rows;
    query.sameDayAndMonth = sameDayAndMonth;
    query.settings = host.settings();
    const double moment = chkStartingFromToday.value ? host.now() : host.displayedMoment();
    startDay = static_cast<int32_t>(std::floor(ToReferenceCJD(moment, query.settings.referenceLongitude)));
    query.startDay = startDay;
    query.forward = host.searchForward();
    const int within = cboWithin.listIndex;
    query.withinYears = within >= 0 && within < cboWithin.ListCount() ? cboWithin.itemData[within] : 100;

    const MultipleSearchOutcome outcome = FindMultipleElementAnimalDay(query, [this](int32_t day) {
        if (!stopRequested) host.showSearching(SearchingText(day));
        port.ProcessEvents();
        return stopRequested;
    });
    host.showSearching("");
    port.SetBusy(false);
    host.running(false);
    const bool stopped = outcome.status == MultipleSearchStatus::Stopped || stopRequested;
    notFound = outcome.status == MultipleSearchStatus::NotFound || outcome.status == MultipleSearchStatus::OutOfRange;
    SetRunning(false);
    if (stopped) return;
    Refresh();
    // Without a day found the window stays open, so that the rows can be changed.
    if (outcome.status == MultipleSearchStatus::NotFound)
        port.ShowMessage(NotFoundTitle,
                         "There is no such day " + cboWithin.Text() +
                             (chkStartingFromToday.value ? " of today" : "") + ".",
                         MessageIcon::None);
    if (outcome.status == MultipleSearchStatus::OutOfRange)
        port.ShowMessage(DateOutOfRangeTitle, query.forward ? DateTooLateText : DateTooEarlyText,
                         MessageIcon::Exclamation);
    if (outcome.status != MultipleSearchStatus::Found) return;
    visible = false;
    foundDay = outcome.day;
    host.found(foundDay);
}

void MultipleElementAnimalWindow::cmdClose_Click() {
    if (cmdSearch.caption == "Stop") cmdSearch_Click();
    visible = false;
}

}  // namespace orbel
