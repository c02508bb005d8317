#include "services/text_store.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace orbel {
namespace {

constexpr int32_t MaxNumber = 32767;

TextLoadResult StatusResult(int32_t status) { return TextLoadResult{0, TextLoadFault::Status, status, 0}; }
TextLoadResult LineResult(TextLoadFault fault, int32_t line) { return TextLoadResult{0, fault, 0, line}; }

// The whole of `text` as a number 0..MaxNumber, or -1.
int32_t SmallNumber(std::string_view text) {
    int32_t value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > MaxNumber) return -1;
    return value;
}

// "[n]" or "[n] name": the language number, or -1.
int32_t LanguageHeader(std::string_view line) {
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return -1;
    const std::string_view rest = line.substr(close + 1);
    if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return -1;
    return SmallNumber(line.substr(1, close - 1));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

int32_t TextLoadResult::Code() const {
    switch (fault) {
        case TextLoadFault::None: return count;
        case TextLoadFault::Status: return status;
        case TextLoadFault::MissingString:
            return line <= MaxEncodableLine ? -(MissingStringBase + line) : -5;
        case TextLoadFault::StringTooLong:
            return line <= MaxEncodableLine ? -(StringTooLongBase + line) : -5;
        case TextLoadFault::Duplicate: return -(DuplicateBase + line);
    }
    return -5;
}

TextLoadResult TextStore::Load(const std::string& path, int32_t maxTexts) {
    std::string contents;
    try {
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
        if (!file) return StatusResult(TextsCannotOpen);
        char chunk[65536];
        size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) contents.append(chunk, got);
        // A folder opens but cannot be read.
        if (std::ferror(file.get())) return StatusResult(TextsReadError);
    } catch (const std::bad_alloc&) {
        return StatusResult(TextsGeneralAllocation);
    }
    if (contents.empty()) return StatusResult(TextsFileEmpty);
    return LoadFromText(contents, maxTexts);
}

TextLoadResult TextStore::LoadFromText(std::string_view contents, int32_t maxTexts) {
    if (maxTexts <= 0) maxTexts = DefaultMaxTextCount;
    if (contents.empty()) return StatusResult(TextsFileEmpty);
    if (contents.starts_with("\xEF\xBB\xBF")) contents.remove_prefix(3);

    std::map<std::pair<int32_t, int32_t>, std::string> texts;
    int32_t language = 0;
    int32_t lineNumber = 0;
    try {
        while (!contents.empty()) {
            ++lineNumber;
            const size_t end = contents.find('\n');
            std::string_view line = contents.substr(0, end);
            contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
            if (line.ends_with('\r')) line.remove_suffix(1);
            if (line.empty() || line.front() == ';') continue;
            if (line.front() == '[') {
                language = LanguageHeader(line);
                if (language < 0) return LineResult(TextLoadFault::MissingString, lineNumber);
                continue;
            }
            // A number, one separator, then the text: anything else lacks its text.
            const size_t digits = line.find_first_not_of("0123456789");
            const int32_t number = SmallNumber(line.substr(0, digits));
            if (number < 1 || digits == std::string_view::npos || (line[digits] != ' ' && line[digits] != '\t') ||
                digits + 1 == line.size())
                return LineResult(TextLoadFault::MissingString, lineNumber);
            const std::string_view text = line.substr(digits + 1);
            if (text.size() > static_cast<size_t>(MaxTextLength))
                return LineResult(TextLoadFault::StringTooLong, lineNumber);
            if (texts.contains({language, number})) return LineResult(TextLoadFault::Duplicate, lineNumber);
            if (static_cast<int64_t>(texts.size()) >= maxTexts) return StatusResult(TextsTooMany);
            try {
                texts.emplace(std::pair{language, number}, std::string(text));
            } catch (const std::bad_alloc&) {
                return StatusResult(TextsParticularAllocation);
            }
        }
    } catch (const std::bad_alloc&) {
        return StatusResult(TextsGeneralAllocation);
    }
    if (texts.empty()) return StatusResult(TextsNoneRead);
    const auto count = static_cast<int32_t>(texts.size());
    auto loaded = std::make_shared<const Texts>(std::move(texts));
    const std::lock_guard lock(mutex_);
    texts_ = std::move(loaded);
    return TextLoadResult{count, TextLoadFault::None, 0, 0};
}

std::shared_ptr<const TextStore::Texts> TextStore::Snapshot() const {
    const std::lock_guard lock(mutex_);
    return texts_;
}

size_t TextStore::size() const {
    const auto texts = Snapshot();
    return texts ? texts->size() : 0;
}

std::shared_ptr<const std::string> TextStore::Find(int32_t number, int32_t language, bool fallBack) const {
    const auto texts = Snapshot();
    if (!texts) return nullptr;
    auto found = texts->find({language, number});
    if (found == texts->end() && fallBack && language != 0) found = texts->find({0, number});
    if (found == texts->end()) return nullptr;
    return std::shared_ptr<const std::string>(texts, &found->second);  // keeps the whole set alive
}

TextStore& ProgramTextStore() {
    static TextStore store;
    return store;
}

int32_t lt(const char* path, int32_t maxTexts) {
    if (path == nullptr) return TextsCannotOpen;
    return ProgramTextStore().Load(path, maxTexts).Code();
}

int32_t gt(int32_t number, int32_t language, char* buffer, int32_t bufferSize, int32_t fallBack) {
    const auto text = ProgramTextStore().Find(number, language, fallBack == 1);
    if (text == nullptr || text->empty()) return 0;
    if (buffer == nullptr || bufferSize < 0 || text->size() > static_cast<size_t>(bufferSize)) return -1;
    std::memcpy(buffer, text->data(), text->size());
    if (text->size() < static_cast<size_t>(bufferSize)) buffer[text->size()] = '\0';
    return static_cast<int32_t>(text->size());
}

}  // namespace orbel
