#pragma once
// Integer division rounded toward minus infinity, and its remainder, which
// takes the divisor's sign. Calendar arithmetic needs both for days and years
// before the epoch of a count: C++'s `/` rounds toward zero, so -1 / 60 is 0
// where the cycle arithmetic needs -1.
#include <concepts>

namespace orbel {

template <std::integral T>
constexpr T FloorDiv(T a, T b) noexcept {
    return static_cast<T>(a / b - ((a % b != 0) && ((a < 0) != (b < 0))));
}

// a - FloorDiv(a, b) * b: in [0, b) for b > 0.
template <std::integral T>
constexpr T FloorMod(T a, T b) noexcept {
    return static_cast<T>(a - FloorDiv(a, b) * b);
}

static_assert(FloorDiv(-1, 60) == -1 && FloorMod(-1, 60) == 59);
static_assert(FloorDiv(-60, 60) == -1 && FloorMod(-60, 60) == 0);
static_assert(FloorDiv(59, 60) == 0 && FloorMod(7, -3) == -2);

}  // namespace orbel
