#include "engine/observed_calendar.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "services/calendar_conversion.h"

namespace orbel {
namespace {

#include "engine/observed_months_data.inc"

constexpr int QingYearCount = static_cast<int>(std::size(ObservedYears));
static_assert(ObservedFirstYear == QingFirstYear && QingFirstYear + QingYearCount - 1 == QingLastYear);

int MonthsInYear(uint32_t word) { return (word >> 13 & 15u) != 0 ? 13 : 12; }
int LeapMonthOf(uint32_t word) { return static_cast<int>(word >> 13 & 15u); }
int16_t LengthOfMonth(uint32_t word, int i) { return (word >> i & 1u) != 0 ? 30 : 29; }

// Month i (0-based, in order) of a year whose leap month repeats month `leap`.
LunarMonthLabel LabelOfMonth(int i, int leap) {
    if (leap == 0 || i < leap) return LunarMonthLabel::Month(i + 1);
    if (i == leap) return LunarMonthLabel::Month(leap, true);
    return LunarMonthLabel::Month(i);
}

// New-year days of the table's years and, last, the day after its end.
const std::array<int32_t, QingYearCount + 1>& NewYearDays() {
    static const auto days = [] {
        std::array<int32_t, QingYearCount + 1> d{};
        for (int i = 0; i < QingYearCount; ++i)
            d[i] = GregorianDayNumber(QingFirstYear + i, 1, 1) + static_cast<int32_t>(ObservedYears[i] >> 17 & 63u);
        const uint32_t last = ObservedYears[QingYearCount - 1];
        d[QingYearCount] = d[QingYearCount - 1];
        for (int i = 0; i < MonthsInYear(last); ++i) d[QingYearCount] += LengthOfMonth(last, i);
        return d;
    }();
    return days;
}

}  // namespace

MonthSource SourceOfYear(int32_t year) {
    if (year < QingFirstYear || year > BeijingLastYear) return MonthSource::Computed;
    return year <= QingLastYear ? MonthSource::QingTable : MonthSource::BeijingMeridian;
}

MonthSource SourceOfDay(int32_t day) {
    if (day < QingTableFirstDay() || day >= BeijingEndDay) return MonthSource::Computed;
    return day < QingTableEndDay() ? MonthSource::QingTable : MonthSource::BeijingMeridian;
}

CalendarSettings ComputedSettings(const CalendarSettings& s) {
    CalendarSettings c = s;
    c.asObserved = false;
    return c;
}

CalendarSettings BeijingMeridianSettings(const CalendarSettings& s) {
    CalendarSettings c = ComputedSettings(s);
    c.referenceLongitude = BeijingLongitude;
    c.referenceArcMinutes = BeijingArcMinutes;
    return c;
}

int32_t QingTableFirstDay() { return NewYearDays().front(); }
int32_t QingTableEndDay() { return NewYearDays().back(); }

ObservedMonth QingMonthOfDay(int32_t day) {
    const auto& days = NewYearDays();
    const auto i = static_cast<int>(std::upper_bound(days.begin(), days.end(), day) - days.begin()) - 1;
    const uint32_t word = ObservedYears[i];
    ObservedMonth m{QingFirstYear + i, days[i], LengthOfMonth(word, 0), LabelOfMonth(0, LeapMonthOf(word))};
    for (int k = 1; m.firstDay + m.length <= day; ++k) {
        m.firstDay += m.length;
        m.length = LengthOfMonth(word, k);
        m.label = LabelOfMonth(k, LeapMonthOf(word));
    }
    return m;
}

bool QingMonth(int32_t year, LunarMonthLabel label, ObservedMonth& month) {
    const int i = year - QingFirstYear;
    const uint32_t word = ObservedYears[i];
    int32_t first = NewYearDays()[i];
    for (int k = 0; k < MonthsInYear(word); ++k) {
        if (LabelOfMonth(k, LeapMonthOf(word)) == label) {
            month = {year, first, LengthOfMonth(word, k), label};
            return true;
        }
        first += LengthOfMonth(word, k);
    }
    return false;
}

}  // namespace orbel
