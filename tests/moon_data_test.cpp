// The Moon display: age text, angular separation, phase names and pictures,
// the choice of method by date, and the GetPhase failure message.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/moon_data.h"
#include "engine/quenta_module.h"
#include "tests/golden.h"

using namespace orbel;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMinute = 1.0 / 1440.0;
// 1600-01-01 00:00 GMT: the first moment of the Moon position service.
constexpr double k1600 = 2305447.5;

// The moment of phase `phase` of the lunation in progress at `ajd`.
double PhaseNear(double ajd, int16_t phase) { return PhaseMomentGMT(LunationAt(ajd), phase); }

}  // namespace

TEST(MoonData, AgeAndPhaseTexts) {
    using Args = const std::vector<std::string>&;
    const char* const repaints[] = {"shown as stored", "colour value 200 repainted", "outside the disc repainted"};
    orbel::testing::ExpectCaseTable(
        "moon_phase_cases.txt",
        {{"MoonAgeStr", [](Args a) { return MoonAgeStr(std::stod(a[0])); }},
         {"ShowMoonPhase", [&](Args a) {
              const auto view = ShowMoonPhase(std::stod(a[0]), a[1] == "1", "_jp");
              return view.caption + " | " + view.name + " | " + view.picture.FileName("pictures/") + " | " +
                     repaints[int(view.picture.repaint)];
          }}});
    EXPECT_EQ(ShowMoonPhase(0.5, false, "_vn").picture.FileName("/opt/orbel/"), "/opt/orbel/lastquarter_vn.bmp");
}

TEST(MoonData, AngularSeparation) {
    int16_t dir = 7;
    EXPECT_NEAR(AngularSeparation(0.1, 6.2, dir), 0.1 + 2 * kPi - 6.2, 1e-12);
    EXPECT_EQ(dir, 1);  // a lies ahead of b across 0
    EXPECT_NEAR(AngularSeparation(6.2, 0.1, dir), 0.1 + 2 * kPi - 6.2, 1e-12);
    EXPECT_EQ(dir, -1);
    EXPECT_NEAR(AngularSeparation(0.0, kPi, dir), kPi, 1e-12);
    // Any multiple of a whole turn gives the same angle, within 0 to pi.
    for (double a : {-20.0, -3.0, 0.5, 3.0, 9.0, 40.0}) {
        for (double b : {-7.0, 0.0, 1.0, 4.0, 13.0}) {
            const double r = AngularSeparation(a, b, dir);
            EXPECT_GE(r, 0.0);
            EXPECT_LE(r, kPi + 1e-12);
            EXPECT_NEAR(r, AngularSeparation(a + 4 * kPi, b - 2 * kPi, dir), 1e-9) << a << " " << b;
            EXPECT_NEAR(std::cos(r), std::cos(a - b), 1e-9);
        }
    }
}

TEST(MoonData, DiscOfThePicture) {
    // A 100 x 100 box: w = h = 50, the disc about (25, 26) with radius 25.
    EXPECT_FALSE(OutsideMoonDisc(25, 26, 100, 100));
    EXPECT_FALSE(OutsideMoonDisc(25, 1, 100, 100));  // on the rim
    EXPECT_TRUE(OutsideMoonDisc(25, 0, 100, 100));
    EXPECT_FALSE(OutsideMoonDisc(0, 26, 100, 100));
    EXPECT_TRUE(OutsideMoonDisc(50, 50, 100, 100));
    // Halves taken in whole pixels: 101 wide behaves as 100.
    EXPECT_EQ(OutsideMoonDisc(49, 26, 101, 101), OutsideMoonDisc(49, 26, 100, 100));
}

TEST(MoonData, MethodByDate) {
    const MoonDisplay before = ComputeMoonDisplay(k1600 - kMinute, "");
    EXPECT_FALSE(before.positional);
    EXPECT_TRUE(before.phaseView.has_value());
    const MoonDisplay first = ComputeMoonDisplay(k1600, "");
    EXPECT_TRUE(first.positional);
    EXPECT_TRUE(first.phaseView.has_value());
    // 2099-12-31 23:59 GMT is the last positional moment.
    EXPECT_TRUE(ComputeMoonDisplay(2488069.5 - kMinute, "").positional);
    EXPECT_FALSE(ComputeMoonDisplay(2488069.5, "").positional);
    // A minute apart, the two methods tell the same Moon.
    EXPECT_NEAR(before.f, first.f, 0.02);
    EXPECT_EQ(before.waxing, first.waxing);
    EXPECT_EQ(before.lunation, first.lunation);
}

