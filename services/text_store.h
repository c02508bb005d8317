#pragma once
// tessan: the program text store. Loads a program text file once and hands
// out its texts by number and language.
//
// File layout (data/orbel.dat is the program's own):
//   ";" at the start of a line: a comment. Empty lines are skipped.
//   "[n]" or "[n] name": the texts that follow belong to language n
//     (0 to 32767); before the first such line, language 0.
//   "number text": the number (1 to 32767), one blank or tab, the text to the
//     end of the line, at most MaxTextLength bytes. "~" stands for the empty
//     text. A number appears at most once per language.
// Line ends may be LF or CR LF; a UTF-8 byte-order mark is skipped.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace orbel {

inline constexpr int32_t MaxTextLength = 1024;       // bytes of one text
inline constexpr int32_t DefaultMaxTextCount = 10000;

// Load statuses of `lt`: positive counts, these otherwise.
enum TextLoadStatus : int32_t {
    TextsNoneRead = 0,
    TextsCannotOpen = -1,
    TextsParticularAllocation = -2,
    TextsTooMany = -3,
    TextsNotRecovered = -4,
    TextsFileEmpty = -6,
    TextsReadError = -7,
    TextsGeneralAllocation = -8,
};

// Where a line-numbered failure is encoded: -(base + line).
inline constexpr int32_t MissingStringBase = 500;
inline constexpr int32_t StringTooLongBase = 1000;
inline constexpr int32_t DuplicateBase = 1500;
inline constexpr int32_t MaxEncodableLine = 500;  // for missing and too long

enum class TextLoadFault { None, Status, MissingString, StringTooLong, Duplicate };

// The full outcome of a load. The line-numbered faults keep their line here
// even where the single status number of `lt` cannot carry it.
struct TextLoadResult {
    int32_t count = 0;            // texts read, on success
    TextLoadFault fault = TextLoadFault::None;
    int32_t status = 0;           // for fault Status: one of TextLoadStatus
    int32_t line = 0;             // for the line-numbered faults, from 1

    // The status number of `lt`. A missing or too-long text beyond line 500
    // has no number of its own in that scheme and gives -5.
    int32_t Code() const;
};

// The texts of one file, by language and number.
class TextStore {
public:
    // Reads the file at `path`; `maxTexts` <= 0 means DefaultMaxTextCount.
    // The store keeps its previous texts when the load fails.
    TextLoadResult Load(const std::string& path, int32_t maxTexts = 0);
    // Parses file contents already in memory (what Load does after reading).
    TextLoadResult LoadFromText(std::string_view contents, int32_t maxTexts = 0);

    // The text, or null when the language has no such number. With
    // `fallBack`, a number missing in `language` is looked up in language 0.
    // The text stays readable while the caller holds it, even when another
    // thread loads the store again meanwhile.
    std::shared_ptr<const std::string> Find(int32_t number, int32_t language, bool fallBack) const;
    size_t size() const;

private:
    using Texts = std::map<std::pair<int32_t, int32_t>, std::string>;  // (language, number)
    std::shared_ptr<const Texts> Snapshot() const;

    // A load builds a new set of texts and swaps it in under the lock; readers
    // share the set they found, so none reads a set being replaced.
    mutable std::mutex mutex_;
    std::shared_ptr<const Texts> texts_;
};

// The store the program's text calls use: one per process, like the loaded
// library whose contract `lt` and `gt` keep.
TextStore& ProgramTextStore();

// Loads the program text file at `path` (8-bit text) into ProgramTextStore.
// `maxTexts`: the most texts accepted, <= 0 for the default. Returns the
// number of texts read when positive, else a status (TextLoadStatus, or
// -(500 + line) missing text, -(1000 + line) text too long, -(1500 + line)
// duplicate number).
int32_t lt(const char* path, int32_t maxTexts);

// Copies text `number` of `language` into `buffer` (no terminating zero is
// added when the text fills it) and returns its length; 0 when there is no
// such text (or it is empty), -1 when `buffer` is null or `bufferSize` is too
// small for the text. `fallBack` 1: a number missing in the language is taken
// from language 0; 0: it is not.
int32_t gt(int32_t number, int32_t language, char* buffer, int32_t bufferSize, int32_t fallBack);

}  // namespace orbel
