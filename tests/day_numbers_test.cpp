// Day numbers, reference meridians and the system clock (the texts of days
// and times are in date_text_test.cpp).
#include <gtest/gtest.h>

#include "tests/scoped_time_zone.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "dates/day_numbers.h"
#include "services/calendar_settings.h"

using namespace orbel;

namespace {

// AJD of a GMT moment given as a JDN and a clock time.
double Ajd(int32_t jdn, int h, int m, int s) { return jdn - 0.5 + (h * 3600 + m * 60 + s) / 86400.0; }

constexpr int32_t kJdn20011231 = 2452275;

}  // namespace

TEST(DayNumbers, ReferenceMeridianOfChina) {
    const double cjdc = ToReferenceCJD(2451545.0, 120);  // 2000-01-01 12:00 GMT
    EXPECT_NEAR(cjdc, 2451545.0 + 5.0 / 6.0, 1e-9);
    EXPECT_EQ(std::floor(cjdc), 2451545.0);
    EXPECT_EQ(BeijingTime(cjdc, "CCT"), "20:00 CCT");
    EXPECT_EQ(BeijingTime(ToReferenceCJD(2451545.0, 105), "ICT"), "19:00 ICT");
    EXPECT_EQ(BeijingTime(ToReferenceCJD(2451545.0, 135), "JST"), "21:00 JST");
    EXPECT_NEAR(FromReferenceCJD(cjdc, 120), 2451545.0, 1e-9);
    EXPECT_EQ(AJDToCJDL(2451545.0), 2451545.5);
    EXPECT_EQ(CJDLToAJD(AJDToCJDL(2451545.25)), 2451545.25);
}

TEST(DayNumbers, JDNToEuroDatesTruncatesAndFillsBoth) {
    EuroDate ce, jc;
    JDNToEuroDates(2299160.99, ce, jc);  // the day before the Gregorian reform
    const auto show = [](const EuroDate& d) {
        return std::string(1, char(d.letter)) + " " + std::to_string(d.jdn) + " " + std::to_string(d.year) + "-" +
               std::to_string(d.month) + "-" + std::to_string(d.day);
    };
    EXPECT_EQ(show(ce), "G 2299160 1582-10-14");
    EXPECT_EQ(show(jc), "J 2299160 1582-10-4");
    JDNToEuroDates(625333.7, ce, jc);
    EXPECT_EQ(show(ce), "G 625333 -3000-1-1");
    JDNToEuroDates(-0.9, ce, jc);  // toward zero: JDN 0, not -1
    EXPECT_EQ(show(jc), "J 0 -4712-1-1");

    EuroDate back = ce;
    back.jdn = 0;
    EXPECT_EQ(EuroDateToJDN(back), 0);
}

TEST(DayNumbers, TimeZoneMinutesRoundsHalvesToEven) {
    // Seconds west of Greenwich to minutes east; halves go to the even minute.
    const std::pair<int32_t, int> cases[] = {{-28800, 480}, {-19800, 330}, {18000, -300}, {0, 0}, {-30, 0}, {-90, 2},
                                          {-150, 2},     {30, 0},       {90, -2},      {-31, 1}, {-29, 0}, {29, 0},
                                          {31, -1}};
    for (const auto& [seconds, minutes] : cases) EXPECT_EQ(TimeZoneMinutesFromSeconds(seconds), minutes) << seconds;
    {
        ScopedTimeZone tz("CST-8");
        EXPECT_EQ(TimeZoneMinutes(), 480);
    }
    {
        ScopedTimeZone tz("NST3:30");  // Newfoundland standard time
        EXPECT_EQ(TimeZoneMinutes(), -210);
    }
}

