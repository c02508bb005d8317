#pragma once
// The calendar terms of the Chinese calendars in the words of the countries
// that keep them: one table per language and kind. English has none here; its
// words are the program's own texts (cycles.h, sol_eq.h).
#include <array>
#include <string_view>

#include "engine/names.h"

namespace orbel {

struct NameTables {
    std::array<std::string_view, 10> stems;     // by stem number - 1
    std::array<std::string_view, 12> branches;  // by branch number - 1
    std::string_view stemBranchJoin;            // between a stem and a branch
    std::array<std::string_view, 12> animals;   // by animal index 0 (rat) .. 11
    std::array<std::string_view, 12> months;    // by month number - 1
    // A month's name and a leap month's: "%" stands for the month's table word.
    std::string_view monthForm;
    std::string_view leapMonthForm;
    std::array<std::string_view, 30> days;   // by day number - 1
    std::array<std::string_view, 24> terms;  // by solar-term index, 0 the winter solstice
    std::array<std::string_view, 4> phases;  // the principal phases of the Moon, 0 the dark moon
};

// The tables of a language; nullptr for English.
const NameTables* NameTablesOf(Names names);

// The six days of the rokuyō, by (lunar month number + day) mod 6: 0 大安,
// 1 赤口, 2 先勝, 3 友引, 4 先負, 5 仏滅.
inline constexpr std::array<std::string_view, 6> RokuyoNames = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};

}  // namespace orbel
