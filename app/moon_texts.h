#pragma once
// What the main window names and words for the Moon: the picture file of a
// phase picture in a country's set, and the message when no phase is found.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/moon_data.h"

namespace orbel {

// folder + "darkmoon", "1stquarter", "fullmoon" or "lastquarter" + the
// country's suffix ("", "_vn", "_jp") + ".bmp".
std::string MoonPictureFile(std::string_view folder, MoonPictureKind kind, std::string_view countrySuffix);

// The message box for a negative GetPhase code:
// "Error-1 when calling GetPhase() in DisplayMoonData()."
inline constexpr std::string_view GetPhaseErrorTitle = "Error";
std::string GetPhaseErrorText(int16_t code);

}  // namespace orbel
