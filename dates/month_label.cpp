#include "dates/month_label.h"

namespace orbel {

std::string MonthLabel(int month, bool leap) {
    std::string text = std::to_string(month);
    if (leap) return text + "*";
    return text.size() < 2 ? "0" + text : text;
}

std::string MonthLabelStr(const LunarMonthLabel& label) {
    switch (label.state) {
        case LunarMonthLabel::State::Numbered: return MonthLabel(label.number, label.leap);
        case LunarMonthLabel::State::StopHere: return "stop here";
        case LunarMonthLabel::State::Unnumbered: break;
    }
    return {};
}

}  // namespace orbel
