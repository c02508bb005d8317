// Texts of dates, numbers, durations, day counts and times of day: the cases
// and their texts are in tests/data/date_text_cases.txt.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dates/date_text.h"
#include "dates/day_numbers.h"
#include "services/calendar_conversion.h"
#include "tests/golden.h"
#include "views/year_data.h"

using namespace orbel;

namespace {

int Int(const std::string& word) { return std::atoi(word.c_str()); }
double Real(const std::string& word) { return std::strtod(word.c_str(), nullptr); }

EuroDate Date(const std::vector<std::string>& a) { return MakeEuroDate(Int(a[0]), Int(a[1]), Int(a[2]), a[3][0]); }

}  // namespace

TEST(DateText, Cases) {
    using Args = const std::vector<std::string>&;
    orbel::testing::ExpectCaseTable(
        "date_text_cases.txt",
        {{"EuroDateToStr", [](Args a) { return EuroDateToStr(Date(a)); }},
         {"EuroDateLongForm", [](Args a) { return EuroDateLongForm(Date(a)); }},
         {"EuroDateLongFormOfJdn",
          [](Args a) {
              EuroDate ce, jc;
              JDNToEuroDates(Int(a[0]), ce, jc);
              return EuroDateLongForm(a[1] == "G" ? ce : jc);
          }},
         {"SeparateThousands", [](Args a) { return SeparateThousands(a[0], a[1]); }},
         {"OrdinalStr", [](Args a) { return OrdinalStr(int16_t(Int(a[0]))); }},
         {"DurationStr", [](Args a) { return DurationStr(Int(a[0]), a[1] == "1"); }},
         {"CompactDurationStr", [](Args a) { return CompactDurationStr(Int(a[0])); }},
         {"PadLeft", [](Args a) { return PadLeft(a[0], int16_t(Int(a[1])), a[2][0]); }},
         {"DayCountStr", [](Args a) { return DayCountStr(Real(a[0]), a[1].c_str()); }},
         {"DayOfWeekName", [](Args a) { return DayOfWeekName(DayOfWeek(Int(a[0])), a[1] == "1"); }},
         {"DayOfWeekNameOfNumber", [](Args a) { return DayOfWeekName(Int(a[0]), a[1] == "1"); }},
         {"TimeOfDayStr", [](Args a) { return TimeOfDayStr(Real(a[0]), a[1] == "1"); }},
         {"LondonTime", [](Args a) { return LondonTime(Real(a[0])); }},
         {"PaddedEuroDate", [](Args a) {
              EuroDate date = Date(a);
              return PaddedEuroDate(EuroDateToJDN(date), a[3][0]);
          }}});
}

TEST(DateText, EpochMethod) {
    EXPECT_EQ(EpochMethod(true, {}), "Epoch = -2696, method = true sun");
    EXPECT_EQ(EpochMethod(false, {.epoch = -2636, .method = 1}), "epoch = -2636, method = mean sun");
}
