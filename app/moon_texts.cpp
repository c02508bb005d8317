#include "app/moon_texts.h"

#include <array>

namespace orbel {

std::string MoonPictureFile(std::string_view folder, MoonPictureKind kind, std::string_view countrySuffix) {
    // By MoonPictureKind.
    constexpr std::array<std::string_view, 4> baseNames = {"darkmoon", "1stquarter", "fullmoon", "lastquarter"};
    return std::string(folder) + std::string(baseNames[static_cast<size_t>(kind)]) + std::string(countrySuffix) +
           ".bmp";
}

std::string GetPhaseErrorText(int16_t code) {
    return "Error" + std::to_string(code) + " when calling GetPhase() in DisplayMoonData().";
}

}  // namespace orbel
