// The event search driven as a user drives it: a displayed moment, a target,
// next or previous, Search; then the moment and labels shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dates/day_numbers.h"
#include "engine/quenta_module.h"
#include "engine/sol_eq.h"
#include "navigation/event_search.h"
#include "services/calendar_conversion.h"
#include "tests/golden.h"
#include "tests/main_window_fixture.h"

namespace orbel {
namespace {

using testing::Y2000Noon;
constexpr double Second = 1.0 / 86400.0;

class EventSearchTest : public testing::MainWindowFixture {
protected:
    double Search(int target, bool next, int element = BlankElementIndex, int animal = BlankAnimalIndex) {
        model->cboElement.listIndex = element;
        model->cboAnimal.listIndex = animal;
        model->cboTarget.listIndex = target;
        model->cboTarget_Click();
        next ? model->optNext_Click() : model->optPrevious_Click();
        port.messages.clear();
        model->cmdSearch_Click();
        return model->state.CurrentAJD;
    }
    std::string Lunar() const { return model->lblChineseLunarDate[1].caption; }
};

// --- Lunar phases --------------------------------------------------------------

TEST_F(EventSearchTest, PhasesFromAFullMoonAndJustAfterIt) {
    const int32_t k = LunationAt(Y2000Noon) + 3;
    const double full = PhaseMomentGMT(k, 2);
    struct Case {
        int target;
        double offset;  // days from the full moon of lunation k
        bool next;
        int32_t lunation;
        int16_t phase;
    };
    const Case cases[] = {
        {TargetFullMoon, 0.0, true, k + 1, 2},          {TargetFullMoon, 0.0, false, k - 1, 2},
        {TargetFullMoon, 5 * Second, true, k + 1, 2},   {TargetFullMoon, 5 * Second, false, k, 2},
        {TargetFullMoon, -60 * Second, true, k, 2},     {TargetDarkMoon, 0.0, true, k + 1, 0},
        {TargetDarkMoon, 0.0, false, k, 0},             {TargetLunarQuarter, 0.0, true, k, 3},
        {TargetLunarQuarter, 0.0, false, k, 1},         {TargetLunarQuarter, 5 * Second, false, k, 2},
    };
    for (const Case& c : cases) {
        Show(full + c.offset);
        EXPECT_NEAR(Search(c.target, c.next), PhaseMomentGMT(c.lunation, c.phase), Second)
            << c.target << " " << c.offset << " " << c.next;
    }
    // Just after a last quarter the next quarter is the next dark moon.
    Show(PhaseMomentGMT(k, 3) + 60 * Second);
    EXPECT_NEAR(Search(TargetLunarQuarter, true), PhaseMomentGMT(k + 1, 0), Second);
    EXPECT_EQ(autoLogs.back(), 4);
}

// --- Solar events ------------------------------------------------------------------

// The solar term of the true-sun service within two days of a CE date, as an AJD.
double TermNear(int32_t year, int32_t month, int32_t day) {
    const CalendarSettings s;
    const int32_t d = GregorianDayNumber(year, month, day);
    const SolarTerms terms = ComputeSolarTerms(d + 0.5, TrueSunMethod, s);
    for (double t : terms.TermMoments)
        if (std::abs(t - d) < 2.0) return FromReferenceCJD(t, s.referenceLongitude);
    return 0.0;
}

TEST_F(EventSearchTest, SolarEventsAgreeWithTheSolarTermService) {
    struct Case {
        int target;
        bool next;
        int32_t year, month, day;  // the date of the event
    };
    const Case cases[] = {
        {TargetWinterSolstice, true, 2023, 12, 22},   {TargetWinterSolstice, false, 2022, 12, 22},
        {TargetVernalEquinox, true, 2024, 3, 20},     {TargetVernalEquinox, false, 2023, 3, 21},
        {TargetSummerSolstice, true, 2023, 6, 21},    {TargetAutumnalEquinox, false, 2022, 9, 23},
        {TargetSolsticeOrEquinox, true, 2023, 6, 21}, {TargetSolsticeOrEquinox, false, 2023, 3, 21},
        {TargetSolarTerm, true, 2023, 6, 6},          {TargetSolarTerm, false, 2023, 5, 21},
    };
    for (const Case& c : cases) {
        Show(GregorianDayNumber(2023, 6, 1));
        EXPECT_NEAR(Search(c.target, c.next), TermNear(c.year, c.month, c.day), Second) << c.target << c.next;
        EXPECT_NE(model->lblChineseSolarDate[1].caption.find("-01 CHS ("), std::string::npos) << c.target;
    }
    // One second before a solstice the next one is that solstice.
    const double solstice = TermNear(2023, 12, 22);
    Show(solstice - Second);
    EXPECT_NEAR(Search(TargetWinterSolstice, true), solstice, Second);
}

// --- Coincidences of a term and a phase ----------------------------------------------------

TEST_F(EventSearchTest, CoincidencesAreAPhaseOnTheFirstDayOfATerm) {
    struct Case {
        int target;
        int16_t phase;
        std::string_view termCodes;  // codes allowed on the day found; empty: any
    };
    const Case cases[] = {
        {TargetTermDarkMoon, 0, ""}, {TargetTermFullMoon, 2, ""}, {TargetWinterSolsticeDarkMoon, 0, "(Z11)"},
        {TargetSolsticeEquinoxDarkMoon, 0, "(Z11)(Z2)(Z5)(Z8)"}, {TargetSolsticeEquinoxFullMoon, 2, "(Z11)(Z2)(Z5)(Z8)"},
    };
    for (const Case& c : cases) {
        for (bool next : {true, false}) {
            Show(GregorianDayNumber(2000, 1, 1));
            const double t = Search(c.target, next);
            ASSERT_TRUE(port.messages.empty()) << port.messages[0].text;
            EXPECT_NEAR(t, PhaseMomentGMT(LunationAt(t + Second), c.phase), Second) << c.target;
            EXPECT_EQ(next, t > Y2000Noon - 0.5);
            const std::string solar = model->lblChineseSolarDate[1].caption;
            const size_t open = solar.find('(');
            ASSERT_NE(open, std::string::npos) << solar;
            const std::string code = solar.substr(open, solar.find(')') - open + 1);
            EXPECT_TRUE(c.termCodes.empty() || c.termCodes.find(code) != std::string_view::npos) << solar;
        }
    }
}

// --- Calendrical targets and failures ---------------------------------------------------

// tests/data/event_searches.txt: searches from a converted date (and a date
// typed after it), with the lunar and CE values and the messages after each.
TEST_F(EventSearchTest, CalendricalTargetsAndFailures) {
    const auto reader = model->parseChl;
    const auto search = [&](const std::vector<std::string>& a) {
        Convert(a[0]);
        model->SetDateText(a.size() > 5 ? a[5] : "");
        const double before = model->state.CurrentAJD;
        const int target = int(std::find(TargetItems.begin(), TargetItems.end(), a[1]) - TargetItems.begin());
        Search(target, a[2] == "next", std::stoi(a[3]), std::stoi(a[4]));
        model->parseChl = reader;
        EXPECT_FALSE(model->lblSearching.visible);
        std::string shown = "calendar " + std::to_string(model->state.InputCalendar) + " | " + Lunar() + " | " +
                            model->lblCommonEraDate[1].caption;
        for (const RecordedMessage& m : port.messages) shown += " | " + m.title + ": " + m.text;
        if (!port.messages.empty()) {
            EXPECT_EQ(model->state.CurrentAJD, before) << a[0];
        }
        return shown;
    };
    testing::ExpectCaseTable("event_searches.txt",
        {{"Search", search},
         {"Festival", [&](const std::vector<std::string>& a) {
              model->cboFestival.listIndex = std::stoi(a[2]);
              return search({a[0], "Festival", a[1], "5", "12"}) + " | " + model->lblFestivals[1].caption;
          }},
         {"Unreadable", [&](const std::vector<std::string>& a) {
              model->parseChl = [](std::string_view, ChlDate&) { return false; };
              return search(a);
          }}});
}

TEST_F(EventSearchTest, ElementAnimalDaysAndTheTripleCoincidence) {
    const int monkey = 8;
    for (bool next : {true, false}) {
        Show(Y2000Noon);
        const double found = Search(TargetElementAnimalDay, next, BlankElementIndex, monkey);
        EXPECT_LE(std::abs(found - Y2000Noon), 12.0);
        EXPECT_GE(std::abs(found - Y2000Noon), 1.0);
        EXPECT_NE(model->lblElementAnimalOfDay[1].caption.find("-monkey day"), std::string::npos);
        Show(Y2000Noon);
        Search(TargetTripleCoincidence, next);
        const std::string day = model->lblElementAnimalOfDay[1].caption;
        const std::string ea = day.substr(0, day.find(' '));
        EXPECT_EQ(model->lblElementAnimalOfMonth[1].caption, ea + " month");
        EXPECT_EQ(model->lblElementAnimalOfYear[1].caption, ea + " year");
    }
}

// Search goes on from the moment it reached: the text converted last, or a
// date typed and not converted, is taken once and the boxes emptied.
TEST_F(EventSearchTest, RepeatedSearchesWalkFromEventToEvent) {
    Convert("2024-01-25 CE");  // its text stays in the Date box
    const double full = PhaseMomentGMT(LunationAt(Search(TargetFullMoon, true)), 2);
    EXPECT_NEAR(model->state.CurrentAJD, full, Second);
    EXPECT_TRUE(model->txbDate.text.empty() && model->txbTime.text.empty());
    EXPECT_NEAR(Search(TargetFullMoon, true), PhaseMomentGMT(LunationAt(full) + 1, 2), Second);
    EXPECT_NEAR(Search(TargetFullMoon, false), full, Second);
    EXPECT_NEAR(Search(TargetDarkMoon, true), PhaseMomentGMT(LunationAt(full) + 1, 0), Second);
}

}  // namespace
}  // namespace orbel
