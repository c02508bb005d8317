#pragma once
// A colour as the windows hold it: red, green and blue, 0 to 255.
#include <cstdint>

namespace orbel {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};

}  // namespace orbel
