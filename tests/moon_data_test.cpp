// The Moon display: age text, angular separation, phase names and pictures,
// the choice of method by date, and the main window's picture files and
// GetPhase failure message.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/moon_texts.h"
#include "engine/moon_data.h"
#include "engine/quenta_module.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMinute = 1.0 / 1440.0;

// The moment of phase `phase` of the lunation in progress at `ajd`.
double PhaseNear(double ajd, int16_t phase) { return PhaseMomentGMT(LunationAt(ajd), phase); }

}  // namespace

TEST(MoonData, AgeAndPhaseTexts) {
    using Args = const std::vector<std::string>&;
    const char* const repaints[] = {"shown as stored", "colour value 200 repainted", "outside the disc repainted"};
    orbel::testing::ExpectCaseTable(
        "moon_phase_cases.txt",
        {{"MoonAgeStr", [](Args a) { return MoonAgeStr(std::stod(a[0])); }},
         {"GetPhaseErrorText", [](Args a) { return GetPhaseErrorText(int16_t(std::stoi(a[0]))); }},
         {"ShowMoonPhase", [&](Args a) {
              const auto view = ShowMoonPhase(std::stod(a[0]), a[1] == "1");
              return view.caption + " | " + view.name + " | " +
                     MoonPictureFile("pictures/", view.picture.kind, "_jp") + " | " +
                     repaints[int(view.picture.repaint)];
          }}});
}

TEST(MoonData, AngularSeparation) {
    int16_t dir = 7;
    EXPECT_NEAR(AngularSeparation(0.1, 6.2, dir), 0.1 + 2 * kPi - 6.2, 1e-12);
    EXPECT_EQ(dir, 1);  // a lies ahead of b across 0
    EXPECT_NEAR(AngularSeparation(6.2, 0.1, dir), 0.1 + 2 * kPi - 6.2, 1e-12);
    EXPECT_EQ(dir, -1);
    // Any multiple of a whole turn gives the same angle, within 0 to pi.
    for (double a : {-20.0, -3.0, 0.5, 3.0, 9.0, 40.0}) {
        for (double b : {-7.0, 0.0, 1.0, 4.0, 13.0}) {
            const double r = AngularSeparation(a, b, dir);
            EXPECT_LE(r, kPi + 1e-12);
            EXPECT_NEAR(r, AngularSeparation(a + 4 * kPi, b - 2 * kPi, dir), 1e-9) << a << " " << b;
            EXPECT_NEAR(std::cos(r), std::cos(a - b), 1e-9);
        }
    }
}

TEST(MoonData, DiscOfThePicture) {
    // A 100 x 100 box: w = h = 50, the disc about (25, 26) with radius 25.
    // Halves are taken in whole pixels, so 101 wide behaves as 100.
    const struct {
        int x, y, size;
        bool outside;
    } cases[] = {{25, 26, 100, false}, {25, 1, 100, false} /* on the rim */, {25, 0, 100, true},
                 {0, 26, 100, false},  {50, 50, 100, true},  {49, 26, 101, false}, {49, 26, 100, false}};
    for (const auto& c : cases)
        EXPECT_EQ(OutsideMoonDisc(c.x, c.y, c.size, c.size), c.outside) << c.x << "," << c.y << " in " << c.size;
}

// The start of the positional range (1600) is compared with the reference in
// the accuracy test; here its end.
TEST(MoonData, MethodByDate) {
    const double k2100 = 2488069.5;  // 2100-01-01 00:00 GMT, the first moment past the range
    const MoonDisplay last = ComputeMoonDisplay(k2100 - kMinute);
    const MoonDisplay after = ComputeMoonDisplay(k2100);
    EXPECT_TRUE(last.positional);
    EXPECT_FALSE(after.positional);
    ASSERT_TRUE(after.phaseView.has_value());
    // A minute apart, the two methods tell the same Moon.
    EXPECT_NEAR(last.f, after.f, 0.02);
    EXPECT_EQ(last.waxing, after.waxing);
    EXPECT_EQ(last.lunation, after.lunation);
}

