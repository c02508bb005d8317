#include "engine/moon_data.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "services/calendar_settings.h"
#include "engine/quenta_module.h"
#include "services/angles.h"
#include "services/earth_frames.h"

namespace orbel {
namespace {

double Round6(double x) { return std::round(x * 1e6) / 1e6; }

std::string OneDecimal(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", x);
    return buffer;
}

std::string Count(int64_t n, const char* unit) { return std::to_string(n) + " " + unit + (n == 1 ? "" : "s"); }

}  // namespace

std::string MoonAgeStr(double ageDays) {
    if (!FitsDayArithmetic(ageDays)) return {};
    const double days = std::floor(ageDays);
    const double rest = ageDays - days;
    const double hours = std::floor(rest * 24.0);
    const double minutes = std::floor((rest - hours / 24.0) * 24.0 * 60.0);
    return Count(static_cast<int64_t>(days), "day") + ", " + Count(static_cast<int64_t>(hours), "hr") + ", " +
           Count(static_cast<int64_t>(minutes), "min");
}

double AngularSeparation(double a, double b, int16_t& dir) {
    // Longitudes may come with any multiple of 2pi; without bringing them
    // into one turn first, the difference could exceed a whole turn.
    a = Wrap2Pi(a);
    b = Wrap2Pi(b);
    double d1 = a - b;
    if (d1 < 0.0) d1 += TwoPi;
    double d2 = b - a;
    if (d2 < 0.0) d2 += TwoPi;
    const double r = d1 <= d2 ? d1 : d2;
    dir = 0;
    if (Round6(Wrap2Pi(a + r)) == Round6(b)) {
        dir = -1;
    } else if (Round6(Wrap2Pi(b + r)) == Round6(a)) {
        dir = 1;
    }
    return r;
}

std::optional<double> PositionalLitFraction(double ajd) {
    double scratch = 0.0;
    const double moon = MoonLongitude(ajd, &scratch);
    if (std::isnan(moon) || moon == MoonLongitudeBefore1600 || moon == MoonLongitudeAfter2099) return std::nullopt;
    double sunOut = 0.0;
    const double sun = sun_app(ajd, &sunOut);
    int16_t dir = 0;
    const double e = AngularSeparation(moon, sun, dir);
    return (1.0 - std::cos(e)) / 2.0;
}

double ApproximateLitFraction(double ajd, int32_t lunation, int16_t phase) {
    if (lunation == NoLunation || !FitsDayArithmetic(ajd)) return std::numeric_limits<double>::quiet_NaN();
    const double t0 = PhaseMomentGMT(lunation, phase);
    const double t1 = phase == 3 ? PhaseMomentGMT(lunation + 1, 0) : PhaseMomentGMT(lunation, phase + 1);
    double x = 0.0;
    switch (phase) {
        case 0: x = (ajd - t0) / (t1 - t0) / 2.0; break;
        case 1: x = (ajd - t0) / (t1 - t0) / 2.0 + 0.5; break;
        case 2: x = (t1 - ajd) / (t1 - t0) / 2.0 + 0.5; break;
        default: x = (t1 - ajd) / (t1 - t0) / 2.0; break;
    }
    return (1.0 - std::cos(Pi * x)) / 2.0;
}

bool OutsideMoonDisc(int x, int y, int width, int height) {
    const int w = width / 2;
    const int h = height / 2;
    const double dx = x - w / 2.0;
    const double dy = y - (h / 2.0 + 1.0);
    const double radius = w / 2.0;
    return dx * dx + dy * dy > radius * radius;
}

MoonPhaseView ShowMoonPhase(double f, bool waxing) {
    MoonPhaseView view;
    view.pct = f * 100.0;
    const double pct = view.pct;
    if (pct < 1.0) {
        view.name = "Dark moon";
    } else if (pct < 45.0) {
        view.name = "Crescent moon";
    } else if (pct < 55.0) {
        view.name = "Half moon";
    } else if (pct < 99.0) {
        view.name = "Gibbous moon";
    } else {
        view.name = "Full moon";
    }
    std::string name = view.name;
    if (pct >= 0.05 && pct < 99.95) name += waxing ? " (waxing)" : " (waning)";
    view.caption = name + ", " + OneDecimal(pct) + "%";

    MoonPicture& picture = view.picture;
    const MoonPictureKind quarter = waxing ? MoonPictureKind::FirstQuarter : MoonPictureKind::LastQuarter;
    if (f < 0.01) {
        picture.kind = MoonPictureKind::DarkMoon;
        picture.repaint = MoonRepaint::Colour200ToBack;
    } else if (f > 0.49 && f < 0.51) {
        picture.kind = quarter;
    } else if (f > 0.99) {
        picture.kind = MoonPictureKind::FullMoon;
    } else {
        picture.kind = f >= 0.5 ? MoonPictureKind::FullMoon : quarter;
        picture.repaint = MoonRepaint::OutsideCircle;
    }
    return view;
}

MoonDisplay ComputeMoonDisplay(double ajd) {
    MoonDisplay display;
    const std::optional<double> positional = PositionalLitFraction(ajd);
    display.positional = positional.has_value();

    const int32_t k = LunationAt(ajd);
    display.lunation = k;
    display.phase = GetPhase(k, ajd, display.exact);
    if (k == NoLunation) return display;
    const double darkMoon = PhaseMomentGMT(k, 0);
    display.ageDays = ajd - darkMoon;
    display.lengthDays = PhaseMomentGMT(k + 1, 0) - darkMoon;
    display.ageCaption = "[" + std::to_string(k) + "] " + MoonAgeStr(display.ageDays) + " (" +
                         OneDecimal(display.ageDays * 100.0 / display.lengthDays) + "%)";

    if (display.PhaseFailed()) return display;
    display.f = positional ? *positional : ApproximateLitFraction(ajd, k, display.phase);
    display.waxing = display.phase <= 1;
    display.phaseView = ShowMoonPhase(display.f, display.waxing);
    return display;
}

}  // namespace orbel
