#include <gtest/gtest.h>

#include "services/calendar_conversion.h"

#include <cmath>

#include "dates/day_numbers.h"
#include "engine/sol_eq.h"
#include "services/astronomy.h"

TEST(QuarterPoints, MeeusWorkedExampleAndTheSeamAtYear1000) {
    // J. Meeus, Astronomical Algorithms, example 27.a: the June solstice of
    // 1962 at JDE 2437837.39245 (21:25:08 TD), from the mean JDE0 2437837.38589.
    EXPECT_NEAR(orbel::EquinoxSolsticeTDT(1, 1962), 2437837.39245, 2e-5);
    // Both series describe the quarter points of years 999 and 1000 alike.
    for (int16_t kind = 0; kind < 4; ++kind)
        EXPECT_NEAR(orbel::EquinoxSolsticeTDT(kind, 1000) - orbel::EquinoxSolsticeTDT(kind, 999), 365.2422, 0.02);
    // The December solstice of 2012: 2012-12-21 11:12 GMT.
    EXPECT_NEAR(orbel::DecemberSolstice(2012), orbel::GregorianDayNumber(2012, 12, 21) - 0.5 + 11.2 / 24.0, 2.0 / 1440.0);
}

TEST(SuiOfDay, TheSolsticeDayBeginsTheNextSui) {
    for (int16_t longitude : {105, 120, 135}) {
        const orbel::CalendarSettings s{.referenceLongitude = longitude};
        for (int32_t year : {-2999, -1234, 0, 1999, 2012, 2999}) {
            const double ds = orbel::ToReferenceCJD(orbel::DecemberSolstice(year), longitude);
            const double day = std::floor(ds);
            EXPECT_EQ(orbel::SuiOfDay(day + 0.01, s), year + 1) << year;
            EXPECT_EQ(orbel::SuiOfDay(day - 0.99, s), year) << year;
            EXPECT_EQ(orbel::SuiOfDay(day - 200.0, s), year) << year;
        }
    }
}

TEST(ComputeSolarTerms, TrueSunTermsAreWhereTheSunReachesTheirLongitude) {
    for (int16_t longitude : {105, 120, 135}) {
        const orbel::CalendarSettings s{.referenceLongitude = longitude};
        for (int32_t year : {-2999, -1500, 700, 1950, 2024, 2998}) {
            const orbel::SolarTerms st = orbel::ComputeSolarTerms(orbel::GregorianDayNumber(year, 6, 1) + 0.5, orbel::TrueSunMethod, s);
            EXPECT_EQ(st.TermMoments[78], st.QuarterPoints[13]);
            // The quarter points of the mean series are close to the true ones.
            for (int k = 0; k < 13; ++k)
                EXPECT_NEAR(st.TermMoments[6 * k], st.QuarterPoints[k], 0.05) << year << " " << k;
            for (int i = 0; i < 78; ++i) {
                const double gmt = orbel::FromReferenceCJD(st.TermMoments[i], longitude);
                double scratch = 0.0;
                const double sun = orbel::sun_app(gmt, &scratch);
                const double expected = std::fmod(270.0 + 15.0 * i, 360.0) * M_PI / 180.0;
                EXPECT_NEAR(std::remainder(sun - expected, 2 * M_PI), 0.0, 2e-6) << year << " term " << i;
            }
        }
    }
}

TEST(ComputeSolarTerms, ATermHasOneMomentWhicheverSuiAsksForIt) {
    // The data of sui y + 1 repeats terms 24..78 of sui y as its terms 0..54.
    const orbel::CalendarSettings s;
    for (int32_t year = -3000; year <= 3000; year += 97) {
        const orbel::SolarTerms a = orbel::ComputeSolarTerms(orbel::GregorianDayNumber(year, 6, 1) + 0.5, orbel::TrueSunMethod, s);
        const orbel::SolarTerms b = orbel::ComputeSolarTerms(orbel::GregorianDayNumber(year + 1, 6, 1) + 0.5, orbel::TrueSunMethod, s);
        for (int i = 0; i + 24 < 78; ++i) ASSERT_EQ(b.TermMoments[i], a.TermMoments[i + 24]) << year << " " << i;
    }
}

TEST(ComputeSolarTerms, ReferenceLongitudeShiftsEveryTerm) {
    const double x = orbel::GregorianDayNumber(2020, 3, 1) + 0.5;
    const orbel::SolarTerms at120 = orbel::ComputeSolarTerms(x, orbel::TrueSunMethod, {.referenceLongitude = 120});
    const orbel::SolarTerms at105 = orbel::ComputeSolarTerms(x, orbel::TrueSunMethod, {.referenceLongitude = 105});
    int movedDays = 0;
    for (int i = 0; i < 79; ++i) {
        ASSERT_NEAR(at120.TermMoments[i] - at105.TermMoments[i], 1.0 / 24.0, 1e-8) << i;
        const bool firstHour = at120.TermMoments[i] - at120.TermDays[i] < 1.0 / 24.0;
        EXPECT_EQ(at105.TermDays[i], at120.TermDays[i] - (firstHour ? 1 : 0)) << i;
        movedDays += firstHour;
    }
    EXPECT_GT(movedDays, 0);  // 79 terms: some fall in the first hour of a day
}
