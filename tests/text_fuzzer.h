#pragma once
// Random texts for the parsers of typed dates. FuzzTexts hands each text to a
// callback, so any parser can be driven by the same generator: add a test
// that calls FuzzTexts with a callback calling the new parser and checking
// what must hold of its result.
//
// Every text lies alone in a heap block of exactly its length with nothing
// after it, so that AddressSanitizer (scripts/sanitize.sh) catches a parser
// that reads one byte too far. A parser that needs a terminator gets it from
// ExactCopy, which again allocates exactly what it needs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace orbel::fuzz {

struct FuzzOptions {
    uint64_t seed = 20240611;
    std::size_t count = 200000;
    std::size_t maxTokens = 16;  // of the token and mutation kinds
};

// The number of texts: ORBEL_FUZZ_COUNT when set (the sanitizer run sets it
// to millions), otherwise `fallback`.
inline std::size_t FuzzCount(std::size_t fallback) {
    const char* value = std::getenv("ORBEL_FUZZ_COUNT");
    if (value == nullptr || *value == '\0') return fallback;
    char* end = nullptr;
    const unsigned long long count = std::strtoull(value, &end, 10);
    return (*end == '\0' && count > 0) ? static_cast<std::size_t>(count) : fallback;
}

// The text, followed by a zero when `terminated`, in a block of exactly that
// size (size 0 is a valid block too).
inline std::unique_ptr<char[]> ExactCopy(std::string_view text, bool terminated) {
    std::unique_ptr<char[]> copy(new char[text.size() + (terminated ? 1 : 0)]);
    if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
    if (terminated) copy[text.size()] = '\0';
    return copy;
}

class TextGenerator {
public:
    explicit TextGenerator(const FuzzOptions& options) : options_(options), random_(options.seed) {}

    std::string Next() {
        switch (Below(5)) {
            case 0: return RandomBytes();
            case 1: return TokenSoup();
            case 2: return Mutated(Structured());
            default: return Structured();
        }
    }

private:
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    char AnyByte() { return static_cast<char>(Below(256)); }

    std::string RandomBytes() {
        std::string text(Below(OneIn(50) ? 4096 : 64), '\0');
        for (char& c : text) c = AnyByte();
        return text;
    }

    std::string Digits(std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('0' + Below(10));
        return text;
    }

    // Numbers near every limit the parsers know of, and far beyond.
    std::string Number() {
        static const char* const Edges[] = {"0",          "1",           "12",         "13",         "16",
                                            "17",         "24",          "25",         "30",         "31",
                                            "32",         "60",          "61",         "-1",         "+5",
                                            "?",          "2147483647",  "2147483648", "-2147483648", "-2147483649",
                                            "4294967297", "4294967305",  "9223372036854775807",
                                            "9223372036854775808",       "18446744073709551628"};
        switch (Below(6)) {
            case 0: return Edges[Below(std::size(Edges))];
            case 1: return Digits(1 + Below(OneIn(20) ? 400 : 40));
            case 2: return std::string(Below(30), '0') + Digits(1 + Below(3));
            default: return Digits(1 + Below(2));
        }
    }

    std::string RandomCase(std::string word) {
        for (char& c : word)
            if (OneIn(2) && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return word;
    }

    // Elements come first in the list, then animals, then near misses.
    static constexpr const char* Names[] = {"wood",   "fire",  "earth",  "metal",   "water", "rat",   "ox",
                                            "tiger",  "rabbit", "dragon", "snake",  "horse", "sheep", "monkey",
                                            "rooster", "dog",  "pig",    "goat",    "cat",   "boar",  "wat"};
    static constexpr std::size_t ElementNames = 5, AnimalNames = 12;

    std::string Name(std::size_t first = 0, std::size_t count = std::size(Names)) {
        std::string name = RandomCase(Names[first + Below(count)]);
        // Words around the lengths a parser might keep room for.
        if (OneIn(8)) name += std::string(Below(40), static_cast<char>('a' + Below(26)));
        return name;
    }

    std::string Token() {
        static const char* const Marks[] = {"-", "-", "-", "*", " ", " ", "?", "+", "\t", "--", "-?-", " CHL", " CHS"};
        switch (Below(6)) {
            case 0: return Number();
            case 1: return Name();
            case 2: return std::string(1, AnyByte());
            case 3: return std::string(OneIn(10) ? 1 + Below(2000) : 1 + Below(3), " -*"[Below(3)]);
            default: return Marks[Below(std::size(Marks))];
        }
    }

    std::string TokenSoup() {
        std::string text;
        for (std::size_t n = Below(options_.maxTokens + 1); n > 0; --n) text += Token();
        return text;
    }

    // cycle-position-month[*]-day[ element-animal], mostly well formed.
    std::string Structured() {
        std::string text = OneIn(4) ? Number() : Digits(1 + Below(3));
        text += "-" + (OneIn(3) ? std::string("?") : (OneIn(4) ? Number() : std::to_string(Below(62))));
        text += "-" + (OneIn(4) ? Number() : std::to_string(Below(26)));
        if (OneIn(4)) text += "*";
        text += "-" + (OneIn(4) ? Number() : std::to_string(Below(33)));
        if (!OneIn(3)) {
            text += std::string(OneIn(5) ? Below(3) : 1, ' ') + (OneIn(4) ? Name() : Name(0, ElementNames));
            text += OneIn(8) ? " " : "-";
            if (OneIn(6)) text += " ";
            text += OneIn(4) ? Name() : Name(ElementNames, AnimalNames);
        }
        if (OneIn(6)) text += Token();
        return text;
    }

    std::string Mutated(std::string text) {
        for (std::size_t n = 1 + Below(4); n > 0; --n) {
            const std::size_t at = Below(text.size() + 1);
            switch (Below(4)) {
                case 0: text.insert(at, Token()); break;
                case 1: if (at < text.size()) text.erase(at, 1 + Below(3)); break;
                case 2: if (at < text.size()) text[at] = AnyByte(); break;
                default: text.insert(at, text.substr(Below(text.size() + 1))); break;
            }
        }
        return text;
    }

    FuzzOptions options_;
    std::mt19937_64 random_;
};

// Calls `consume` once for each of `options.count` texts, passing a view of a
// block that holds exactly the text. Same seed, same texts.
inline void FuzzTexts(const FuzzOptions& options, const std::function<void(std::string_view)>& consume) {
    TextGenerator generator(options);
    for (std::size_t i = 0; i < options.count; ++i) {
        const std::string text = generator.Next();
        consume(std::string_view(ExactCopy(text, false).get(), text.size()));
    }
}

}  // namespace orbel::fuzz
