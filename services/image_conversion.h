#pragma once
// pixelo: the graphics library that turns a bitmap (BMP) file into a PNG file.
#include <cstddef>

namespace orbel {

// The size of the caller's error-text buffer.
inline constexpr std::size_t PixeloErrorBufferSize = 255;
// The error text of a conversion that succeeded.
inline constexpr const char* PixeloNoError = "No Error";

// Reads the BMP file `source` and writes it to `target` as a PNG file. Writes
// the error text ("No Error" on success) into `errorText`, a buffer of
// PixeloErrorBufferSize characters, and returns its length; the text is
// terminated by a zero character when it leaves room for one. Paths are
// 8-bit texts (UTF-8 here). A failed write may leave part of the target.
int convert_graphics_file_3(const char* source, const char* target, char* errorText);

}  // namespace orbel
