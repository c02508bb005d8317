#pragma once
// Start with the desktop: the XDG autostart entry "orbel.desktop" in the
// user's autostart folder ($XDG_CONFIG_HOME/autostart, normally
// ~/.config/autostart), which starts the program hidden in the panel.
#include <string>
#include <string_view>

namespace orbel {

inline constexpr std::string_view AutostartFileName = "orbel.desktop";

// The user's autostart folder, without a trailing slash.
std::string AutostartFolder();

// The command of the entry: `program` (a name on the PATH or an absolute
// path) followed by " --tray"; a path with characters the Exec key reserves
// is quoted as freedesktop.org's desktop entry rules ask.
std::string AutostartCommand(std::string_view program);

// The whole entry for `program`.
std::string AutostartEntryText(std::string_view program);

// Writes the entry into `folder` (created when missing), replacing any entry
// there, or removes it. Each is true when the folder ends as asked; a write
// that fails leaves an earlier entry as it was.
bool WriteAutostartEntry(std::string_view folder, std::string_view program);
bool RemoveAutostartEntry(std::string_view folder);
bool AutostartEntryExists(std::string_view folder);

// The name the entry starts this program by: "orbel" when that name on the
// PATH is this very program, else its absolute path.
std::string AutostartProgram(std::string_view runningProgramPath);

}  // namespace orbel
