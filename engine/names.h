#pragma once
// The choice of words in which the program writes calendar terms: English
// (the default, the program's own texts) or the words of a country that keeps
// the Chinese calendars. One value of this type travels with the other
// settings to everything that writes a calendar term.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbel {

enum class Names : int8_t { English, SimplifiedChinese, TraditionalChinese, Vietnamese, Japanese, Korean };

struct NamesChoice {
    Names names;
    std::string_view code;   // as orbel-cli takes it
    std::string_view label;  // as the window lists it, in its own words
};

// In the order of the window's list; the index is the stored value.
inline constexpr std::array<NamesChoice, 6> NamesChoices = {{
    {Names::English, "en", "English"},
    {Names::SimplifiedChinese, "hans", "简体中文"},
    {Names::TraditionalChinese, "hant", "繁體中文"},
    {Names::Vietnamese, "vi", "Tiếng Việt"},
    {Names::Japanese, "ja", "日本語"},
    {Names::Korean, "ko", "한국어"},
}};

constexpr const NamesChoice& ChoiceOf(Names names) { return NamesChoices[static_cast<int>(names)]; }

constexpr std::optional<Names> NamesFromCode(std::string_view code) {
    for (const NamesChoice& choice : NamesChoices)
        if (choice.code == code) return choice.names;
    return std::nullopt;
}

static_assert(ChoiceOf(Names::Korean).code == "ko" && NamesFromCode("hant") == Names::TraditionalChinese);

}  // namespace orbel
