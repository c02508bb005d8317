// The lunar and solar calendars on real dates: conversions both ways, status
// codes, epochs, reference longitudes and the memo's neutrality.
#include <gtest/gtest.h>

#include "services/calendar_conversion.h"

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/quenta_module.h"
#include "tests/golden.h"

namespace {

orbel::ChlDate Lunar(int year, int month, bool leap, int day, const orbel::CalendarSettings& s) {
    orbel::ChlDate r;
    r.cycle = orbel::CycleOfYear(year, s.epoch);
    r.position = orbel::PositionOfYear(year);
    r.month = month;
    r.leap = leap ? 1 : 0;
    r.day = day;
    return r;
}

orbel::ChsDate Solar(int year, int term, int day, const orbel::CalendarSettings& s) {
    orbel::ChsDate r;
    r.cycle = orbel::CycleOfYear(year, s.epoch);
    r.position = orbel::PositionOfYear(year);
    r.term = term;
    r.day = day;
    return r;
}

const orbel::CalendarSettings China;

}  // namespace

TEST(ChineseCalendar, Cases) {
    using Args = const std::vector<std::string>&;
    const auto ce = [](int32_t jdn) {
        orbel::EuroDate date, julian;
        orbel::JDNToEuroDates(jdn, date, julian);
        return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
    };
    orbel::testing::ExpectCaseTable(
        "chinese_calendar_cases.txt",
        {{"ChDates",
          [&](Args a) {
              const int32_t jdn = orbel::GregorianDayNumber(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]));
              orbel::ChsDate chs;
              orbel::ChlDate chl;
              const int16_t epoch = a.size() > 4 ? int16_t(std::stoi(a[4])) : int16_t(-2696);
              orbel::CJDateToChDates(jdn + std::stod(a[3]), epoch, chs, chl, China);
              return orbel::ChlDateShortStr(chl, 0, "CHL", China, orbel::CountryChina) + " | " +
                     orbel::ChsDateShortStr(chs, false) + (chl.jdn == jdn && chs.jdn == jdn ? "" : " jdn not set") +
                     (chl.epoch == epoch ? "" : " epoch not set");
          }},
         {"ChLDateToJDN",
          [&](Args a) {
              orbel::ChlDate r = Lunar(std::stoi(a[0]), std::stoi(a[1]), false, std::stoi(a[3]), China);
              r.leap = std::stoi(a[2]);
              if (a.size() > 4) r.position = std::stoi(a[4]);
              const int16_t status = orbel::ChLDateToJDN(r, China);
              return std::to_string(status) + ", " + (r.valid == 1 ? ce(r.jdn) : "invalid");
          }},
         {"LunarMonthLength",
          [&](Args a) {
              orbel::ChlDate r = Lunar(std::stoi(a[0]), std::stoi(a[1]), a[2] == "1", std::stoi(a[3]), China);
              const int16_t length = orbel::LunarMonthLength(r, China);
              return std::to_string(length) + ", day " + std::to_string(r.day);
          }},
         {"ChSDateToJDN", [&](Args a) {
              orbel::ChsDate r = Solar(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]), China);
              const bool ok = orbel::ChSDateToJDN(r, China);
              return std::string(ok && r.valid == 1 ? "valid, " : "invalid, ") + (ok ? ce(r.jdn) : "0-0-0");
          }}});
}

TEST(CJDateToChDates, SkipsTheSolarDateOnRequest) {
    orbel::ChsDate chs;
    chs.valid = orbel::ChsSkipSolarDate;
    chs.term = 77;
    orbel::ChlDate chl;
    orbel::CJDateToChDates(orbel::GregorianDayNumber(2012, 5, 1) + 0.5, -2696, chs, chl, China);
    EXPECT_EQ(chs.valid, 0);
    EXPECT_EQ(chs.term, 77);
    EXPECT_EQ(chl.month, 4);  // 2012-05-01 is in the (ordinary) fourth month
}

TEST(ChLDateToJDN, YearsFarOutsideTheRangeAreRefusedNotComputed) {
    orbel::ChlDate r = Lunar(2012, 1, false, 1, China);
    r.cycle = 1000;
    EXPECT_EQ(orbel::ChLDateToJDN(r, China), -1);
    r.cycle = -2147483647;
    EXPECT_EQ(orbel::ChLDateToJDN(r, China), -1);
    EXPECT_EQ(r.valid, 0);
    orbel::ChsDate s = Solar(2012, 1, 1, China);
    s.cycle = 2147483647;
    EXPECT_FALSE(orbel::ChSDateToJDN(s, China));
}

