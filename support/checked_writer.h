#pragma once
// The one way the program writes a file (the state file, a saved log, a
// calendar file, an image). The contents go to a new temporary file beside
// the target; every write, the flush to the disk and the rename over the
// target are checked. When any step fails the temporary file is removed,
// a file already at the target is left exactly as it was, and the caller
// is told why. A full disk or a file-size limit therefore never leaves a
// cut-short file in place of a good one.
#include <functional>
#include <string>
#include <string_view>

namespace orbel {

struct FileWriteResult {
    bool ok = false;
    std::string error;  // the system's reason when not ok ("No space left on device")
};

// Writes `contents` as the whole file `path`.
FileWriteResult WriteFileChecked(const std::string& path, std::string_view contents);

// The same for contents that only a producer can write, given a file name
// (an image converter): `produce` writes the whole file at the temporary
// path it is handed, and returns false with `error` set when it cannot.
using FileProducer = std::function<bool(const std::string& temporaryPath, std::string& error)>;
FileWriteResult WriteFileChecked(const std::string& path, const FileProducer& produce);

}  // namespace orbel
