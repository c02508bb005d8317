#pragma once
#include <cstdint>

namespace orbel {

// The calendar settings chosen in the main window. They travel as a value to
// every computation that depends on them; nothing in the engine keeps them.
struct CalendarSettings {
    int16_t referenceLongitude = 120;  // whole degrees East, 100 to 145
    int16_t epoch = -2696;             // year at position 1 of cycle 1: -2696 or -2636
    int16_t method = 0;                // solar terms for typed CHS dates: 0 true sun, 1 mean sun
};

inline constexpr int32_t MinJDN = 625333;   // -3000-01-01 CE
inline constexpr int32_t MaxJDN = 2816788;  //  3000-01-01 CE

}  // namespace orbel
