// Arbitrary texts through both date-string parsers, directly and through the
// program's wrappers: no crash, no read beyond the text, and every promise
// about the record kept. Run with a large ORBEL_FUZZ_COUNT under the
// sanitizers by scripts/sanitize.sh.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "dates/date_string_library.h"
#include "orbel2/orbel2.h"
#include "tests/text_fuzzer.h"

namespace orbel {
namespace {

// Values the library never writes into the caller's fields.
constexpr int32_t EpochMark = 0x5A5A5A5A;
constexpr int32_t JdnMark = -0x3C3C3C3C;
constexpr int32_t Unwritten = -77777;

template <typename Record>
Record Marked() {
    Record r;
    r.epoch = EpochMark;
    r.jdn = JdnMark;
    r.cycle = r.position = r.element = r.animal = r.day = r.valid = Unwritten;
    return r;
}

// Element and animal, when given, must be the pair at the position: stems
// count mod 10 (two per element), branches mod 12.
bool NamesAgreeWithPosition(int32_t position, int32_t element, int32_t animal) {
    if (element == -1 && animal == -1) return true;
    return element >= 0 && element <= 4 && animal >= 0 && animal <= 11 && (position - 1) % 12 == animal &&
           (position - 1) % 10 / 2 == element;
}

// The start of a text, escaped as Google Test prints strings.
std::string Printable(std::string_view text) { return ::testing::PrintToString(text.substr(0, 200)); }

struct Tally {
    std::size_t accepted = 0;
    std::size_t named = 0;  // accepted with an element-animal
    std::set<int32_t> namedPositions;
};

// The wrapper, given the bare view (a zero inside is refused), agrees with
// the direct call that wrote `direct` over `before`.
template <typename Record, typename Raw>
void CheckWrapper(std::string_view text, const Raw& before, const Raw& direct, const DateStringLibrary& library,
                  bool (DateStringLibrary::*parse)(std::string_view, Record&) const) {
    Record wrapped = std::bit_cast<Record>(before);
    const bool ok = (library.*parse)(text, wrapped);
    if (text.find('\0') == std::string_view::npos) {
        ASSERT_EQ(std::memcmp(&wrapped, &direct, sizeof direct), 0) << Printable(text);
        ASSERT_EQ(ok, direct.valid == 1);
    } else {
        ASSERT_FALSE(ok);
    }
}

// The promises both parsers keep: epoch and JDN untouched, a clear verdict,
// and for an accepted text a position with the names that belong to it.
template <typename Record>
void CheckCommon(std::string_view text, const Record& d, Tally& tally) {
    ASSERT_EQ(d.epoch, EpochMark) << Printable(text);
    ASSERT_EQ(d.jdn, JdnMark) << Printable(text);
    ASSERT_TRUE(d.valid == 0 || d.valid == 1) << Printable(text);
    if (d.valid != 1) return;
    ASSERT_TRUE(d.position >= 1 && d.position <= 60) << Printable(text);
    ASSERT_TRUE(NamesAgreeWithPosition(d.position, d.element, d.animal)) << Printable(text);
    ++tally.accepted;
    if (d.element == -1) return;
    ++tally.named;
    tally.namedPositions.insert(d.position);
}

// Fails the test (and tells which text) when a promise is broken.
void CheckLunar(std::string_view text, const char* terminated, const DateStringLibrary& library, Tally& tally) {
    orbel2_chl_date d = Marked<orbel2_chl_date>();
    d.month = d.leap = Unwritten;
    const orbel2_chl_date before = d;
    chl_datestr_to_chldate(terminated, &d);
    CheckCommon(text, d, tally);
    if (d.valid == 1) {
        if (text.starts_with('-')) {  // the minus is the cycle's sign
            ASSERT_LE(d.cycle, 0) << Printable(text);
        }
        ASSERT_TRUE(d.month >= 1 && d.month <= 12) << Printable(text);
        ASSERT_TRUE(d.day >= 1 && d.day <= 31) << Printable(text);
        ASSERT_TRUE(d.leap == 0 || d.leap == 1) << Printable(text);
    }

    // No state between calls: the same text gives the same record.
    orbel2_chl_date again = before;
    chl_datestr_to_chldate(terminated, &again);
    ASSERT_EQ(std::memcmp(&again, &d, sizeof d), 0) << Printable(text);

    CheckWrapper(text, before, d, library, &DateStringLibrary::ParseChl);
}

void CheckSolar(std::string_view text, const char* terminated, const DateStringLibrary& library, Tally& tally) {
    // A guard word after the nine fields catches a write of a tenth.
    struct {
        orbel2_chs_date date;
        int32_t guard;
    } g{Marked<orbel2_chs_date>(), Unwritten};
    g.date.term = Unwritten;
    const orbel2_chs_date before = g.date;
    chs_datestr_to_chsdate(terminated, &g.date);
    const orbel2_chs_date& d = g.date;

    ASSERT_EQ(g.guard, Unwritten) << Printable(text);
    CheckCommon(text, d, tally);
    if (d.valid == 1) {
        ASSERT_EQ(std::string_view(terminated).find('*'), std::string_view::npos) << Printable(text);
        ASSERT_TRUE(d.term >= 1 && d.term <= 24) << Printable(text);
        ASSERT_TRUE(d.day >= 1 && d.day <= 16) << Printable(text);
    }

    CheckWrapper(text, before, d, library, &DateStringLibrary::ParseChs);
}

TEST(DateStringFuzz, ArbitraryTextsKeepEveryPromise) {
    const DateStringLibrary& library = ProgramDateStringLibrary();
    ASSERT_TRUE(library.Bound()) << DateStringLibraryError(library);

    fuzz::FuzzOptions options;
    options.count = fuzz::FuzzCount(200000);
    Tally lunar, solar;
    fuzz::FuzzTexts(options, [&](std::string_view text) {
        if (HasFatalFailure()) return;
        const auto terminated = fuzz::ExactCopy(text, true);
        CheckLunar(text, terminated.get(), library, lunar);
        CheckSolar(text, terminated.get(), library, solar);
    });
    ASSERT_FALSE(HasFatalFailure());

    // The generator must reach the accepting paths, not only the refusals.
    EXPECT_GT(lunar.accepted, options.count / 50);
    EXPECT_GT(lunar.named, options.count / 500);
    EXPECT_GT(solar.accepted, options.count / 50);
    EXPECT_GT(solar.named, options.count / 500);
    // Every element-animal pair is read, each as its own position (a run of
    // the default size or more reaches them all).
    if (options.count >= 200000) {
        EXPECT_EQ(lunar.namedPositions.size(), 60u);
        EXPECT_EQ(solar.namedPositions.size(), 60u);
    }
    std::printf("%zu texts: CHL accepted %zu (%zu by names), CHS accepted %zu (%zu by names)\n", options.count,
                lunar.accepted, lunar.named, solar.accepted, solar.named);
}

}  // namespace
}  // namespace orbel
