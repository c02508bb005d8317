#include "engine/festivals.h"

#include <algorithm>
#include <cctype>

#include "engine/chinese_calendar.h"

namespace orbel {
namespace {

// Solar-term table indices (engine/sol_eq.h).
constexpr int8_t WinterSolsticeTerm = 0;
constexpr int8_t QingmingTerm = 7;

constexpr Festival OnDate(int month, int day, std::array<std::string_view, 6> names, int first = 0, int last = 0) {
    return {FestivalRule::LunarDate, static_cast<int8_t>(month), static_cast<int8_t>(day), 0,
            static_cast<int8_t>(first), static_cast<int8_t>(last), names};
}
constexpr Festival OnTerm(int8_t term, std::array<std::string_view, 6> names) {
    return {FestivalRule::SolarTerm, 0, 0, term, 0, 0, names};
}
constexpr Festival OnYearEnd(std::array<std::string_view, 6> names) {
    return {FestivalRule::YearEnd, 0, 0, 0, 0, 0, names};
}

// Names by column: English, simplified Chinese, traditional Chinese,
// Vietnamese, Japanese, Korean.
constexpr std::array<Festival, 10> VietnamFestivals = {{
    OnDate(1, 1, {"Tết", "春节", "春節", "Tết Nguyên Đán", "テト", "뗏"}, 0, 2),
    OnDate(1, 15, {"Lantern Festival", "元宵节", "元宵節", "Tết Nguyên Tiêu", "元宵節", "원소절"}),
    OnDate(3, 3, {"Cold Food Festival", "寒食节", "寒食節", "Tết Hàn Thực", "寒食節", "한식"}),
    OnDate(3, 10, {"Hùng Kings' Festival", "雄王祭", "雄王祭", "Giỗ Tổ Hùng Vương", "フン王祭", "훙왕 제사"}),
    OnDate(5, 5, {"Double Fifth Festival", "端午节", "端午節", "Tết Đoan Ngọ", "端午", "단오"}),
    OnDate(7, 15, {"Vu Lan", "盂兰节", "盂蘭節", "Vu Lan", "盂蘭盆", "우란분절"}),
    OnDate(8, 15, {"Mid-Autumn Festival", "中秋节", "中秋節", "Tết Trung Thu", "中秋節", "중추절"}),
    OnDate(12, 23, {"Kitchen Gods' Day", "祭灶节", "祭灶節", "Ông Công Ông Táo", "竈神祭", "조왕제"}),
    OnYearEnd({"New Year's Eve", "除夕", "除夕", "Giao thừa", "除夕", "섣달 그믐"}),
    OnTerm(QingmingTerm, {"Thanh Minh", "清明节", "清明節", "Thanh minh", "清明", "청명"}),
}};

constexpr std::array<Festival, 15> ChinaFestivals = {{
    OnDate(1, 1, {"Spring Festival", "春节", "春節", "Tết Nguyên Đán", "春節", "춘절"}),
    OnDate(1, 15, {"Lantern Festival", "元宵节", "元宵節", "Tết Nguyên Tiêu", "元宵節", "원소절"}),
    OnDate(2, 2, {"Dragon Raises Its Head", "龙抬头", "龍抬頭", "Rồng ngẩng đầu", "龍抬頭", "용대두"}),
    OnDate(5, 5, {"Dragon Boat Festival", "端午节", "端午節", "Tết Đoan Ngọ", "端午節", "단오절"}),
    OnDate(7, 7, {"Qixi", "七夕", "七夕", "Thất Tịch", "七夕", "칠석"}),
    OnDate(7, 15, {"Ghost Festival", "中元节", "中元節", "Tết Trung Nguyên", "中元節", "중원절"}),
    OnDate(8, 15, {"Mid-Autumn Festival", "中秋节", "中秋節", "Tết Trung Thu", "中秋節", "중추절"}),
    OnDate(9, 9, {"Double Ninth", "重阳节", "重陽節", "Tết Trùng Cửu", "重陽節", "중양절"}),
    OnDate(10, 1, {"Winter Clothes Day", "寒衣节", "寒衣節", "Tết Hàn Y", "寒衣節", "한의절"}),
    OnDate(10, 15, {"Xiayuan Festival", "下元节", "下元節", "Tết Hạ Nguyên", "下元節", "하원절"}),
    OnDate(12, 8, {"Laba", "腊八节", "臘八節", "Lạp Bát", "臘八節", "납팔절"}),
    OnDate(12, 23, {"Little New Year", "小年", "小年", "Tiểu Niên", "小年", "소년(小年)"}),
    OnYearEnd({"New Year's Eve", "除夕", "除夕", "Giao thừa", "除夕", "제석"}),
    OnTerm(QingmingTerm, {"Qingming", "清明节", "清明節", "Thanh minh", "清明節", "청명절"}),
    OnTerm(WinterSolsticeTerm, {"Winter Solstice", "冬至", "冬至", "Đông chí", "冬至", "동지"}),
}};

constexpr std::array<Festival, 3> JapanFestivals = {{
    OnDate(1, 1, {"Lunar New Year", "旧正月", "舊正月", "Tết âm lịch", "旧正月", "구정"}),
    OnDate(8, 15, {"Tsukimi", "十五夜", "十五夜", "Thập ngũ dạ", "十五夜", "십오야"}),
    OnDate(9, 13, {"Thirteenth Night", "十三夜", "十三夜", "Thập tam dạ", "十三夜", "십삼야"}),
}};

constexpr std::array<Festival, 5> KoreaFestivals = {{
    OnDate(1, 1, {"Seollal", "春节", "春節", "Tết Seollal", "ソルラル", "설날"}, -1, 1),
    OnDate(1, 15, {"Daeboreum", "元宵节", "元宵節", "Rằm tháng Giêng", "テボルム", "정월대보름"}),
    OnDate(5, 5, {"Dano", "端午", "端午", "Tết Đoan Ngọ", "端午", "단오"}),
    OnDate(8, 15, {"Chuseok", "秋夕", "秋夕", "Chuseok", "チュソク", "추석"}, -1, 1),
    OnTerm(WinterSolsticeTerm, {"Dongji", "冬至", "冬至", "Đông chí", "冬至", "동지"}),
}};

constexpr std::array<FestivalCountry, FestivalCountryCount> Countries = {{
    {"Vietnam", "Vietnamese", 105, VietnamFestivals},
    {"China", "Chinese", 120, ChinaFestivals},
    {"Japan", "Japanese", 135, JapanFestivals},
    {"Korea", "Korean", 135, KoreaFestivals},
}};

// Days a search looks at in one pass: more than a lunar year, so that every
// festival of the table falls in it.
constexpr int32_t SearchWindowDays = 400;

// The festival days of `festivals` that the months and terms of `yd` give,
// from `first` to `last`.
void CollectFestivalDays(const YearData& yd, std::span<const Festival> festivals, int32_t first, int32_t last,
                         std::vector<FestivalDay>& out) {
    auto add = [&](int32_t anchor, size_t f) {
        for (int offset = festivals[f].firstDay; offset <= festivals[f].lastDay; ++offset) {
            const int32_t day = anchor + offset;
            if (day >= first && day <= last) out.push_back({day, static_cast<int16_t>(f)});
        }
    };
    for (int m = 0; m + 1 < yd.DarkMoonCount; ++m) {
        const LunarMonthLabel& label = yd.MonthLabels[static_cast<size_t>(m)];
        if (!label.IsNumbered()) break;
        const int32_t start = yd.DarkMoonDays[m];
        const int32_t length = yd.DarkMoonDays[m + 1] - start;
        for (size_t f = 0; f < festivals.size(); ++f) {
            const Festival& rule = festivals[f];
            if (rule.rule == FestivalRule::LunarDate && label == LunarMonthLabel::Month(rule.month) &&
                rule.day <= length)
                add(start + rule.day - 1, f);
            else if (rule.rule == FestivalRule::YearEnd && label.IsNewYear())
                add(start - 1, f);
        }
    }
    for (size_t f = 0; f < festivals.size(); ++f) {
        if (festivals[f].rule != FestivalRule::SolarTerm) continue;
        for (int j = festivals[f].term; j < 79; j += 24) add(yd.TermDays[j], f);
    }
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

const FestivalCountry& FestivalsOf(int country) {
    return Countries[static_cast<size_t>(country >= 0 && country < FestivalCountryCount ? country : 1)];
}

std::vector<FestivalDay> FestivalDaysBetween(int32_t first, int32_t last, int country,
                                             const CalendarSettings& settings) {
    return FestivalDaysBetween(first, last, FestivalsOf(country).festivals, settings);
}

std::vector<FestivalDay> FestivalDaysBetween(int32_t first, int32_t last, std::span<const Festival> festivals,
                                             const CalendarSettings& settings) {
    first = std::max(first, FirstComputableDay);
    last = std::min(last, LastComputableDay);
    std::vector<FestivalDay> days;
    // The year data of a day numbers the months of its sui and of the suis
    // before and after it, so one year data serves up to the end of the
    // next sui (term index 72 begins the sui after that).
    for (int32_t from = first; from <= last;) {
        const YearData yd = ComputeYearData(from + 0.5, settings);
        const int32_t to = std::min(last, yd.TermDays[72] - 1);
        CollectFestivalDays(yd, festivals, from, to, days);
        from = to + 1;
    }
    std::sort(days.begin(), days.end(), [](const FestivalDay& a, const FestivalDay& b) {
        return a.jdn != b.jdn ? a.jdn < b.jdn : a.festival < b.festival;
    });
    return days;
}

std::string FestivalsOfDayText(int32_t jdn, int country, Names names, const CalendarSettings& settings) {
    const FestivalCountry& c = FestivalsOf(country);
    std::string text;
    for (const FestivalDay& day : FestivalDaysBetween(jdn, jdn, country, settings)) {
        if (!text.empty()) text += ", ";
        text += c.festivals[static_cast<size_t>(day.festival)].Name(names);
    }
    return text;
}

int32_t NextFestivalDay(int32_t from, bool next, int country, int festival, const CalendarSettings& settings) {
    auto wanted = [festival](const FestivalDay& d) { return festival < 0 || d.festival == festival; };
    if (next) {
        for (int32_t first = from + 1; first <= LastComputableDay; first += SearchWindowDays) {
            const std::vector<FestivalDay> days =
                FestivalDaysBetween(first, first + SearchWindowDays - 1, country, settings);
            const auto found = std::find_if(days.begin(), days.end(), wanted);
            if (found != days.end()) return found->jdn;
        }
    } else {
        for (int32_t last = from - 1; last >= FirstComputableDay; last -= SearchWindowDays) {
            const std::vector<FestivalDay> days =
                FestivalDaysBetween(last - SearchWindowDays + 1, last, country, settings);
            const auto found = std::find_if(days.rbegin(), days.rend(), wanted);
            if (found != days.rend()) return found->jdn;
        }
    }
    return NoFestivalDay;
}

int FestivalIndexOfName(int country, std::string_view name) {
    const std::span<const Festival> festivals = FestivalsOf(country).festivals;
    const std::string wanted = Lower(name);
    for (size_t f = 0; f < festivals.size(); ++f)
        for (std::string_view n : festivals[f].names)
            if (Lower(n) == wanted) return static_cast<int>(f);
    return -1;
}

}  // namespace orbel
