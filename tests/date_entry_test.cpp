// Date-entry pieces without the window: messages, times, plus/minus days,
// Western date texts and the overseas Chinese year.
#include <gtest/gtest.h>

#include "dates/date_entry.h"
#include "tests/golden.h"

#include <charconv>

namespace orbel {
namespace {

// Every code's message, for China and for the other countries, one line each
// with its line breaks shown as \r and \n.
TEST(DateEntryMessages, TextOfEveryCode) {
    std::string text;
    for (const bool isChina : {true, false}) {
        for (int code = 0; code <= 16; ++code) {
            text += std::to_string(code) + (isChina ? " China: " : " other: ") +
                    testing::OneLine(DateErrorMessage(code, isChina)) + "\n";
        }
    }
    testing::ExpectGolden("date_error_messages.txt", text);
}

TEST(DateEntry, Cases) {
    using Args = const std::vector<std::string>&;
    testing::ExpectCaseTable(
        "date_entry_cases.txt",
        {{"ParseTimeText", [](Args a) { return std::to_string(ParseTimeText(a[0])); }},
         {"IsValidPlusMinus",
          [](Args a) {
              std::string text = a[0];
              return IsValidPlusMinus(text, a[1] == "1") ? "valid " + text : "refused " + text;
          }},
         {"LeadingNumber",
          [](Args a) {
              char text[32];
              return std::string(text, std::to_chars(text, text + sizeof text, LeadingNumber(a[0])).ptr);
          }},
         {"OverseasYearToCycle",
          [](Args a) {
              const CyclePosition y = OverseasYearToCycle(std::stoi(a[0]));
              return std::to_string(y.cycle) + "-" + std::to_string(y.position);
          }},
         {"StrToEuroDate", [](Args a) {
              EuroDate date;
              date.letter = a[1][0];
              const int status = StrToEuroDate(a[0], date);
              return std::to_string(status) + (date.valid ? " valid " : " not valid ") + std::to_string(date.year) +
                     "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
          }}});
}

}  // namespace
}  // namespace orbel
