#include "app/main_window_state.h"

namespace orbel {

int16_t GetCalendar(std::string_view code) {
    for (size_t i = 0; i < DefaultCalendarTable.size(); ++i)
        if (DefaultCalendarTable[i].code == code) return static_cast<int16_t>(i);
    for (size_t i = 0; i < DefaultCalendarTable.size(); ++i)
        if (DefaultCalendarTable[i].name == code) return static_cast<int16_t>(i);
    return -1;
}

std::vector<std::string> CountryItems() {
    std::vector<std::string> items;
    for (int c = 0; c < CountryCount; ++c) items.emplace_back(CountryName(c));
    return items;
}

int CountryFromStoredText(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + CountryCount) return text[0] - '0';
    return CountryChina;
}

Names NamesFromStoredText(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + static_cast<int>(NamesChoices.size()))
        return NamesChoices[static_cast<size_t>(text[0] - '0')].names;
    return Names::English;
}

std::vector<std::string> LongitudeItems() {
    std::vector<std::string> items;
    for (int i = 0; i < 46; ++i) items.push_back(std::to_string(100 + i));
    return items;
}

}  // namespace orbel
