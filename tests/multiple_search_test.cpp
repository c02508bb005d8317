// The multiple element-animal search: its days against a day-by-day scan, and
// its window driven from the main window's target list.
#include <gtest/gtest.h>

#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "navigation/multiple_search.h"
#include "services/calendar_conversion.h"
#include "tests/main_window_fixture.h"

namespace orbel {
namespace {

using testing::Y2000Noon;
constexpr int Rat = 0, Ox = 1, Tiger = 2, Horse = 6, Monkey = 8;
constexpr int Wood = 0, Fire = 1, Earth = 2, Metal = 3;
constexpr int None = -1;

// The first matching day by examining every day's lunar date in turn.
std::optional<int32_t> ScanDays(const MultipleSearchQuery& q, int32_t lastDay) {
    const int dir = q.forward ? 1 : -1;
    for (int32_t d = q.startDay + dir; dir > 0 ? d <= lastDay : d >= lastDay; d += dir) {
        ChlDate r;
        r.epoch = q.settings.epoch;
        r.jdn = d;
        JDNToChlDate(r, q.settings);
        const int16_t month = MonthPosition(r);
        if (q.rows[YearRow].Matches(r.position) && q.rows[MonthRow].Matches(month) &&
            q.rows[DayRow].Matches(DayPosition(d)) && (!q.sameDayAndMonth || DayPosition(d) == month))
            return d;
    }
    return std::nullopt;
}

TEST(MultipleSearch, FindsTheFirstMatchingDayAsADayByDayScanDoes) {
    struct Case {
        ElementAnimalRow day, month, year;
        bool same, forward;
        int32_t start;  // CE date as a day number
    };
    const int32_t y2000 = GregorianDayNumber(2000, 1, 1);
    const int32_t newYear2012 = GregorianDayNumber(2012, 1, 23);
    const Case cases[] = {
        {{Metal, Monkey}, {Fire, Horse}, {None, None}, false, true, y2000},
        {{Metal, Monkey}, {Fire, Horse}, {None, None}, false, false, y2000},
        {{None, Rat}, {None, Tiger}, {Wood, None}, false, true, y2000},
        {{Earth, None}, {None, None}, {None, Ox}, false, false, y2000},
        {{None, None}, {None, None}, {None, None}, true, true, y2000},
        {{None, Monkey}, {None, None}, {None, None}, true, false, y2000},
        // Back from a new year's day: into the last month of the year before.
        {{None, None}, {None, Ox}, {None, None}, false, false, newYear2012},
    };
    for (const Case& c : cases) {
        MultipleSearchQuery q;
        q.rows = {c.day, c.month, c.year};
        q.sameDayAndMonth = c.same;
        q.forward = c.forward;
        q.startDay = c.start;
        q.withinYears = 10;
        const MultipleSearchOutcome found = FindMultipleElementAnimalDay(q, nullptr);
        ASSERT_EQ(found.status, MultipleSearchStatus::Found) << c.start;
        EXPECT_EQ(std::optional(found.day), ScanDays(q, found.day)) << c.day.element << c.month.animal;
    }
}

TEST(MultipleSearch, ImpossibleCombinationsAreNotFoundInAnySpanAndTheSpanIsKept) {
    MultipleSearchQuery q;
    q.startDay = GregorianDayNumber(2000, 1, 1);
    // A tiger month of a wood year is a fire or earth tiger, never metal.
    q.rows[MonthRow] = {Metal, Tiger};
    q.rows[YearRow] = {Wood, None};
    for (int within : {1, 10, 100, 1000}) {
        for (bool forward : {true, false}) {
            q.withinYears = within;
            q.forward = forward;
            // 1000 years on from 2000 reach beyond the range.
            EXPECT_EQ(FindMultipleElementAnimalDay(q, nullptr).status,
                      within == 1000 && forward ? MultipleSearchStatus::OutOfRange : MultipleSearchStatus::NotFound)
                << within;
        }
    }
    // A wood-rat year day 100 days apart: found within 1000 years, the
    // next wood-rat year (2044) lies beyond 10 lunar years.
    q.rows[MonthRow] = {};
    q.rows[YearRow] = {Wood, Rat};
    q.forward = true;
    q.withinYears = 10;
    EXPECT_EQ(FindMultipleElementAnimalDay(q, nullptr).status, MultipleSearchStatus::NotFound);
    q.withinYears = 100;
    const MultipleSearchOutcome found = FindMultipleElementAnimalDay(q, nullptr);
    EXPECT_EQ(found.status, MultipleSearchStatus::Found);
    EXPECT_EQ(found.day, GregorianDayNumber(2044, 1, 30));
}

// --- The window ------------------------------------------------------------------------

// The clock far from the moment shown, 2000-01-01 12:00 GMT.
class MultipleSearchWindowTest : public testing::MainWindowFixture {
protected:
    void SetUp() override {
        Start("1", Y2000Noon + 3000.0);
        Show(Y2000Noon);
    }
    MultipleElementAnimalWindow& Open(int target) {
        model->cboTarget.listIndex = target;
        model->cboTarget_Click();
        model->cmdSearch_Click();
        return model->frmMultiple_El_An;
    }
    void Choose(int row, int element, int animal) {
        MultipleElementAnimalWindow& w = model->frmMultiple_El_An;
        w.cboElement[row].listIndex = element;
        w.cboElement_Click(row);
        w.cboAnimal[row].listIndex = animal;
        w.cboAnimal_Click(row);
    }
};

TEST_F(MultipleSearchWindowTest, OpensFromTheTargetListAndShowsTheFoundDay) {
    Convert("2000-01-01 CE");  // the text stays in the Date box
    port.messages.clear();
    MultipleElementAnimalWindow& w = Open(TargetMultipleElementAnimal);
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.Label1[2].caption, "Search for the next");
    EXPECT_EQ(w.focus, "cmdClose");
    Choose(DayRow, 5, Monkey);
    w.cmdSearch_Click();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_FALSE(w.visible);
    EXPECT_EQ(w.cmdSearch.caption, "Search");
    EXPECT_FALSE(model->lblSearching.visible);
    const double days = model->state.CurrentAJD - Y2000Noon;
    EXPECT_GE(days, 1.0);
    EXPECT_LE(days, 12.0);
    EXPECT_NE(model->lblElementAnimalOfDay[1].caption.find("-monkey day"), std::string::npos);
    EXPECT_NE(model->lblChineseLunarDate[1].caption.find(" 12:00 CCT"), std::string::npos);
    EXPECT_EQ(autoLogs.back(), 4);
    EXPECT_TRUE(model->cmdSearch.enabled);