TEST(DayNumbers, SystemDateTextsInBothOrders) {
    EXPECT_EQ(JDNFromDateText("12-31-2001"), kJdn20011231);
    EXPECT_EQ(JDNFromDateText("2001-12-31"), kJdn20011231);
    EXPECT_EQ(JDNFromDateText("12/31/2001"), kJdn20011231);
    EXPECT_EQ(JDNFromDateText("12.31.2001"), kJdn20011231);
    EXPECT_EQ(JDNFromDateText("2001/12/31"), kJdn20011231);
    EXPECT_EQ(JDNFromDateText("2001.12.31"), kJdn20011231);
    EXPECT_EQ(JDNFromDateText("01-02-2003"), JDNFromDateText("2003-01-02"));  // month first, not day
    EXPECT_EQ(JDNFromDateText("2000-01-01"), 2451545);
    EXPECT_EQ(JDNFromDateText("2000-02-29") + 1, JDNFromDateText("03-01-2000"));
    // Short or empty texts give some number, never a fault.
    JDNFromDateText("");
    JDNFromDateText("1");
    JDNFromDateText("12-");
}

TEST(DayNumbers, SystemTimeTextsOnBothClocks) {
    // 2001-12-31 14:05:09 at GMT + 8 is 06:05:09 GMT.
    const double expected = Ajd(kJdn20011231, 6, 5, 9);
    for (const char* date : {"2001-12-31", "12-31-2001", "12/31/2001", "2001.12.31"}) {
        for (const char* time : {"14:05:09", "2:05:09 PM", "PM 2:05:09", "02:05:09 PM", "2:05:09 pm"}) {
            EXPECT_NEAR(NowAJDFromTexts(date, time, 480), expected, 1e-9) << date << " " << time;
        }
    }
    const auto at = [](const char* time) { return NowAJDFromTexts("2001-12-31", time, 0); };
    EXPECT_NEAR(at("12:00:00 AM"), Ajd(kJdn20011231, 0, 0, 0), 1e-9);   // midnight
    EXPECT_NEAR(at("AM 12:30:15"), Ajd(kJdn20011231, 0, 30, 15), 1e-9);
    EXPECT_NEAR(at("12:00:00 PM"), Ajd(kJdn20011231, 12, 0, 0), 1e-9);  // noon
    EXPECT_NEAR(at("PM 12:59:59"), Ajd(kJdn20011231, 12, 59, 59), 1e-9);
    EXPECT_NEAR(at("1:00:00 AM"), Ajd(kJdn20011231, 1, 0, 0), 1e-9);
    EXPECT_NEAR(at("11:59:59 PM"), Ajd(kJdn20011231, 23, 59, 59), 1e-9);
    EXPECT_NEAR(at("00:00:00"), Ajd(kJdn20011231, 0, 0, 0), 1e-9);
    EXPECT_NEAR(at("23:59:59"), Ajd(kJdn20011231, 23, 59, 59), 1e-9);
    // West of Greenwich the GMT moment is later: 20:00 at GMT - 5 is 01:00 the next day.
    EXPECT_NEAR(NowAJDFromTexts("2001-12-31", "20:00:00", -300), Ajd(kJdn20011231 + 1, 1, 0, 0), 1e-9);
    // Malformed texts give some number, never a fault.
    at("");
    at("M");
    at("PM");
    at("12");
}

TEST(DayNumbers, NowAgreesWithTheSystemClockInEveryZone) {
    for (const char* zone : {"UTC0", "CST-8", "EST5", "NST3:30", "LHST-10:30", "<+14>-14", "<-12>12"}) {
        ScopedTimeZone tz(zone);
        const double before = std::time(nullptr) / 86400.0 + 2440587.5;
        const double now = NowAJD();
        const double after = std::time(nullptr) / 86400.0 + 2440587.5;
        EXPECT_GE(now, before - 1e-9) << zone;
        EXPECT_LE(now, after + 1e-9) << zone;

        // Today's JDN is that of the local civil day.
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        const int32_t today = TodayJDN();
        const int64_t localSeconds = static_cast<int64_t>(t) + local.tm_gmtoff;
        const int32_t expected = static_cast<int32_t>(2440588 + (localSeconds - ((localSeconds % 86400) + 86400) % 86400) / 86400);
        EXPECT_LE(std::abs(today - expected), 1) << zone;  // may straddle midnight
        EXPECT_EQ(std::floor(ToReferenceCJD(now, 0) + TimeZoneMinutes() / 1440.0), static_cast<double>(today))
            << zone;
    }
}
