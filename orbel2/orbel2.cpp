// The date-string library. It depends on nothing but the language itself and
// reads its input only up to the terminating zero: every scan below stops at
// the terminator, and no word is ever copied, so no text can overrun a buffer.
#include "orbel2/orbel2.h"

#include <cstddef>
#include <cstdint>

namespace {

// Longest element and animal words considered. The names are far shorter, so
// the limits change no verdict; they bound the work done on a silly word.
constexpr std::size_t ElementWordLimit = 23;
constexpr std::size_t AnimalWordLimit = 31;

constexpr const char* ElementNames[] = {"Wood", "Fire", "Earth", "Metal", "Water"};
constexpr const char* AnimalNames[] = {"Rat",   "Ox",    "Tiger",  "Rabbit",  "Dragon", "Snake",
                                       "Horse", "Sheep", "Monkey", "Rooster", "Dog",    "Pig"};

// The ctype functions are undefined for negative chars and follow the locale;
// these follow the "C" locale on any byte.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The first `c` in `text` at or after `from`, or null at the terminator.
const char* Find(const char* from, char c) {
    for (; *from != '\0'; ++from)
        if (*from == c) return from;
    return nullptr;
}

int CountDashes(const char* text) {
    int count = 0;
    for (; *text != '\0'; ++text)
        if (*text == '-') ++count;
    return count;
}

struct Number {
    int32_t value = 0;
    bool fits = true;  // false when the digits leave the 32-bit range
};

// Reads a number as strtol does (C-locale white space, an optional sign, the
// digits up to the first other character; no digits read as 0). Unlike a
// long stored into 32 bits, a number beyond the 32-bit range is reported, not
// wrapped round to some other number.
Number ReadNumber(const char* text) {
    while (IsCSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    constexpr int64_t Limit = int64_t{INT32_MAX} + 1;  // the magnitude of INT32_MIN
    int64_t magnitude = 0;
    for (; IsDigit(*text); ++text) {
        // Once past the limit the value is out of range whatever follows;
        // stop accumulating so the product cannot overflow.
        if (magnitude <= Limit) magnitude = magnitude * 10 + (*text - '0');
    }
    if (magnitude > Limit || (!negative && magnitude == Limit)) return {0, false};
    return {static_cast<int32_t>(negative ? -magnitude : magnitude), true};
}

// The index of the first name equal to the `length` characters at `word`,
// ignoring letter case, or -1.
int32_t FindNameIndex(const char* const* table, int32_t count, const char* word, std::size_t length) {
    for (int32_t i = 0; i < count; ++i) {
        const char* name = table[i];
        std::size_t k = 0;
        while (k < length && name[k] != '\0' && AsciiLower(name[k]) == AsciiLower(word[k])) ++k;
        if (k == length && name[k] == '\0') return i;
    }
    return -1;
}

// Position of the element-animal pair in the 60-year cycle: Wood-Rat 1,
// Wood-Ox 2, Fire-Tiger 3, ..., Water-Dog 59, Water-Pig 60. An element spans
// two stems; the stem whose parity matches the animal's is the one paired.
int32_t CyclePosition(int32_t element, int32_t animal) {
    int32_t k;
    if (animal % 2 == 0)
        k = animal <= 2 * element ? 1 : 61;
    else
        k = animal <= 2 * element + 1 ? 7 : 67;
    return 12 * element - 5 * animal + k;
}

// The fields both records share, and how the two calendars differ.
struct Target {
    int32_t& cycle;
    int32_t& position;
    int32_t& element;
    int32_t& animal;
    int32_t& third;  // lunar month or solar term
    int32_t& day;
    int32_t* leap;  // null for the solar calendar
    int32_t thirdMax;
    int32_t dayMax;
};

bool Store(int32_t& field, Number number) {
    if (!number.fits) return false;
    field = number.value;
    return true;
}

// Returns the verdict; the caller stores it in the valid flag.
bool Parse(const char* text, Target r) {
    if (text == nullptr || text[0] == '\0') return false;
    // Cycles before the first are written with a minus sign ("-3-37-04-12"
    // is the 37th year of cycle -3): that dash is the cycle's sign, not a
    // separator, and digits must follow it.
    const char* body = text[0] == '-' ? text + 1 : text;
    if (body != text && !IsDigit(body[0])) return false;
    const bool lunar = r.leap != nullptr;
    if (!lunar && Find(text, '*') != nullptr) return false;

    const int dashes = CountDashes(body);
    if (dashes != 3 && dashes != 4) return false;
    // Three dashes at least, so these exist.
    const char* dash1 = Find(body, '-');
    const char* dash2 = Find(dash1 + 1, '-');
    const char* monthField = dash2 + 1;
    const char* dash3 = Find(monthField, '-');

    if (!Store(r.cycle, ReadNumber(text))) return false;
    if (!Store(r.position, ReadNumber(dash1 + 1))) return false;
    if (!Store(r.third, ReadNumber(monthField))) return false;

    if (lunar) {
        // "9*" marks leap month 9; a "*" beyond the month belongs to no month.
        const char* star = Find(monthField, '*');
        if (star != nullptr && star > dash3) return false;
        *r.leap = star != nullptr ? 1 : 0;
    }

    const char* dayField = dash3 + 1;
    if (!Store(r.day, ReadNumber(dayField))) return false;

    if (r.position < 0 || r.position > 60) return false;
    if (r.third < 1 || r.third > r.thirdMax) return false;
    if (r.day < 1 || r.day > r.dayMax) return false;

    if (r.position > 0) {
        r.element = -1;
        r.animal = -1;
        return true;  // anything after the day is ignored
    }

    // Position 0: the element-animal follows the day after a blank.
    if (dashes == 3) return false;
    if (Find(dayField, ' ') == nullptr) return false;
    const char* p = dayField;
    while (IsDigit(*p)) ++p;
    while (*p == ' ') ++p;
    // Digits and blanks are not dashes, so the fourth dash lies ahead.
    const char* dash4 = Find(p, '-');
    const char* elementWord = p;
    const std::size_t elementLength = static_cast<std::size_t>(dash4 - p);
    p = dash4 + 1;
    while (*p == ' ') ++p;
    const char* animalWord = p;
    while (*p != '\0' && *p != ' ') ++p;
    const std::size_t animalLength = static_cast<std::size_t>(p - animalWord);
    if (elementLength > ElementWordLimit || animalLength > AnimalWordLimit) return false;

    r.element = FindNameIndex(ElementNames, 5, elementWord, elementLength);
    if (r.element < 0) return false;
    r.animal = FindNameIndex(AnimalNames, 12, animalWord, animalLength);
    if (r.animal < 0) return false;
    r.position = CyclePosition(r.element, r.animal);
    return true;
}

}  // namespace

extern "C" void chl_datestr_to_chldate(const char* text, orbel2_chl_date* date) {
    if (date == nullptr) return;
    Target target{date->cycle, date->position, date->element, date->animal, date->month,
                  date->day,   &date->leap,   12,           31};
    date->valid = Parse(text, target) ? 1 : 0;
}

extern "C" void chs_datestr_to_chsdate(const char* text, orbel2_chs_date* date) {
    if (date == nullptr) return;
    Target target{date->cycle, date->position, date->element, date->animal, date->term,
                  date->day,   nullptr,       24,           16};
    date->valid = Parse(text, target) ? 1 : 0;
}
