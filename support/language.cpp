#include "support/language.h"

#include <array>

#include "dates/date_text.h"

namespace orbel {
namespace {

constexpr int32_t TextBufferSize = 1024;
// `gt`'s last argument: take a number missing in the language from language 0.
constexpr int32_t FallBackToFirstLanguage = 1;

std::string LineMessage(std::string_view words, int32_t line) {
    return std::string(words) + " " + std::to_string(line) + ".";
}

}  // namespace

std::string ProgramTextPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !path.ends_with('/') && !path.ends_with('\\')) path += '/';
    return path + std::string(name);
}

std::string ProgramTextLoadMessage(int32_t status, std::string_view path) {
    switch (status) {
        case TextsNoneRead: return "No program text was read.";
        case TextsCannotOpen: return "Cannot open file containing program text.\r\n" + std::string(path);
        case TextsParticularAllocation: return "Particular memory allocation error.";
        case TextsTooMany: return "Too much program text.";
        case TextsNotRecovered: return "Text not recovered.";
        case TextsFileEmpty: return "File is empty.";
        case TextsReadError: return "Error reading file.";
        case TextsGeneralAllocation: return "General memory allocation error.";
        default: break;
    }
    if (status <= -(MissingStringBase + 1) && status >= -StringTooLongBase)
        return LineMessage("Missing string at line", -status - MissingStringBase);
    if (status <= -(StringTooLongBase + 1) && status >= -DuplicateBase)
        return LineMessage("String too long at line", -status - StringTooLongBase);
    if (status < -DuplicateBase) return LineMessage("Duplicate in program text at line", -status - DuplicateBase);
    return "Error " + SignedNumberStr(status);
}

std::string ProgramTextLoadMessage(const TextLoadResult& result, std::string_view path) {
    switch (result.fault) {
        case TextLoadFault::MissingString: return LineMessage("Missing string at line", result.line);
        case TextLoadFault::StringTooLong: return LineMessage("String too long at line", result.line);
        case TextLoadFault::Duplicate: return LineMessage("Duplicate in program text at line", result.line);
        case TextLoadFault::None:
        case TextLoadFault::Status: break;
    }
    return ProgramTextLoadMessage(result.Code(), path);
}

std::optional<std::string> LoadProgramText(std::string_view folder, std::string_view name) {
    const std::string path = ProgramTextPath(folder, name);
    // The full result rather than `lt`'s single number, so that a fault beyond
    // line 500 is still reported at its own line.
    const TextLoadResult result = ProgramTextStore().Load(path);
    if (result.Code() >= 1) return std::nullopt;
    return ProgramTextLoadMessage(result, path);
}

std::string ProgramText(int16_t n, int16_t language) {
    std::array<char, TextBufferSize> buffer{};
    const int32_t length = gt(n, language, buffer.data(), TextBufferSize, FallBackToFirstLanguage);
    if (length <= 0) return {};
    std::string text(buffer.data(), static_cast<size_t>(length));
    if (text == "~") return {};
    return text;
}

}  // namespace orbel
