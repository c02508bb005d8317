#pragma once
// Language: the program's texts that are not built in (the title, some
// captions), loaded once at start-up from the program text file beside the
// program and handed out by number in the language in force.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "services/text_store.h"

namespace orbel {

inline constexpr std::string_view ProgramTextFileName = "orbel.dat";

// Text numbers the program asks for.
enum ProgramTextNumber : int16_t {
    TextProgramTitle = 1,          // the log window's caption follows "Log for "
    TextDataCopyCaption = 2,       // the data window's copy button
    TextCopySelection = 10,        // data window copy button, text selected
    TextCopyAll = 11,              // data window copy button, nothing selected
    TextYears = 17,                // data window years label
    TextClose = 18,                // data window close button
    TextLogCopyAll = 185,          // log window copy button, nothing selected
    TextStartupTitle = 310,        // title kept by start-up
    TextStartupVersion = 311,      // version kept by start-up
    TextLogCopySelection = 424,    // log window copy button, text selected
};

// The program text file `name` in `folder`: a separator is put between them
// unless the folder already ends with one ("/" or "\").
std::string ProgramTextPath(std::string_view folder, std::string_view name);

// The message shown when loading fails, for a status number of `lt`.
std::string ProgramTextLoadMessage(int32_t status, std::string_view path);
// The same for a full load result, whose line numbers are never cut short.
std::string ProgramTextLoadMessage(const TextLoadResult& result, std::string_view path);

// Loads the program text file into the text store. Returns nothing when the
// texts are loaded; otherwise the message the program shows before it ends.
std::optional<std::string> LoadProgramText(std::string_view folder, std::string_view name = ProgramTextFileName);

// Text `n` in `language`, or the empty text when there is none or it is "~".
std::string ProgramText(int16_t n, int16_t language = 0);

}  // namespace orbel
