// Arbitrary texts typed into the Date box: ParseDate either accepts them with
// a finite moment or refuses them with one of its fifteen error codes, and
// never crashes or reads past the text. Run with a large ORBEL_FUZZ_COUNT
// under the sanitizers by scripts/sanitize.sh.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "tests/text_fuzzer.h"

namespace orbel {
namespace {

TEST(ParseDateFuzz, EveryTextIsAcceptedOrRefusedWithACode) {
    ScriptedUserPort port;
    MainWindowModel model(port);
    model.Load("");
    fuzz::FuzzOptions options;
    options.seed = 20261206;
    // A tenth of the library's count: each text here costs a full entry.
    options.count = fuzz::FuzzCount(1000000) / 10;
    size_t accepted = 0;
    size_t byCode[16] = {};
    // Half the texts get a calendar code at the end, so that they reach the
    // branches of every calendar rather than stopping at the missing code.
    static const char* const Codes[] = {" CE", " JC", " CHL", " CHS", " PAN", " AJD", " CJDC", " CJDL"};
    size_t n = 0;
    fuzz::FuzzTexts(options, [&](std::string_view generated) {
        std::string withCode;
        std::string_view text = generated;
        if (++n % 2 == 0) {
            withCode = std::string(generated) + Codes[(n / 2) % 8];
            text = withCode;
        }
        model.txbTime.text.clear();
        model.txbPlusMinus.text.clear();
        int16_t error = -1;
        const double ajd = model.ParseDate(text, error);
        ASSERT_GE(error, 0) << text;
        ASSERT_LE(error, 15) << text;
        if (error == 0) {
            // A day count of hundreds of digits reads as infinity; the
            // convert cycle's range check refuses it ("Date is later than
            // 3000-01-01 CE."), so only the lower bound is ParseDate's.
            ASSERT_FALSE(std::isnan(ajd)) << text;
            ASSERT_GE(ajd, EarliestMomentAJD) << text;
            ++accepted;
        } else {
            ASSERT_EQ(ajd, 0.0) << text;
        }
        ++byCode[error];
        port.messages.clear();
    });
    // The generator reaches both outcomes and a spread of refusals.
    EXPECT_GT(accepted, 0u);
    int codesSeen = 0;
    for (size_t n : byCode) codesSeen += n > 0;
    EXPECT_GE(codesSeen, 6);
    std::printf("ParseDate: %zu texts, %zu accepted, %d distinct outcomes\n", options.count, accepted, codesSeen);
}

}  // namespace
}  // namespace orbel
