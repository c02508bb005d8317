#pragma once
// The texts of the main window's "As observed" setting: China's lunar
// calendar as it was observed, in place of today's rule for every year.
#include <string_view>

namespace orbel {

inline constexpr std::string_view AsObservedCaption = "As observed";
inline constexpr std::string_view AsObservedTip =
    "China's lunar months as they were observed: lunar years 1645 to 1911 from the table of the Qing "
    "calendar, 1912 to 1928 reckoned on Beijing local time (116\xC2\xBA" "25' E), 1929 on and every year "
    "before 1645 by today's rule at the reference meridian. Solar terms and dark moons stay astronomical.";

}  // namespace orbel
