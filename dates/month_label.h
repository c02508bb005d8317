#pragma once
// The label of a lunar month: its number and leap flag as the calendars keep
// them, and the one place where a label becomes text ("01", "4*").
#include <cstdint>
#include <string>

namespace orbel {

// One month of the year data. A numbered month has `number` 1..12 and, for a
// leap month, `leap` (it repeats the number of the month before it). The
// numbering of the year data ends at a month whose sui runs past the data:
// that month is `StopHere`, the months after it `Unnumbered`.
struct LunarMonthLabel {
    enum class State : uint8_t { Unnumbered, Numbered, StopHere };

    State state = State::Unnumbered;
    int8_t number = 0;  // 1..12 when numbered, else 0
    bool leap = false;

    static constexpr LunarMonthLabel Month(int number, bool leap = false) {
        return {State::Numbered, static_cast<int8_t>(number), leap};
    }
    static constexpr LunarMonthLabel StopHere() { return {State::StopHere, 0, false}; }

    constexpr bool IsNumbered() const { return state == State::Numbered; }
    // Month 1, not leap: the first month of a nian.
    constexpr bool IsNewYear() const { return *this == Month(1); }
    // Month 11, not leap: the month of the winter solstice, first of a sui.
    constexpr bool IsSuiStart() const { return *this == Month(11); }

    constexpr bool operator==(const LunarMonthLabel&) const = default;
};

// "01" to "12" for an ordinary month, the number unpadded followed by "*"
// for a leap month ("4*", "11*").
std::string MonthLabel(int month, bool leap);

// The text of a label: MonthLabel for a numbered month, "stop here" where
// the numbering stops, the empty text after it.
std::string MonthLabelStr(const LunarMonthLabel& label);

}  // namespace orbel
