#pragma once
// The Moon's lunation, age, lit fraction, phase name and picture for a moment:
// what the main window's age and phase labels and its Moon picture show. The
// window draws; this module only decides.
//
// The lit fraction comes from the Moon's and the Sun's longitudes from
// 1600-01-01 to 2099-12-31 CE (the range of the Moon position service), and
// outside it from where the moment lies between the principal phases.
#include <cstdint>
#include <optional>
#include <string>

namespace orbel {

// "5 days, 3 hrs, 27 mins": whole days, then whole hours and whole minutes of
// the rest (each truncated); the singular for exactly 1. Empty for an age
// that is not a number.
std::string MoonAgeStr(double ageDays);

// The smaller angle between longitudes a and b (radians, any multiple of 2pi),
// 0 to pi. `dir` is -1 when b lies that angle ahead of a (eastward), 1 when a
// lies ahead of b, 0 when neither can be told at 6 decimals.
double AngularSeparation(double a, double b, int16_t& dir);

// Lit fraction (0 dark to 1 full) from the apparent longitudes of the Moon and
// the Sun: (1 - cos e) / 2 of their separation e. Empty for moments whose day
// (GMT) lies outside 1600-01-01 to 2099-12-31 CE.
std::optional<double> PositionalLitFraction(double ajd);

// Lit fraction from the principal phase times alone: the moment's fraction of
// the way between the last principal phase `phase` of lunation `lunation` and
// the next one sets x, running 0 at the dark moon to 1 at the full moon and
// back, and f = (1 - cos(pi x)) / 2. Not a number for NoLunation or a moment
// that is not a number.
double ApproximateLitFraction(double ajd, int32_t lunation, int16_t phase);

// How the picture loaded into the Moon picture box is repainted.
enum class MoonRepaint {
    None,              // shown as stored
    Colour200ToBack,   // every pixel of colour value 200 becomes the back colour
    OutsideCircle,     // every pixel outside the disc (OutsideMoonDisc) becomes the back colour
};

// The four pictures of the Moon; each country has its own set.
enum class MoonPictureKind { DarkMoon, FirstQuarter, FullMoon, LastQuarter };

struct MoonPicture {
    MoonPictureKind kind = MoonPictureKind::DarkMoon;
    MoonRepaint repaint = MoonRepaint::None;
};

// Whether pixel (x, y) of a picture box with inner size width x height lies
// outside the Moon's disc: the circle about (w / 2, h / 2 + 1) with radius w / 2,
// where w and h are width / 2 and height / 2 in integer division.
bool OutsideMoonDisc(int x, int y, int width, int height);

// The phase label and picture for a lit fraction.
struct MoonPhaseView {
    double pct = 0.0;       // f x 100
    std::string name;       // "Dark moon", "Crescent moon", "Half moon", "Gibbous moon", "Full moon"
    std::string caption;    // "Crescent moon (waxing), 23.4%"
    MoonPicture picture;
};
MoonPhaseView ShowMoonPhase(double f, bool waxing);

// Everything the main window shows of the Moon at a moment (AJD, GMT). A
// moment LunationAt refuses gives only the negative `phase`.
struct MoonDisplay {
    int32_t lunation = 0;
    int16_t phase = 0;       // principal phase last reached, or GetPhase's negative code
    bool exact = false;      // the moment is within 4.3 s of that phase
    double ageDays = 0.0;    // since the lunation's dark moon
    double lengthDays = 0.0; // of the lunation
    std::string ageCaption;  // lblAgeOfMoon: "[290] 5 days, 3 hrs, 27 mins (17.4%)"
    bool positional = false; // lit fraction from longitudes (else from the phase times)
    // Left empty when the phase could not be found: the window then keeps
    // its phase label and picture as they were.
    std::optional<MoonPhaseView> phaseView;  // lblPhaseOfMoon and picMoon
    double f = 0.0;
    bool waxing = false;
    // GetPhase refused the moment; `phase` holds its code.
    bool PhaseFailed() const { return phase < 0; }
};
MoonDisplay ComputeMoonDisplay(double ajd);

}  // namespace orbel