TEST(MoonData, ApproximateMethodAtThePrincipalPhases) {
    const double guess = 2269000.0;  // 1500 CE, before the positional range
    const MoonDisplay atFull = ComputeMoonDisplay(PhaseNear(guess, 2));
    EXPECT_FALSE(atFull.positional);
    EXPECT_EQ(atFull.phase, 2);
    EXPECT_TRUE(atFull.exact);
    EXPECT_FALSE(atFull.waxing);
    EXPECT_NEAR(atFull.f, 1.0, 1e-12);

    const MoonDisplay atFirstQuarter = ComputeMoonDisplay(PhaseNear(guess, 1));
    EXPECT_TRUE(atFirstQuarter.waxing);
    EXPECT_NEAR(atFirstQuarter.f, 0.5, 1e-12);

    const MoonDisplay afterLast = ComputeMoonDisplay(PhaseNear(guess, 3) + 1.0);
    EXPECT_EQ(afterLast.phase, 3);
    EXPECT_FALSE(afterLast.waxing);
    EXPECT_GT(afterLast.f, 0.2);
    EXPECT_LT(afterLast.f, 0.5);

    // Rising to the full moon, falling after it.
    const int32_t k = LunationAt(guess);
    const double t0 = PhaseMomentGMT(k, 0), t2 = PhaseMomentGMT(k, 2), t4 = PhaseMomentGMT(k + 1, 0);
    double previous = -1.0;
    for (int i = 1; i < 80; ++i) {
        const double m = i < 40 ? t0 + i * (t2 - t0) / 40.0 : t2 + (i - 40) * (t4 - t2) / 40.0;
        const double f = ComputeMoonDisplay(m).f;
        if (i <= 40) EXPECT_GT(f, previous) << i;
        else EXPECT_LT(f, previous) << i;
        previous = f;
    }
}

TEST(MoonData, AgeCaption) {
    // The lunation that began on 2023-06-18.
    const double m = PhaseMomentGMT(290, 0) + 5.0 + (3 * 60 + 27.5) * kMinute;
    const MoonDisplay display = ComputeMoonDisplay(m);
    EXPECT_EQ(display.ageCaption, "[290] 5 days, 3 hrs, 27 mins (17.4%)");

    const MoonDisplay early = ComputeMoonDisplay(PhaseMomentGMT(-20000, 0) + 1.0);
    EXPECT_EQ(early.ageCaption.substr(0, 31), "[-20000] 1 day, 0 hrs, 0 mins (");
}

// Delta T is taken for the whole year of a moment's day. Just before a dark
// moon that falls early on the first day of a year (TDT) while its GMT moment
// is still in the old year, the moment is inside the old lunation on the GMT
// scale but already past the dark moon on the TDT scale. The display still
// finds the last quarter there, not an error.
TEST(MoonData, MomentsNearANewYearDarkMoonHaveAPhase) {
    double found = 0.0;
    for (int32_t k = LunationAt(700000.0); k < LunationAt(1500000.0) && found == 0.0; ++k) {
        const double g1 = PhaseMomentGMT(k + 1, 0);
        const double t1 = PhaseMomentTDT(k + 1, 0);
        const double m = g1 - 2e-6;
        if (DeltaTOfMoment(m) - DeltaTOfMoment(t1) > 0.05) found = m;
    }
    ASSERT_NE(found, 0.0) << "no dark moon across a new year found";
    const MoonDisplay display = ComputeMoonDisplay(found);
    EXPECT_FALSE(display.PhaseFailed());
    EXPECT_EQ(display.phase, 3);
    ASSERT_TRUE(display.phaseView.has_value());
    EXPECT_EQ(display.phaseView->caption.rfind("Dark moon", 0), 0u);
}
