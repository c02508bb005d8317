#pragma once
// The cosine of the arguments of long periodic series (the Earth's and the
// Moon's), a few times cheaper than std::cos: those arguments are far below
// 2^50 and themselves carry a rounding error of about 1e-16 of their size, so
// the exact reduction of the library's cosine buys nothing here.

namespace orbel {

// cos x for |x| < 2^50, within 2e-15 + 2e-16 |x|.
inline double FastCos(double x) {
    constexpr double kTwoPi = 6.283185307179586476925;
    constexpr double kInvTwoPi = 0.159154943091895335768883;
    // Adding and then subtracting 1.5 * 2^52 rounds to the nearest integer
    // under the default rounding mode, without a library call.
    constexpr double kRound = 6755399441055744.0;
    const double turns = (x * kInvTwoPi + kRound) - kRound;
    const double r = x - turns * kTwoPi;  // [-pi, pi]
    const double r2 = r * r;
    // Taylor series through r^26; the first term left out is under 3e-16
    // for |r| <= pi.
    constexpr double c[] = {
        -1.0 / 2,
        1.0 / 24,
        -1.0 / 720,
        1.0 / 40320,
        -1.0 / 3628800,
        1.0 / 479001600,
        -1.0 / 87178291200,
        1.0 / 20922789888000,
        -1.0 / 6402373705728000,
        1.0 / 2432902008176640000,
        -1.0 / 1124000727777607680000.0,
        1.0 / 620448401733239439360000.0,
        -1.0 / 403291461126605635584000000.0,
    };
    double p = c[12];
    for (int i = 11; i >= 0; --i) p = p * r2 + c[i];
    return 1.0 + r2 * p;
}

// sin x under the same conditions.
inline double FastSin(double x) { return FastCos(x - 1.570796326794896619231); }

}  // namespace orbel
