#pragma once
// The program's side of the date-string library liborbel2.so, which turns CHL
// and CHS date texts into ChlDate and ChsDate records. The library is found in
// the folder of the running program, bound by name when the first Chinese date
// text is parsed, and kept for the rest of the run.
#include <cstdint>
#include <string>
#include <string_view>

#include "services/chinese_records.h"
#include "orbel2/orbel2.h"

namespace orbel {

inline constexpr std::string_view DateStringLibraryFileName = "liborbel2.so";

// Outcome of binding the library.
inline constexpr int16_t DateStringLibraryBound = 0;
inline constexpr int16_t DateStringLibraryNotLoaded = -1;      // missing, or not a loadable library
inline constexpr int16_t DateStringLibraryLacksFunction = -2;  // loaded, but an export is missing
inline constexpr int16_t DateStringLibraryNoFolder = -3;       // the program's own folder is unknown

class DateStringLibrary {
public:
    // Binds liborbel2.so in `folder`. Never throws on a missing or broken
    // library: Status() says what happened.
    explicit DateStringLibrary(const std::string& folder);
    // An unbound library that remembers why (DateStringLibraryNoFolder).
    static DateStringLibrary Unavailable(int16_t status, std::string detail);
    ~DateStringLibrary();
    DateStringLibrary(const DateStringLibrary&) = delete;
    DateStringLibrary& operator=(const DateStringLibrary&) = delete;

    int16_t Status() const { return status_; }
    bool Bound() const { return status_ == DateStringLibraryBound; }
    // The file asked for, and the loader's own account of a failure (empty
    // when bound).
    const std::string& Path() const { return path_; }
    const std::string& Detail() const { return detail_; }

    // Fill `date` from `text` as the library does and return true when it is
    // valid. A text holding a zero character, or any text while the library
    // is not bound, sets valid = 0 and returns false.
    bool ParseChl(std::string_view text, ChlDate& date) const;
    bool ParseChs(std::string_view text, ChsDate& date) const;

private:
    DateStringLibrary(int16_t status, std::string detail);

    int16_t status_ = DateStringLibraryNotLoaded;
    std::string path_;
    std::string detail_;
    void* handle_ = nullptr;
    orbel2_chl_parser chl_ = nullptr;
    orbel2_chs_parser chs_ = nullptr;
};

// The folder of the running program (from /proc/self/exe), or the empty text
// with `error` set when it cannot be read.
std::string ExecutableFolder(std::string& error);

// The library beside the running program, bound on the first call (safe from
// any thread) and kept for the run.
const DateStringLibrary& ProgramDateStringLibrary();

// The message for a library that is not bound, e.g. "The date-string library
// liborbel2.so could not be loaded: <the loader's words>"; empty when bound.
std::string DateStringLibraryError(const DateStringLibrary& library);

// Parse a CHL or CHS date text with the program's library; true when valid.
// When they return false because the library is missing,
// ProgramDateStringLibrary().Bound() is false and DateStringLibraryError
// words the reason.
bool ParseChlDateStr(std::string_view text, ChlDate& date);
bool ParseChsDateStr(std::string_view text, ChsDate& date);

}  // namespace orbel
