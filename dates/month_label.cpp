#include "dates/month_label.h"

#include "dates/date_text.h"

namespace orbel {

std::string MonthLabel(int month, bool leap) { return leap ? std::to_string(month) + "*" : TwoDigits(month); }

std::string MonthLabelStr(const LunarMonthLabel& label) {
    switch (label.state) {
        case LunarMonthLabel::State::Numbered: return MonthLabel(label.number, label.leap);
        case LunarMonthLabel::State::StopHere: return "stop here";
        case LunarMonthLabel::State::Unnumbered: break;
    }
    return {};
}

}  // namespace orbel
