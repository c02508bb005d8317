#pragma once
// The program's version, written here and nowhere else: the main window's
// title, the credits window, orbel-cli --version and the Debian package all
// read it (the top CMakeLists.txt reads this line for the project's version).
#include <string_view>

namespace orbel {

inline constexpr std::string_view ProgramVersion = "18.0";

}  // namespace orbel
