#pragma once
// The cosine of the arguments of long periodic series (the Earth's and the
// Moon's), a few times cheaper than std::cos: those arguments are far below
// 2^50 and themselves carry a rounding error of about 1e-16 of their size, so
// the exact reduction of the library's cosine buys nothing here.
#include <bit>
#include <cstdint>

#include "services/angles.h"

namespace orbel {

// cos x for |x| < 2^50, within 1e-15 + 3e-16 |x|.
inline double FastCos(double x) {
    constexpr double kInvPi = 0.318309886183790671538;
    // Adding 1.5 * 2^52 rounds to the nearest integer under the default
    // rounding mode and leaves that integer in the low bits of the sum.
    constexpr double kRound = 6755399441055744.0;
    const double shifted = x * kInvPi + kRound;
    const double half = shifted - kRound;  // x / pi, rounded
    const double r = x - half * Pi;       // [-pi/2, pi/2]
    const double sign = (std::bit_cast<uint64_t>(shifted) & 1) ? -1.0 : 1.0;
    const double r2 = r * r;
    // Taylor series through r^20; the first term left out is under 2e-17
    // for |r| <= pi/2.
    const double p =
        1.0 + r2 * (-1.0 / 2 + r2 * (1.0 / 24 + r2 * (-1.0 / 720 + r2 * (1.0 / 40320 + r2 * (-1.0 / 3628800 +
        r2 * (1.0 / 479001600 + r2 * (-1.0 / 87178291200 + r2 * (1.0 / 20922789888000 +
        r2 * (-1.0 / 6402373705728000 + r2 * (1.0 / 2432902008176640000))))))))));
    return sign * p;
}

// sin x under the same conditions.
inline double FastSin(double x) { return FastCos(x - 1.570796326794896619231); }

}  // namespace orbel
