// The lunar calendar at 120 degrees East against the published calendar of
// China for the lunar years 1901 to 2100 (tests/data, see the script there
// for its source): the first day of every month, and so every new year, every
// month length and every leap month.
#include <gtest/gtest.h>

#include "services/calendar_conversion.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dates/day_numbers.h"
#include "tests/golden.h"
#include "engine/chinese_calendar.h"

namespace {

struct ReferenceYear {
    int year = 0;
    int32_t firstDay = 0;
    int leapMonth = 0;
    std::vector<int> lengths;
};

std::vector<ReferenceYear> ReadReference() {
    const auto path = orbel::testing::GoldenPath("chinese_reference_1901_2100.txt");
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot open " << path;
    std::vector<ReferenceYear> years;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ReferenceYear r;
        int y = 0, m = 0, d = 0;
        char dash = 0;
        fields >> r.year >> y >> dash >> m >> dash >> d >> r.leapMonth;
        r.firstDay = orbel::GregorianDayNumber(y, m, d);
        for (int n; fields >> n;) r.lengths.push_back(n);
        years.push_back(r);
    }
    return years;
}

// Months whose first day differs from the reference by one day because the
// dark moon that begins the month falls within minutes of midnight at 120
// degrees East. Before 1929 the calendar was reckoned at the meridian of
// Beijing (116 deg 25' E), where midnight comes 14.3 minutes later than at 120
// degrees, so a dark moon up to that long after midnight at 120 degrees still
// fell on the day before; the 1933 month follows the almanac of its time; the
// month of 2097 hangs on the predicted delta T (18 s before midnight here).
struct DocumentedDifference {
    int lunarYear;
    int month;
    bool leap;
    double toleranceMinutes;  // how close to midnight at 120 E the dark moon must be
};

const std::vector<DocumentedDifference> DocumentedDifferences = {
    {1914, 10, false, 14.3},  // dark moon 1914-11-18 00:01.7 at 120 E
    {1916, 1, false, 14.3},   // dark moon 1916-02-04 00:05.2
    {1920, 10, false, 14.3},  // dark moon 1920-11-11 00:04.8
    {1933, 6, false, 3.5},    // dark moon 1933-07-23 00:03.1
    {2097, 7, false, 1.0},    // dark moon 2097-08-07 23:59.7
};

// Minutes from the nearest midnight at the reference meridian to the dark
// moon that begins day `firstDay`: positive after midnight, negative before.
double DarkMoonMinutesFromMidnight(int32_t firstDay, const orbel::CalendarSettings& settings) {
    const orbel::YearData yd = orbel::ComputeYearData(firstDay + 0.5, settings);
    for (int m = 0; m < yd.DarkMoonCount; ++m)
        if (yd.DarkMoonDays[m] == firstDay)
            return (yd.DarkMoonMoments[m] - std::round(yd.DarkMoonMoments[m])) * 1440.0;
    return 1e9;
}

using Differences = std::map<std::tuple<int, int, bool>, std::pair<int32_t, int32_t>>;

// The months of the lunar years up to `lastYear` whose first day differs:
// month -> (reference first day, our first day or status).
Differences MonthDifferences(const std::vector<ReferenceYear>& years, int lastYear,
                             const orbel::CalendarSettings& settings) {
    Differences differences;
    for (const ReferenceYear& r : years) {
        if (r.year > lastYear) break;
        int32_t referenceStart = r.firstDay;
        std::size_t index = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int leap = 0; leap <= 1; ++leap) {
                const bool isLeap = leap == 1;
                orbel::ChlDate chl;
                chl.cycle = orbel::CycleOfYear(r.year, settings.epoch);
                chl.position = orbel::PositionOfYear(r.year);
                chl.month = month;
                chl.leap = leap;
                chl.day = 1;
                const int16_t status = orbel::ChLDateToJDN(chl, settings);
                if (isLeap && month != r.leapMonth) {
                    // The reference has no such leap month; we should agree.
                    if (status != -5) differences[{r.year, month, true}] = {0, status == 0 ? chl.jdn : status};
                    continue;
                }
                EXPECT_LT(index, r.lengths.size());
                if (status != 0 || chl.jdn != referenceStart)
                    differences[{r.year, month, isLeap}] = {referenceStart, status == 0 ? chl.jdn : status};
                if (index < r.lengths.size()) referenceStart += r.lengths[index++];
            }
        }
        EXPECT_EQ(index, r.lengths.size()) << r.year;
        // The next year's new year follows the last month of this one.
        if (r.year < 2100) {
            EXPECT_EQ(referenceStart, years[static_cast<std::size_t>(r.year - 1900)].firstDay) << r.year;
        }
    }
    return differences;
}

}  // namespace

TEST(ChineseCalendarReference, MonthStartsAndLeapMonths1901To2100At120East) {
    const orbel::CalendarSettings china;  // 120 degrees East, epoch -2696
    const std::vector<ReferenceYear> years = ReadReference();
    ASSERT_EQ(years.size(), 200u);
    const Differences differences = MonthDifferences(years, 2100, china);

    for (const auto& [key, days] : differences) {
        const auto& [year, month, leap] = key;
        const DocumentedDifference* documented = nullptr;
        for (const DocumentedDifference& d : DocumentedDifferences)
            if (d.lunarYear == year && d.month == month && d.leap == leap) documented = &d;
        const std::string name = std::to_string(year) + " month " + orbel::MonthLabel(month, leap);
        if (!documented) {
            ADD_FAILURE() << "lunar year " << name << " differs from the reference: first day JDN " << days.first
                          << " there, " << days.second << " here";
            continue;
        }
        // The month must exist in both, one day apart, with the dark moon
        // between the two midnights and close to the one at 120 E.
        ASSERT_GT(days.first, 0) << name;
        ASSERT_GT(days.second, 0) << name;
        const double minutes = DarkMoonMinutesFromMidnight(days.second, china);
        EXPECT_LE(std::fabs(minutes), documented->toleranceMinutes) << name;
        EXPECT_EQ(days.first, minutes >= 0 ? days.second - 1 : days.second + 1) << name;
    }
    for (const DocumentedDifference& d : DocumentedDifferences)
        EXPECT_TRUE(differences.count({d.lunarYear, d.month, d.leap})) << "no longer differs: " << d.lunarYear;
}

// The calendar as observed reckons 1912 to 1928 on the Beijing meridian and
// takes 1901 to 1911 from the Qing calendar: no month differs.
TEST(ChineseCalendarReference, AsObservedEveryMonth1901To1928) {
    const std::vector<ReferenceYear> years = ReadReference();
    const Differences differences = MonthDifferences(years, 1928, orbel::CalendarSettings{.asObserved = true});
    for (const auto& [key, days] : differences)
        ADD_FAILURE() << "lunar year " << std::get<0>(key) << " month " << std::get<1>(key) << ": first day JDN "
                      << days.first << " there, " << days.second << " here";
}