TEST(MoonData, ApproximateMethodAtThePrincipalPhases) {
    const double guess = 2269000.0;  // 1500 CE, before the positional range
    const double full = PhaseNear(guess, 2);
    const MoonDisplay atFull = ComputeMoonDisplay(full, "_vn");
    ASSERT_TRUE(atFull.phaseView.has_value());
    EXPECT_FALSE(atFull.positional);
    EXPECT_EQ(atFull.phase, 2);
    EXPECT_TRUE(atFull.exact);
    EXPECT_FALSE(atFull.waxing);
    EXPECT_NEAR(atFull.f, 1.0, 1e-12);
    EXPECT_EQ(atFull.phaseView->caption, "Full moon, 100.0%");
    EXPECT_EQ(atFull.phaseView->picture.FileName(""), "fullmoon_vn.bmp");

    const MoonDisplay atFirstQuarter = ComputeMoonDisplay(PhaseNear(guess, 1), "");
    ASSERT_TRUE(atFirstQuarter.phaseView.has_value());
    EXPECT_EQ(atFirstQuarter.phaseView->caption, "Half moon (waxing), 50.0%");
    EXPECT_EQ(atFirstQuarter.phaseView->picture.baseName, "1stquarter");

    const MoonDisplay afterLast = ComputeMoonDisplay(PhaseNear(guess, 3) + 1.0, "");
    ASSERT_TRUE(afterLast.phaseView.has_value());
    EXPECT_EQ(afterLast.phase, 3);
    EXPECT_FALSE(afterLast.waxing);
    EXPECT_GT(afterLast.f, 0.2);
    EXPECT_LT(afterLast.f, 0.5);
    EXPECT_EQ(afterLast.phaseView->picture.baseName, "lastquarter");

    // Rising to the full moon, falling after it.
    const int32_t k = LunationAt(guess);
    const double t0 = PhaseMomentGMT(k, 0), t2 = PhaseMomentGMT(k, 2), t4 = PhaseMomentGMT(k + 1, 0);
    double previous = -1.0;
    for (int i = 1; i < 80; ++i) {
        const double m = i < 40 ? t0 + i * (t2 - t0) / 40.0 : t2 + (i - 40) * (t4 - t2) / 40.0;
        const double f = ComputeMoonDisplay(m, "").f;
        if (i <= 40) EXPECT_GT(f, previous) << i;
        else EXPECT_LT(f, previous) << i;
        previous = f;
    }
}

TEST(MoonData, AgeCaption) {
    // The lunation that began on 2023-06-18.
    const double m = PhaseMomentGMT(290, 0) + 5.0 + (3 * 60 + 27.5) * kMinute;
    const MoonDisplay display = ComputeMoonDisplay(m, "");
    EXPECT_EQ(display.lunation, 290);
    EXPECT_EQ(display.ageCaption, "[290] 5 days, 3 hrs, 27 mins (17.4%)");
    EXPECT_TRUE(display.positional);
    ASSERT_TRUE(display.phaseView.has_value());
    EXPECT_EQ(display.phaseView->name, "Crescent moon");
    EXPECT_TRUE(display.waxing);
    EXPECT_FALSE(display.error.has_value());

    const MoonDisplay early = ComputeMoonDisplay(PhaseMomentGMT(-20000, 0) + 1.0, "");
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
    const MoonDisplay display = ComputeMoonDisplay(found, "");
    EXPECT_FALSE(display.error.has_value());
    EXPECT_EQ(display.phase, 3);
    ASSERT_TRUE(display.phaseView.has_value());
    EXPECT_EQ(display.phaseView->caption.rfind("Dark moon", 0), 0u);
}

TEST(MoonData, GetPhaseErrorText) {
    const MoonMessage m = GetPhaseErrorMessage(-1);
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.text, "Error-1 when calling GetPhase() in DisplayMoonData().");
    EXPECT_EQ(GetPhaseErrorMessage(-2).text, "Error-2 when calling GetPhase() in DisplayMoonData().");
}