    // Searching again goes on from the day found.
    const double first = model->state.CurrentAJD;
    Open(TargetMultipleElementAnimal).cmdSearch_Click();
    EXPECT_EQ(model->state.CurrentAJD - first, 12.0);
    EXPECT_TRUE(model->txbDate.text.empty());

    // The choices come back when the window opens again; its heading follows the direction.
    MultipleElementAnimalWindow& again = Open(TargetSameDayAndMonth);
    model->optPrevious_Click();
    EXPECT_EQ(again.Label1[2].caption, "Search for the previous same element-animal day and month");
    EXPECT_EQ(again.cboAnimal[DayRow].listIndex, Monkey);
}

TEST_F(MultipleSearchWindowTest, MessagesForNothingChosenAndNothingFound) {
    MultipleElementAnimalWindow& w = Open(TargetMultipleElementAnimal);
    w.cmdSearch_Click();
    ExpectOneMessage("Invalid input",
                     "You must specify an element or an animal or both\r\nfor one or more of: day, month and year");
    EXPECT_TRUE(w.visible);

    // Not found from today (orbel-cli's transcript has it from the day shown).
    Choose(MonthRow, Metal, Tiger);
    Choose(YearRow, Wood, 12);
    port.messages.clear();
    w.chkStartingFromToday.value = true;
    w.cboWithin.listIndex = 1;
    w.cmdSearch_Click();
    ExpectOneMessage("Not found", "There is no such day within 10 years of today.");
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
    EXPECT_TRUE(w.visible) << "open for the rows to be changed";

    // The range ends within the span.
    Show(MaxJDN - 100);
    port.messages.clear();
    w.chkStartingFromToday.value = false;
    w.cboWithin.listIndex = 2;
    w.cmdSearch_Click();
    ExpectOneMessage("Date out of range", "Date is later than 3000-01-01 CE.", MessageIcon::Exclamation);
    EXPECT_TRUE(w.visible);
}

TEST_F(MultipleSearchWindowTest, StopDuringASearchLeavesEverythingAsItWas) {
    MultipleElementAnimalWindow& w = Open(TargetMultipleElementAnimal);
    Choose(DayRow, Metal, Monkey);
    Choose(MonthRow, Metal, Tiger);
    Choose(YearRow, Wood, 12);
    w.cboWithin.listIndex = 3;
    std::vector<std::string> searching;
    port.onProcessEvents = [&](int pass) {
        searching.push_back(model->lblSearching.caption);
        EXPECT_FALSE(model->cmdMove.enabled);
        EXPECT_EQ(w.cmdSearch.caption, "Stop");
        EXPECT_FALSE(w.cmdClose.enabled);
        if (pass == 1) w.cmdSearch_Click();  // Stop
    };
    w.cmdSearch_Click();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.cmdSearch.caption, "Search");
    EXPECT_TRUE(w.cmdClose.enabled);
    EXPECT_TRUE(model->cmdMove.enabled);
    EXPECT_EQ(model->state.CurrentAJD, Y2000Noon);
    ASSERT_FALSE(searching.empty());
    EXPECT_EQ(searching[0], "Searching ...    79-16-11-25 CHL   2000-01-01 CE");
}

TEST_F(MultipleSearchWindowTest, RowTextsAndThePhrase) {
    MultipleElementAnimalWindow& w = Open(TargetMultipleElementAnimal);
    EXPECT_EQ(w.cboElement[YearRow].Text(), "in a");
    EXPECT_EQ(w.cboElement[MonthRow].items[Earth], "in an earth");
    Choose(YearRow, 5, Ox);
    EXPECT_EQ(w.cboElement[YearRow].Text(), "in an");
    struct Case {
        std::array<std::pair<int, int>, 3> rows;
        std::string_view phrase;
    };
    const Case cases[] = {
        {{{{Metal, Monkey}, {Fire, Horse}, {Wood, Rat}}}, "metal-monkey in a fire-horse in a wood-rat"},
        {{{{5, Monkey}, {5, 12}, {5, Ox}}}, "-monkey in an -ox"},
        {{{{Earth, 12}, {Earth, Ox}, {5, Horse}}}, "earth- in an earth-ox in a -horse"},
    };
    for (const Case& c : cases) {
        for (int row = 0; row < 3; ++row) Choose(row, c.rows[row].first, c.rows[row].second);
        EXPECT_EQ(w.MultipleElementAnimalStr(), c.phrase);
    }
    w.cmdClear_Click();
    EXPECT_EQ(w.MultipleElementAnimalStr(), "");
    EXPECT_EQ(model->multipleSearchRows[YearRow].elementIndex, 5);
}

}  // namespace
}  // namespace orbel
