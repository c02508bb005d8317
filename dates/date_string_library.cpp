#include "dates/date_string_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

namespace orbel {

namespace {

// The engine's records are the library's records, field for field.
#define ORBEL_SAME_FIELD(Ours, Theirs, ourField, theirField)                   \
    static_assert(offsetof(Ours, ourField) == offsetof(Theirs, theirField) && \
                  sizeof(Ours::ourField) == sizeof(Theirs::theirField))
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, epoch, epoch);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, cycle, cycle);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, position, position);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, element, element);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, animal, animal);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, month, month);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, day, day);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, valid, valid);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, jdn, jdn);
ORBEL_SAME_FIELD(ChlDate, orbel2_chl_date, leap, leap);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, epoch, epoch);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, cycle, cycle);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, position, position);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, element, element);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, animal, animal);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, term, term);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, day, day);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, valid, valid);
ORBEL_SAME_FIELD(ChsDate, orbel2_chs_date, jdn, jdn);
#undef ORBEL_SAME_FIELD
static_assert(sizeof(ChlDate) == sizeof(orbel2_chl_date) && sizeof(ChsDate) == sizeof(orbel2_chs_date));

std::string LoaderError() {
    const char* error = dlerror();
    return error != nullptr ? error : "unknown error";
}

// Binds one export; the library's functions are looked up by their C names.
template <typename Function>
bool Bind(void* handle, const char* name, Function& function, std::string& detail) {
    dlerror();  // clear any earlier error
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) {
        detail = LoaderError();
        return false;
    }
    function = reinterpret_cast<Function>(symbol);
    return true;
}

// The record crosses as a copy, so that no object is ever seen through a
// pointer of an unrelated type.
template <typename Record, typename CRecord, typename Parser>
bool CallParser(Parser parser, std::string_view text, Record& date) {
    if (parser == nullptr || text.find('\0') != std::string_view::npos) {
        date.valid = 0;
        return false;
    }
    const std::string terminated(text);  // the library wants a zero at the end
    CRecord record = std::bit_cast<CRecord>(date);
    parser(terminated.c_str(), &record);
    date = std::bit_cast<Record>(record);
    return date.valid == 1;
}

}  // namespace

DateStringLibrary::DateStringLibrary(const std::string& folder) {
    path_ = folder;
    if (!path_.empty() && path_.back() != '/') path_ += '/';
    path_ += DateStringLibraryFileName;
    // RTLD_NOW: a library with unresolved references fails here, not in the
    // middle of a parse.
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        status_ = DateStringLibraryNotLoaded;
        detail_ = LoaderError();
        return;
    }
    if (!Bind(handle_, "chl_datestr_to_chldate", chl_, detail_) ||
        !Bind(handle_, "chs_datestr_to_chsdate", chs_, detail_)) {
        status_ = DateStringLibraryLacksFunction;
        chl_ = nullptr;
        chs_ = nullptr;
        dlclose(handle_);
        handle_ = nullptr;
        return;
    }
    status_ = DateStringLibraryBound;
}

DateStringLibrary::DateStringLibrary(int16_t status, std::string detail)
    : status_(status), detail_(std::move(detail)) {}

DateStringLibrary DateStringLibrary::Unavailable(int16_t status, std::string detail) {
    return DateStringLibrary(status, std::move(detail));
}

DateStringLibrary::~DateStringLibrary() {
    if (handle_ != nullptr) dlclose(handle_);
}

bool DateStringLibrary::ParseChl(std::string_view text, ChlDate& date) const {
    return CallParser<ChlDate, orbel2_chl_date>(chl_, text, date);
}

bool DateStringLibrary::ParseChs(std::string_view text, ChsDate& date) const {
    return CallParser<ChsDate, orbel2_chs_date>(chs_, text, date);
}

std::string ExecutableFolder(std::string& error) {
    // readlink does not say when it truncated; grow until the link fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            error = std::string("readlink /proc/self/exe: ") + std::strerror(errno);
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(length));
            const std::size_t slash = path.rfind('/');
            if (slash == std::string::npos) {
                error = "readlink /proc/self/exe: no folder in " + path;
                return {};
            }
            return slash == 0 ? std::string("/") : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

const DateStringLibrary& ProgramDateStringLibrary() {
    // A function-local static is initialised once, even when several threads
    // arrive together, and lives until the program ends.
    static const DateStringLibrary library = [] {
        std::string error;
        const std::string folder = ExecutableFolder(error);
        if (folder.empty())
            return DateStringLibrary::Unavailable(DateStringLibraryNoFolder,
                                                  "the program's own folder is unknown (" + error + ")");
        return DateStringLibrary(folder);
    }();
    return library;
}

std::string DateStringLibraryError(const DateStringLibrary& library) {
    if (library.Bound()) return {};
    return "The date-string library " + std::string(DateStringLibraryFileName) +
           " could not be loaded: " + library.Detail();
}

bool ParseChlDateStr(std::string_view text, ChlDate& date) {
    return ProgramDateStringLibrary().ParseChl(text, date);
}

bool ParseChsDateStr(std::string_view text, ChsDate& date) {
    return ProgramDateStringLibrary().ParseChs(text, date);
}

}  // namespace orbel
