// Every day of the supported range converted to CHL and CHS and back, with the
// shape of the calendar checked along the way: months of 29 or 30 days, suis
// and nian of 12 or 13 months, solar terms of 14 to 16 days.
#include <gtest/gtest.h>

#include "services/calendar_conversion.h"

#include <string>
#include <thread>
#include <vector>

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"

namespace {

std::string Fault(int32_t day, const std::string& what) { return "day " + std::to_string(day) + ": " + what; }

// Walks days first..last and returns a description of the first fault found,
// or the empty text. Lengths are checked only for months, terms and years
// that begin and end inside the walk.
std::string WalkDays(int32_t first, int32_t last, const orbel::CalendarSettings& settings) {
    using std::to_string;
    orbel::ChlDate prevChl;
    orbel::ChsDate prevChs;
    bool monthSeen = false, termSeen = false;
    int monthsInNian = -1, monthsInSui = -1;  // -1 until the first boundary
    for (int32_t d = first; d <= last; ++d) {
        orbel::ChsDate chs;
        orbel::ChlDate chl;
        orbel::CJDateToChDates(d + 0.5, settings.epoch, chs, chl, settings);

        orbel::ChlDate lunar = chl;
        const int16_t status = orbel::ChLDateToJDN(lunar, settings);
        if (status != 0 || lunar.jdn != d) {
            return Fault(d, "CHL " + to_string(chl.cycle) + "-" + to_string(chl.position) + "-" +
                                orbel::MonthLabel(chl.month, chl.leap == 1) + "-" + to_string(chl.day) +
                                " gives status " + to_string(status) + ", day " + to_string(lunar.jdn));
        }
        orbel::ChsDate solar = chs;
        if (!orbel::ChSDateToJDN(solar, settings) || solar.jdn != d) {
            return Fault(d, "CHS " + to_string(chs.cycle) + "-" + to_string(chs.position) + "-" + to_string(chs.term) +
                                "-" + to_string(chs.day) + " gives day " + to_string(solar.jdn));
        }
        if (d == first) {
            prevChl = chl;
            prevChs = chs;
            continue;
        }
        // Within a month or term the day counts up by one; at a boundary
        // the previous one ended after 29-30 (14-16) days.
        if (chl.day != 1 && (chl.day != prevChl.day + 1 || chl.month != prevChl.month || chl.leap != prevChl.leap))
            return Fault(d, "lunar day " + to_string(chl.day) + " follows " + to_string(prevChl.day));
        if (chl.day == 1) {
            if (monthSeen && prevChl.day != 29 && prevChl.day != 30)
                return Fault(d, "lunar month of " + to_string(prevChl.day) + " days");
            monthSeen = true;
            if (chl.month == 1 && chl.leap == 0) {
                if (chl.position != prevChl.position % 60 + 1 ||
                    (monthsInNian != -1 && monthsInNian != 12 && monthsInNian != 13))
                    return Fault(d, "new year after " + to_string(monthsInNian) + " months, position " +
                                        to_string(chl.position) + " after " + to_string(prevChl.position));
                monthsInNian = 0;
            }
            if (chl.month == 11 && chl.leap == 0) {
                if (monthsInSui != -1 && monthsInSui != 12 && monthsInSui != 13)
                    return Fault(d, "sui of " + to_string(monthsInSui) + " months");
                monthsInSui = 0;
            }
            if (monthsInNian >= 0) ++monthsInNian;
            if (monthsInSui >= 0) ++monthsInSui;
        } else if (chl.cycle != prevChl.cycle || chl.position != prevChl.position) {
            return Fault(d, "the year changes inside a month");
        }
        if (chs.day != 1 && (chs.day != prevChs.day + 1 || chs.term != prevChs.term))
            return Fault(d, "solar day " + to_string(chs.day) + " follows " + to_string(prevChs.day));
        if (chs.day == 1) {
            if (chs.term != prevChs.term % 24 + 1 || (termSeen && (prevChs.day < 14 || prevChs.day > 16)))
                return Fault(d, "term " + to_string(chs.term) + " after term " + to_string(prevChs.term) + " of " +
                                    to_string(prevChs.day) + " days");
            if ((chs.term == 1) != (chs.position != prevChs.position))
                return Fault(d, "solar year changes off the winter solstice");
            termSeen = true;
        }
        prevChl = chl;
        prevChs = chs;
    }
    return {};
}

// The range split between two threads; the caches are shared by both.
void WalkInParallel(int32_t first, int32_t last, const orbel::CalendarSettings& settings) {
    const int32_t middle = first + (last - first) / 2;
    std::string faults[2];
    std::thread other([&] { faults[1] = WalkDays(middle + 1, last, settings); });
    faults[0] = WalkDays(first, middle, settings);
    other.join();
    EXPECT_EQ(faults[0], "");
    EXPECT_EQ(faults[1], "");
}

}  // namespace

TEST(ChineseCalendarProperty, EveryDayRoundTripsAt120East) {
    WalkInParallel(orbel::MinJDN, orbel::MaxJDN, orbel::CalendarSettings{});
}

TEST(ChineseCalendarProperty, RoundTripsAt105And135East) {
    orbel::CalendarSettings vietnam;
    vietnam.referenceLongitude = 105;
    WalkInParallel(orbel::GregorianDayNumber(-1000, 1, 1), orbel::GregorianDayNumber(1000, 1, 1), vietnam);
    orbel::CalendarSettings japan;
    japan.referenceLongitude = 135;
    japan.epoch = -2636;
    WalkInParallel(orbel::GregorianDayNumber(1000, 1, 1), orbel::GregorianDayNumber(3000, 1, 1), japan);
}

// China's calendar as observed, across the Qing table and the Beijing meridian
// and into today's rule on both sides.
TEST(ChineseCalendarProperty, RoundTripsAsObserved) {
    WalkInParallel(orbel::GregorianDayNumber(1600, 1, 1), orbel::GregorianDayNumber(1960, 1, 1),
                   orbel::CalendarSettings{.asObserved = true});
}
