#pragma once
// Folder and DiskProc: where the program keeps its per-user files.
//
// The user's application-data folder (CSIDL_APPDATA on Windows) is
// QStandardPaths::GenericDataLocation: a folder shared by all of the user's
// programs ($XDG_DATA_HOME, normally ~/.local/share), in which the maker's
// own folder Corvane_Systems sits, as it would in Windows' roaming AppData
// folder. (AppDataLocation would add the organisation and
// program names to the path a second time.) The state file is therefore
// ~/.local/share/Corvane_Systems/orbel.usr.
#include <cstdint>
#include <string>
#include <string_view>

namespace orbel {

inline constexpr std::string_view StateFileName = "orbel.usr";
inline constexpr std::string_view MakerFolderName = "Corvane_Systems";

// Folder identifiers the program knows (the values of the Windows shell's
// CSIDL constants).
enum SpecialFolder : int32_t {
    DesktopFolder = 0,
    DocumentsFolder = 5,
    AppDataFolder = 26,
    LocalAppDataFolder = 28,
};

// The path of a system folder, or the empty text when the identifier is not
// known or the platform has no such folder.
std::string SpecialFolderPath(int32_t id);

// The stand-in for the root of the first ready drive: the user's home folder
// when it exists and can be written, else the temporary folder, else the empty
// text.
std::string FirstReadyDrive();

// True when `path`, with surrounding white space removed, names an existing
// folder.
bool IsDirectory(std::string_view path);

// `file` in `folder` in `base`, or in `fallbackBase` when `base` is empty;
// the folder is created when missing (a failure shows when the path is used).
std::string DataFilePathIn(std::string_view base, std::string_view fallbackBase, std::string_view file,
                           std::string_view folder);

// `file` in `folder` of the user's application-data folder (or of
// FirstReadyDrive when there is none), the folder created when missing.
std::string DataFilePath(std::string_view file, std::string_view folder);

// The state file's path: DataFilePath("orbel.usr", "Corvane_Systems").
std::string DefaultStateFilePath();

}  // namespace orbel