TEST(ChSDateToJDN, TermsOfTheSolarYear) {
    // Day 16 is valid only in a 16-day term; its jdn is set either way, 15
    // days after the first. Terms of the true Sun last 14 to 16 days, those of
    // the mean Sun 15 or 16.
    for (const orbel::CalendarSettings& s : {China, orbel::CalendarSettings{.method = orbel::MeanSunMethod}}) {
        std::set<int> lengths;
        for (int term = 1; term <= 24; ++term) {
            orbel::ChsDate first = Solar(2013, term, 1, s);
            orbel::ChsDate last = Solar(2013, term, 16, s);
            orbel::ChsDate next = Solar(term == 24 ? 2014 : 2013, term % 24 + 1, 1, s);
            ASSERT_TRUE(orbel::ChSDateToJDN(first, s));
            ASSERT_TRUE(orbel::ChSDateToJDN(next, s));
            const bool ok = orbel::ChSDateToJDN(last, s);
            EXPECT_EQ(last.jdn, first.jdn + 15) << term;
            EXPECT_EQ(ok, next.jdn - first.jdn == 16) << term;
            EXPECT_EQ(last.valid, ok ? 1 : 0) << term;
            lengths.insert(next.jdn - first.jdn);
        }
        EXPECT_EQ(lengths, (s.method == orbel::MeanSunMethod ? std::set<int>{15, 16} : std::set<int>{14, 15, 16}));
    }
}

TEST(ReferenceLongitude, ADarkMoonInTheFirstHourMovesTheMonthStart) {
    // Find dark moons in the first hour after midnight at 120 E (2000-2030):
    // at 105 E they fall on the day before, and the month begins a day early.
    const orbel::CalendarSettings vietnam{.referenceLongitude = 105};
    int found = 0;
    for (int32_t k = 0; k < 380; ++k) {
        const double t = orbel::ToReferenceCJD(orbel::PhaseMomentGMT(k, 0), 120);
        if (t - std::floor(t) >= 1.0 / 24.0) continue;
        const auto day120 = static_cast<int32_t>(std::floor(t));
        orbel::ChlDate at120, at105;
        at120.jdn = day120;
        at105.jdn = day120 - 1;
        orbel::JDNToChlDate(at120, China);
        orbel::JDNToChlDate(at105, vietnam);
        EXPECT_EQ(at120.day, 1) << k;
        EXPECT_EQ(at105.day, 1) << k;
        // The month before is one day shorter at 105 E.
        orbel::ChlDate before;
        before.jdn = day120 - 2;
        orbel::JDNToChlDate(before, China);
        orbel::ChlDate before105 = before;
        EXPECT_EQ(orbel::LunarMonthLength(before105, vietnam), orbel::LunarMonthLength(before, China) - 1) << k;
        ++found;
    }
    EXPECT_GT(found, 3);
}

TEST(YearDataMemo, ResultsDoNotDependOnWhatWasAskedBefore) {
    const double x = orbel::GregorianDayNumber(1700, 8, 8) + 0.5;
    const orbel::YearData warm = orbel::ComputeYearData(x, China);
    orbel::ClearCalendarCaches();
    const orbel::YearData cold = orbel::ComputeYearData(x, China);
    ASSERT_EQ(cold.DarkMoonCount, warm.DarkMoonCount);
    EXPECT_EQ(cold.FirstLunation, warm.FirstLunation);
    for (int m = 0; m < cold.DarkMoonCount; ++m) {
        EXPECT_EQ(cold.DarkMoonMoments[m], warm.DarkMoonMoments[m]);
        EXPECT_EQ(cold.MonthLabels[m], warm.MonthLabels[m]);
    }
    for (int i = 0; i < 79; ++i) EXPECT_EQ(cold.TermMoments[i], warm.TermMoments[i]);
}

TEST(ComputeYearData, TheFirstMonthHoldsTheFirstWinterSolstice) {
    // 2014-12-22: the winter solstice at 07:03 and the dark moon at 09:36 (120 E)
    // on the same day. The data of sui 2016 begins with that solstice, so its
    // month 0 must be the month beginning that day, not the one before.
    const orbel::YearData sui2016 = orbel::ComputeYearData(orbel::GregorianDayNumber(2016, 6, 1) + 0.5, China);
    EXPECT_EQ(sui2016.TermDays[0], orbel::GregorianDayNumber(2014, 12, 22));
    EXPECT_EQ(sui2016.DarkMoonDays[0], orbel::GregorianDayNumber(2014, 12, 22));
    EXPECT_EQ(orbel::MonthLabelStr(sui2016.MonthLabels[0]), "11");
    EXPECT_EQ(orbel::MonthLabelStr(sui2016.MonthLabels[2]), "01");
    EXPECT_EQ(sui2016.DarkMoonDays[2], orbel::GregorianDayNumber(2015, 2, 19));  // lunar new year 2015
}
