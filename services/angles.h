#pragma once
// Angles in radians: the constants and the wrapping every series and solver
// uses.
#include <cmath>
#include <numbers>

namespace orbel {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double TwoPi = 2.0 * Pi;
inline constexpr double Degree = Pi / 180.0;  // one degree, in radians
inline constexpr double Arcsecond = Pi / (180.0 * 3600.0);  // one second of arc, in radians

// Into [0, 2pi).
inline double Wrap2Pi(double a) { return a - TwoPi * std::floor(a / TwoPi); }
// Into [-pi, pi).
inline double WrapPi(double a) { return a - TwoPi * std::floor((a + Pi) / TwoPi); }

}  // namespace orbel
