// Day numbers, days of the week, reference meridians and the system clock
// (the texts of days and times are in date_text_test.cpp); the cases are in
// tests/data/day_number_cases.txt.
#include <gtest/gtest.h>

#include "tests/scoped_time_zone.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "dates/day_numbers.h"
#include "services/calendar_conversion.h"
#include "services/calendar_settings.h"
#include "tests/golden.h"

using namespace orbel;

TEST(DayNumbers, Cases) {
    using Args = const std::vector<std::string>&;
    const auto show = [](const EuroDate& d) {
        return std::string(1, char(d.letter)) + " " + std::to_string(d.jdn) + " " + std::to_string(d.year) + "-" +
               std::to_string(d.month) + "-" + std::to_string(d.day);
    };
    orbel::testing::ExpectCaseTable(
        "day_number_cases.txt",
        {{"JDNFromDateText", [](Args a) { return std::to_string(JDNFromDateText(a[0])); }},
         {"NowAJDFromTexts",
          [](Args a) {
              const double cjd = NowAJDFromTexts(a[0], a[1], std::stoi(a[2])) + 0.5;
              const auto seconds = static_cast<int>(std::lround((cjd - std::floor(cjd)) * 86400.0));
              char text[32];
              std::snprintf(text, sizeof text, "%.0f %02d:%02d:%02d", std::floor(cjd), seconds / 3600,
                            seconds / 60 % 60, seconds % 60);
              return std::string(text);
          }},
         {"TimeZoneMinutesFromSeconds", [](Args a) { return std::to_string(TimeZoneMinutesFromSeconds(std::stoi(a[0]))); }},
         {"JDNToEuroDates",
          [&](Args a) {
              EuroDate ce, jc;
              JDNToEuroDates(std::stod(a[0]), ce, jc);
              return show(ce) + " | " + show(jc);
          }},
         {"EuroDateToJDN",
          [](Args a) {
              EuroDate date = MakeEuroDate(std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]), a[3][0]);
              const int32_t jdn = euro_date_to_jdn(&date);
              return std::to_string(jdn) + (date.jdn == jdn ? "" : " not stored");
          }},
         {"DayOfWeek", [](Args a) { return std::to_string(euro_day_of_week(std::stoi(a[0]))); }},
         {"BeijingTime", [](Args a) {
              return BeijingTime(ToReferenceCJD(std::stod(a[0]), int16_t(std::stoi(a[1]))), a[2]);
          }}});
}

TEST(DayNumbers, NowAgreesWithTheSystemClockInEveryZone) {
    for (const char* zone : {"UTC0", "CST-8", "EST5", "NST3:30", "LHST-10:30", "<+14>-14", "<-12>12"}) {
        ScopedTimeZone tz(zone);
        const double before = std::time(nullptr) / 86400.0 + 2440587.5;
        const double now = NowAJD();
        const double after = std::time(nullptr) / 86400.0 + 2440587.5;
        EXPECT_GE(now, before - 1e-9) << zone;
        EXPECT_LE(now, after + 1e-9) << zone;

        // The zone's offset is that of the system, and today's JDN that of
        // the local civil day of the moment.
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        EXPECT_EQ(TimeZoneMinutes(), local.tm_gmtoff / 60) << zone;
        EXPECT_EQ(std::floor(ToReferenceCJD(now, 0) + TimeZoneMinutes() / 1440.0), static_cast<double>(TodayJDN()))
            << zone;
    }
}
