#include "engine/chinese_calendar.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>

#include "dates/day_numbers.h"
#include "services/moment_solvers.h"
#include "services/calendar_conversion.h"
#include "services/floor_division.h"
#include "services/memo_cache.h"
#include "engine/observed_calendar.h"
#include "engine/quenta_module.h"

namespace orbel {
namespace {

struct SuiKey {
    int32_t sui = 0;
    int32_t arcMinutes = 0;  // the reference meridian
    bool observed = false;
    bool operator==(const SuiKey&) const = default;
};

struct SuiKeyHash {
    // Consecutive suis at one meridian take consecutive slots; the observed
    // data of a sui does not share a slot with the computed data it is made from.
    std::size_t operator()(const SuiKey& k) const {
        return static_cast<std::size_t>(static_cast<uint32_t>(k.sui) + static_cast<uint32_t>(k.arcMinutes) * 131u +
                                        (k.observed ? 257u : 0u));
    }
};

using YearDataCache = MemoCache<SuiKey, std::shared_ptr<const YearData>, SuiKeyHash>;

YearDataCache& YearCache() {
    static YearDataCache cache(512);
    return cache;
}

std::shared_ptr<const YearData> ObservedYearData(const std::shared_ptr<const YearData>& computed,
                                                 const CalendarSettings& settings);

// The year data of the sui containing day floor(cjdc), shared with the memo.
std::shared_ptr<const YearData> YearDataFor(double cjdc, const CalendarSettings& settings) {
    if (settings.asObserved) {
        const std::shared_ptr<const YearData> computed = YearDataFor(cjdc, ComputedSettings(settings));
        const int count = computed->DarkMoonCount;
        if (count == 0 || computed->DarkMoonDays[count - 1] < QingTableFirstDay() ||
            computed->DarkMoonDays[0] >= BeijingEndDay)
            return computed;  // no month of the data is observed otherwise
        const SuiKey key{SuiOfDay(cjdc, settings), ReferenceMeridianArcMinutes(settings), true};
        return YearCache().GetOrCompute(key, [&] { return ObservedYearData(computed, settings); });
    }
    const SuiKey key{SuiOfDay(cjdc, settings), ReferenceMeridianArcMinutes(settings), false};
    return YearCache().GetOrCompute(key, [&] {
        auto data = std::make_shared<YearData>();
        static_cast<SolarTerms&>(*data) = ComputeSolarTerms(cjdc, TrueSunMethod, settings);
        ComputeNewMoons(*data, settings);
        AssignMonths(*data);
        return std::shared_ptr<const YearData>(std::move(data));
    });
}

int32_t ClampToInt32(int64_t v) {
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

// The first years whose month 1 or solar term 1 lies outside the computable
// days; a typed date there is refused as out of range rather than computed.
constexpr int32_t FirstComputableYear = -3002;
constexpr int32_t LastComputableYear = 3002;

}  // namespace

void ComputeNewMoons(YearData& data, const CalendarSettings& settings) {
    const double longitude = ReferenceMeridian(settings);
    const double solstice = FromReferenceCJD(data.TermMoments[0], longitude);
    int32_t k = LunationAt(solstice);
    // Month 0 must be the month that holds the day of the first winter
    // solstice. When the next dark moon falls later on that same day, that
    // dark moon begins the solstice's month, so start from it; otherwise the
    // first sui would be numbered from a month before the solstice and its
    // error could carry into the suis after it.
    if (std::floor(ToReferenceCJD(PhaseMomentGMT(k + 1, 0), longitude)) <= data.TermDays[0]) ++k;
    data.FirstLunation = k;
    const int32_t lastDay = data.TermDays[78] + 40;
    int16_t n = 0;
    while (n < MaxDarkMoons) {
        const double t = ToReferenceCJD(PhaseMomentGMT(k, 0), longitude);
        const auto d = static_cast<int32_t>(std::floor(t));
        if (d > lastDay) break;
        data.DarkMoonMoments[n] = t;
        data.DarkMoonDays[n] = d;
        ++k;
        ++n;
    }
    data.DarkMoonCount = n;
}

namespace {

// Major terms per month, by day: a term on the day of a dark moon belongs to
// the month that begins that day. Index 78 is not counted. Marks the months
// that hold a winter solstice in `suiStart` when given.
void CountMajorTerms(YearData& data, bool* suiStart) {
    for (int m = 0; m < MaxDarkMoons; ++m) data.MajorTermCount[m] = 0;
    for (int m = 0; m + 1 < data.DarkMoonCount; ++m) {
        for (int j = 0; j <= 76; j += 2) {
            if (data.TermDays[j] >= data.DarkMoonDays[m + 1]) break;
            if (data.DarkMoonDays[m] <= data.TermDays[j]) {
                ++data.MajorTermCount[m];
                if (j % 24 == 0 && suiStart != nullptr) suiStart[m] = true;
            }
        }
    }
}

}  // namespace

void AssignMonths(YearData& data) {
    const int count = data.DarkMoonCount;
    bool suiStart[MaxDarkMoons] = {};
    bool leapMonth[MaxDarkMoons] = {};
    for (int m = 0; m < MaxDarkMoons; ++m) data.MonthLabels[m] = {};
    CountMajorTerms(data, suiStart);

    // Number the months sui by sui.
    int s = 0;
    while (s < count) {
        int c = 1;
        while (s + c < count && !suiStart[s + c]) ++c;
        if (s + c >= count) {
            data.MonthLabels[s] = LunarMonthLabel::StopHere();
            break;
        }
        if (c == 12) {
            for (int i = 0; i < 12; ++i) data.MonthLabels[s + i] = LunarMonthLabel::Month((i + 10) % 12 + 1);
            s += 12;
            continue;
        }
        // Thirteen months: the first one without a major term is the leap month.
        for (int i = 0; i < 13 && s + i < count; ++i) {
            if (data.MajorTermCount[s + i] == 0) {
                leapMonth[s + i] = true;
                break;
            }
        }
        int n = 11;
        for (int i = 0; i < 13 && s + i < count; ++i) {
            LunarMonthLabel& label = data.MonthLabels[s + i];
            if (!leapMonth[s + i])
                label = LunarMonthLabel::Month((n++ - 1) % 12 + 1);
            else if (i > 0)
                label = LunarMonthLabel::Month(data.MonthLabels[s + i - 1].number, true);
            else
                label = LunarMonthLabel::Month(10, true);
        }
        s += 13;
    }
}

YearData ComputeYearData(double cjdc, const CalendarSettings& settings) {
    if (!FitsDayArithmetic(cjdc)) {
        YearData none;
        static_cast<SolarTerms&>(none) = ComputeSolarTerms(cjdc, TrueSunMethod, settings);
        return none;  // no dark moons
    }
    return *YearDataFor(cjdc, settings);
}

namespace {

// The solar date of day d from the terms of its year data. Solar years are
// numbered by the CE year in which they end; the first stored solstice
// (December of year Y0) begins year Y0 + 1.
void FillSolarDate(const YearData& yd, int32_t d, int16_t epoch, ChsDate& chs) {
    const int32_t y0 = GregorianYearOfDay(yd.TermDays[0]);
    int32_t cycle = CycleOfYear(y0, epoch);
    int32_t pos = PositionOfYear(y0);
    chs.jdn = d;
    chs.epoch = epoch;
    for (int j = 0; j <= 71; ++j) {
        if (j % 24 == 0 && ++pos == 61) {
            pos = 1;
            ++cycle;
        }
        if (yd.TermDays[j] <= d && d < yd.TermDays[j + 1]) {
            chs.term = j % 24 + 1;
            chs.day = d - yd.TermDays[j] + 1;
            break;
        }
    }
    chs.position = pos;
    chs.cycle = cycle;
}

// The index of the month (from its dark moon) in which day d lies, or -1.
int MonthOfDay(const YearData& yd, int32_t d) {
    for (int i = 0; i + 1 < yd.DarkMoonCount; ++i)
        if (yd.DarkMoonDays[i] <= d && d < yd.DarkMoonDays[i + 1]) return i;
    return -1;
}

// The lunar date of day d from the months of its year data; false when the
// data does not hold the day's month and an earlier new year.
bool FillLunarDate(const YearData& yd, int32_t d, int16_t epoch, ChlDate& chl) {
    const int m = MonthOfDay(yd, d);
    if (m < 0) return false;  // not reached for computable days: the data spans three suis
    const LunarMonthLabel& label = yd.MonthLabels[m];
    chl.month = label.number;
    chl.leap = label.leap ? 1 : 0;
    chl.day = d - yd.DarkMoonDays[m] + 1;

    // The nian is numbered by the CE year in which its month 1 begins.
    int k = m;
    while (k >= 0 && !yd.MonthLabels[k].IsNewYear()) --k;
    if (k < 0) return false;  // not reached either: the data begins a sui before the day's
    const int32_t yn = GregorianYearOfDay(yd.DarkMoonDays[k]);
    chl.cycle = CycleOfYear(yn, epoch);
    chl.position = PositionOfYear(yn);
    return true;
}

// A month of the observed calendar: its first day, length and label.
struct SourceMonth {
    int32_t firstDay = 0;
    int32_t length = 0;
    LunarMonthLabel label;
};

// The month that holds day d in the source that governs it.
SourceMonth SourceMonthOfDay(int32_t d, const CalendarSettings& s) {
    const MonthSource source = SourceOfDay(d);
    if (source == MonthSource::QingTable) {
        const ObservedMonth m = QingMonthOfDay(d);
        return {m.firstDay, m.length, m.label};
    }
    const CalendarSettings c = source == MonthSource::BeijingMeridian ? BeijingMeridianSettings(s) : ComputedSettings(s);
    const std::shared_ptr<const YearData> yd = YearDataFor(d + 0.5, c);
    const int m = MonthOfDay(*yd, d);
    return {yd->DarkMoonDays[m], yd->DarkMoonDays[m + 1] - yd->DarkMoonDays[m], yd->MonthLabels[m]};
}

// The computed data with the observed months: each lunation's month begins on
// the day the governing source gives (a day or two from the computed one at
// most) and takes its label; the dark moons and terms stay as computed, and
// the major terms are counted again for the months' days. Labels past the
// computed numbering are left as they are.
std::shared_ptr<const YearData> ObservedYearData(const std::shared_ptr<const YearData>& computed,
                                                 const CalendarSettings& settings) {
    auto data = std::make_shared<YearData>(*computed);
    for (int i = 0; i < data->DarkMoonCount; ++i) {
        const int32_t day = computed->DarkMoonDays[i];
        if (SourceOfDay(day) == MonthSource::Computed) continue;
        SourceMonth m = SourceMonthOfDay(day, settings);
        // A month that began half a month or more before the computed one is
        // the lunation before; the lunation's own month follows it.
        if (day - m.firstDay >= 15) m = SourceMonthOfDay(m.firstDay + m.length, settings);
        data->DarkMoonDays[i] = m.firstDay;
        if (data->MonthLabels[i].IsNumbered()) data->MonthLabels[i] = m.label;
    }
    CountMajorTerms(*data, nullptr);
    return data;
}

}  // namespace

void CJDateToChDates(double x, int16_t epoch, ChsDate& chs, ChlDate& chl, const CalendarSettings& settings) {
    const bool skipSolar = chs.valid == ChsSkipSolarDate;
    if (skipSolar) chs.valid = 0;
    if (!IsComputable(x)) {
        chs.valid = 0;
        chl.valid = 0;
        return;
    }
    const auto d = static_cast<int32_t>(std::floor(x));
    chl.jdn = d;
    chl.epoch = epoch;
    const MonthSource source = settings.asObserved ? SourceOfDay(d) : MonthSource::Computed;
    if (source == MonthSource::Computed) {
        const std::shared_ptr<const YearData> yd = YearDataFor(x, ComputedSettings(settings));
        if (!skipSolar) FillSolarDate(*yd, d, epoch, chs);
        if (!FillLunarDate(*yd, d, epoch, chl)) chl.valid = 0;
        return;
    }
    // The solar date stays astronomical at the reference meridian.
    if (!skipSolar) FillSolarDate(*YearDataFor(x, ComputedSettings(settings)), d, epoch, chs);
    if (source == MonthSource::BeijingMeridian) {
        if (!FillLunarDate(*YearDataFor(d + 0.5, BeijingMeridianSettings(settings)), d, epoch, chl)) chl.valid = 0;
        return;
    }
    const ObservedMonth m = QingMonthOfDay(d);
    chl.month = m.label.number;
    chl.leap = m.label.leap ? 1 : 0;
    chl.day = d - m.firstDay + 1;
    chl.cycle = CycleOfYear(m.year, epoch);
    chl.position = PositionOfYear(m.year);
}

int16_t ChLDateToJDN(ChlDate& r, const CalendarSettings& s) {
    r.valid = 0;
    if (r.position < 1 || r.position > 60 || r.month < 1 || r.month > 12 || r.leap < 0 || r.leap > 1 || r.day < 1 ||
        r.day > 31)
        return ChlFieldOutOfRange;
    r.epoch = s.epoch;
    const int64_t y = (static_cast<int64_t>(r.cycle) - 1) * 60 + r.epoch + r.position - 1;
    if (y < FirstComputableYear || y > LastComputableYear) return ChlFieldOutOfRange;

    if (s.asObserved) {
        switch (SourceOfYear(static_cast<int32_t>(y))) {
        case MonthSource::Computed: return ChLDateToJDN(r, ComputedSettings(s));
        case MonthSource::BeijingMeridian: return ChLDateToJDN(r, BeijingMeridianSettings(s));
        case MonthSource::QingTable: {
            ObservedMonth m;
            if (!QingMonth(static_cast<int32_t>(y), LunarMonthLabel::Month(r.month, r.leap == 1), m))
                return ChlMonthNotInYear;
            if (r.day > m.length) return ChlDayBeyondMonth;
            r.valid = 1;
            r.jdn = m.firstDay + r.day - 1;
            return ChlDateFound;
        }
        }
    }

    const std::shared_ptr<const YearData> yd = YearDataFor(GregorianDayNumber(static_cast<int32_t>(y), r.month, 15), s);
    const int count = yd->DarkMoonCount;
    const auto& labels = yd->MonthLabels;

    // The first month 1 is the new year of y - 1, the second that of y.
    int k = 0;
    for (int found = 0; k < count; ++k)
        if (labels[k].IsNewYear() && ++found == 2) break;
    if (k >= count) return ChlNewYearNotFound;

    const LunarMonthLabel wanted = LunarMonthLabel::Month(r.month, r.leap == 1);
    while (labels[k] != wanted) {
        if (k + 1 >= count) return ChlMonthNotFound;
        if (labels[k + 1].IsNewYear()) return ChlMonthNotInYear;
        ++k;
    }
    if (k + 1 >= count) return ChlMonthNotFound;  // a month without a known end

    const int32_t length = yd->DarkMoonDays[k + 1] - yd->DarkMoonDays[k];
    if (r.day > length) return ChlDayBeyondMonth;
    r.valid = 1;
    r.jdn = yd->DarkMoonDays[k] + r.day - 1;
    return ChlDateFound;
}

int16_t LunarMonthLength(ChlDate& r, const CalendarSettings& s) {
    r.day = 30;
    const int16_t status = ChLDateToJDN(r, s);
    if (status == ChlDateFound) return 30;
    if (status == ChlDayBeyondMonth) return 29;
    return status;
}

void JDNToChlDate(ChlDate& r, const CalendarSettings& s) {
    ChsDate scratch;
    scratch.valid = ChsSkipSolarDate;
    CJDateToChDates(r.jdn + 0.5, static_cast<int16_t>(r.epoch), scratch, r, s);
}

bool ChSDateToJDN(ChsDate& r, const CalendarSettings& s) {
    if (r.position < 1 || r.position > 60 || r.term < 1 || r.term > 24 || r.day < 1 || r.day > 16) {
        r.valid = 0;
        return false;
    }
    r.epoch = s.epoch;
    const int64_t y = (static_cast<int64_t>(r.cycle) - 1) * 60 + r.epoch + r.position - 1;
    if (y < FirstComputableYear || y > LastComputableYear) {
        r.valid = 0;
        return false;
    }
    // The first day of CE month (term + 1) / 2 of year y lies in solar year y,
    // whose term 1 is index 24 of the computed terms.
    const SolarTerms st = ComputeSolarTerms(GregorianDayNumber(static_cast<int32_t>(y), (r.term + 1) / 2, 1), s.method, s);
    r.jdn = st.TermDays[r.term + 23] + r.day - 1;
    r.valid = r.jdn < st.TermDays[r.term + 24] ? 1 : 0;
    return r.valid == 1;
}

int32_t YearOfCycle(int32_t cycle, int32_t position, int32_t epoch) {
    return ClampToInt32((static_cast<int64_t>(cycle) - 1) * 60 + epoch + position - 1);
}

int32_t CycleOfYear(int32_t year, int32_t epoch) {
    const int64_t a = static_cast<int64_t>(year) - epoch;
    return ClampToInt32(FloorDiv<int64_t>(a, 60) + 1);
}

int16_t PositionOfYear(int32_t year) {
    return static_cast<int16_t>(FloorMod<int64_t>(static_cast<int64_t>(year) + 2696, 60) + 1);
}

ChlDate LunarDateOfYear(int32_t year, int32_t month, bool leap, int32_t day, int32_t epoch) {
    ChlDate r;
    r.epoch = epoch;
    r.cycle = CycleOfYear(year, epoch);
    r.position = PositionOfYear(year);
    r.month = month;
    r.leap = leap ? 1 : 0;
    r.day = day;
    return r;
}

std::optional<int32_t> LunarNewYearDay(int32_t year, const CalendarSettings& s) {
    ChlDate r = LunarDateOfYear(year, 1, false, 1, s.epoch);
    if (ChLDateToJDN(r, s) != ChlDateFound) return std::nullopt;
    return r.jdn;
}

void ClearCalendarCaches() {
    YearCache().Clear();
    ClearSolarTermCache();
    ClearPhaseMomentCache();
    ClearAstronomyCaches();
}

}  // namespace orbel
