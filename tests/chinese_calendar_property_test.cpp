// Every day of the supported range converted to CHL and CHS and back, with the
// shape of the calendar checked along the way: months of 29 or 30 days, suis
// and nian of 12 or 13 months, solar terms of 14 to 16 days.
#include <gtest/gtest.h>

#include "services/calendar_conversion.h"

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "dates/day_numbers.h"
#include "engine/chinese_calendar.h"

namespace {

// Walks days first..last and returns a description of the first fault found,
// or the empty text. Lengths are checked only for months, terms and years
// that begin and end inside the walk.
std::string WalkDays(int32_t first, int32_t last, const orbel::CalendarSettings& settings) {
    std::ostringstream fault;
    orbel::ChlDate prevChl;
    orbel::ChsDate prevChs;
    int32_t monthStart = 0, termStart = 0;  // first days seen, 0 before any
    int monthsInNian = -1, monthsInSui = -1;  // -1 until the first boundary
    for (int32_t d = first; d <= last; ++d) {
        orbel::ChsDate chs;
        orbel::ChlDate chl;
        orbel::CJDateToChDates(d + 0.5, settings.epoch, chs, chl, settings);

        orbel::ChlDate lunar = chl;
        const int16_t status = orbel::ChLDateToJDN(lunar, settings);
        if (status != 0 || lunar.jdn != d) {
            fault << "day " << d << ": CHL " << chl.cycle << "-" << chl.position << "-"
                  << orbel::MonthLabel(chl.month, chl.leap == 1) << "-" << chl.day << " gives status " << status
                  << ", day " << lunar.jdn;
            return fault.str();
        }
        orbel::ChsDate solar = chs;
        if (!orbel::ChSDateToJDN(solar, settings) || solar.jdn != d) {
            fault << "day " << d << ": CHS " << chs.cycle << "-" << chs.position << "-" << chs.term << "-" << chs.day
                  << " gives day " << solar.jdn << " valid " << solar.valid;
            return fault.str();
        }

        if (d > first) {
            // Within a month or term the day counts up by one; at a boundary
            // the previous one ended after 29-30 (14-16) days.
            if (chl.day != 1 && (chl.day != prevChl.day + 1 || chl.month != prevChl.month || chl.leap != prevChl.leap)) {
                fault << "day " << d << ": lunar day " << chl.day << " follows " << prevChl.day;
                return fault.str();
            }
            if (chl.day == 1) {
                if (monthStart != 0 && prevChl.day != 29 && prevChl.day != 30) {
                    fault << "day " << d << ": lunar month of " << prevChl.day << " days";
                    return fault.str();
                }
                monthStart = d;
                const bool newNian = chl.month == 1 && chl.leap == 0;
                const bool newSui = chl.month == 11 && chl.leap == 0;
                if (newNian) {
                    const bool nextPosition = chl.position == prevChl.position % 60 + 1;
                    if (!nextPosition || (monthsInNian != -1 && monthsInNian != 12 && monthsInNian != 13)) {
                        fault << "day " << d << ": new year after " << monthsInNian << " months, position "
                              << chl.position << " after " << prevChl.position;
                        return fault.str();
                    }
                    monthsInNian = 0;
                }
                if (newSui) {
                    if (monthsInSui != -1 && monthsInSui != 12 && monthsInSui != 13) {
                        fault << "day " << d << ": sui of " << monthsInSui << " months";
                        return fault.str();
                    }
                    monthsInSui = 0;
                }
                if (monthsInNian >= 0) ++monthsInNian;
                if (monthsInSui >= 0) ++monthsInSui;
            } else if (chl.cycle != prevChl.cycle || chl.position != prevChl.position) {
                fault << "day " << d << ": the year changes inside a month";
                return fault.str();
            }
            if (chs.day != 1 && (chs.day != prevChs.day + 1 || chs.term != prevChs.term)) {
                fault << "day " << d << ": solar day " << chs.day << " follows " << prevChs.day;
                return fault.str();
            }
            if (chs.day == 1) {
                if (chs.term != prevChs.term % 24 + 1 ||
                    (termStart != 0 && (prevChs.day < 14 || prevChs.day > 16))) {
                    fault << "day " << d << ": term " << chs.term << " after term " << prevChs.term << " of "
                          << prevChs.day << " days";
                    return fault.str();
                }
                const bool newSolarYear = chs.term == 1;
                if (newSolarYear != (chs.position != prevChs.position)) {
                    fault << "day " << d << ": solar year changes off the winter solstice";
                    return fault.str();
                }
                termStart = d;
            }
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
