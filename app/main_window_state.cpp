#include "app/main_window_state.h"

namespace orbel {

int16_t GetCalendar(std::string_view code) {
    for (size_t i = 0; i < DefaultCalendarTable.size(); ++i)
        if (DefaultCalendarTable[i].code == code) return static_cast<int16_t>(i);
    for (size_t i = 0; i < DefaultCalendarTable.size(); ++i)
        if (DefaultCalendarTable[i].name == code) return static_cast<int16_t>(i);
    return -1;
}

int CountryFromStoredText(std::string_view text) {
    if (text == "0") return 0;
    if (text == "2") return 2;
    return 1;
}

std::vector<std::string> LongitudeItems() {
    std::vector<std::string> items;
    for (int i = 0; i < 46; ++i) items.push_back(std::to_string(100 + i));
    return items;
}

}  // namespace orbel
