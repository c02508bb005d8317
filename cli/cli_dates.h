#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace orbel::cli {

// Reads a CE date written Y-MM-DD (Y may be negative; month and day may have
// one or two digits) and returns its day number, or nothing with `error` set
// when the text is not a real date or lies outside -3000-01-01..3000-01-01.
std::optional<int32_t> ParseCEDateArgument(const std::string& text, std::string& error);

}  // namespace orbel::cli
