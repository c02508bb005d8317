// The name tables against the rules of each language, and the lunar date in
// words as the main window shows it (tests/data/lunar_date_words.txt).
#include <gtest/gtest.h>

#include <set>

#include "engine/lunar_date_words.h"
#include "engine/name_tables.h"
#include "golden.h"
#include "main_window_fixture.h"

namespace orbel {
namespace {

constexpr std::array<Names, 5> kLanguages = {Names::SimplifiedChinese, Names::TraditionalChinese, Names::Vietnamese,
                                             Names::Japanese, Names::Korean};

// The characters of `text`, as UTF-8 pieces.
std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::string Joined(const auto& words, std::string_view between = "") {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : std::string(between)) + std::string(w);
    return out;
}

// Each language's stems, branches, animals and terms as its almanacs list them.
TEST(NameTables, HoldTheWordsOfEachLanguage) {
    struct Row {
        Names names;
        std::string_view stems, branches, animals, terms;
    };
    const std::vector<Row> rows = {
        {Names::SimplifiedChinese, "甲乙丙丁戊己庚辛壬癸", "子丑寅卯辰巳午未申酉戌亥", "鼠牛虎兔龙蛇马羊猴鸡狗猪",
         "冬至小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪"},
        {Names::TraditionalChinese, "甲乙丙丁戊己庚辛壬癸", "子丑寅卯辰巳午未申酉戌亥", "鼠牛虎兔龍蛇馬羊猴雞狗豬",
         "冬至小寒大寒立春雨水驚蟄春分清明穀雨立夏小滿芒種夏至小暑大暑立秋處暑白露秋分寒露霜降立冬小雪大雪"},
        {Names::Japanese, "甲乙丙丁戊己庚辛壬癸", "子丑寅卯辰巳午未申酉戌亥", "鼠牛虎兎龍蛇馬羊猿鶏犬猪",
         "冬至小寒大寒立春雨水啓蟄春分清明穀雨立夏小満芒種夏至小暑大暑立秋処暑白露秋分寒露霜降立冬小雪大雪"},
        {Names::Korean, "갑을병정무기경신임계", "자축인묘진사오미신유술해", "쥐소호랑이토끼용뱀말양원숭이닭개돼지",
         "동지소한대한입춘우수경칩춘분청명곡우입하소만망종하지소서대서입추처서백로추분한로상강입동소설대설"},
        {Names::Vietnamese, "Giáp Ất Bính Đinh Mậu Kỷ Canh Tân Nhâm Quý", "Tý Sửu Dần Mão Thìn Tỵ Ngọ Mùi Thân Dậu Tuất Hợi",
         "Chuột Trâu Hổ Mèo Rồng Rắn Ngựa Dê Khỉ Gà Chó Lợn", ""},
    };
    for (const Row& row : rows) {
        const NameTables& t = *NameTablesOf(row.names);
        const std::string_view gap = row.names == Names::Vietnamese ? " " : "";
        EXPECT_EQ(Joined(t.stems, gap), row.stems);
        EXPECT_EQ(Joined(t.branches, gap), row.branches);
        EXPECT_EQ(Joined(t.animals, gap), row.animals);
        if (!row.terms.empty()) EXPECT_EQ(Joined(t.terms), row.terms);
        EXPECT_EQ(std::set<std::string_view>(t.terms.begin(), t.terms.end()).size(), 24u);
    }
    EXPECT_EQ(NameTablesOf(Names::Vietnamese)->terms[0], "Đông chí");
    EXPECT_EQ(NameTablesOf(Names::Vietnamese)->terms[23], "Đại tuyết");
    EXPECT_EQ(NameTablesOf(Names::English), nullptr);
    EXPECT_EQ(LunarDayWordsOf(Names::English, 2460351, {}).date, "");
}

// The sixty names of the cycle: stem and branch advance together, so every
// pair is met once and position 41 (2024) is jia-chen.
TEST(NameTables, CycleNamesPairStemsWithBranches) {
    for (Names names : kLanguages) {
        const NameTables& t = *NameTablesOf(names);
        std::set<std::string> seen;
        for (int p = 1; p <= 60; ++p) {
            const std::string name = StemBranchWords(names, p);
            EXPECT_TRUE(name.starts_with(t.stems[(p - 1) % 10]) && name.ends_with(t.branches[(p - 1) % 12])) << name;
            seen.insert(name);
        }
        EXPECT_EQ(seen.size(), 60u);
    }
    EXPECT_EQ(StemBranchWords(Names::SimplifiedChinese, 41), "甲辰");
    EXPECT_EQ(StemBranchWords(Names::Vietnamese, 41), "Giáp Thìn");
    EXPECT_EQ(StemBranchWords(Names::Korean, 60), "계해");
}

// Days by the counting of each language, months with their leap forms.
TEST(NameTables, DaysAndMonthsFollowTheirCounting) {
    const std::vector<std::string> digit = Characters("一二三四五六七八九十");
    for (int d = 1; d <= 30; ++d) {
        const std::string han = d <= 10   ? "初" + digit[d - 1]
                                : d < 20  ? "十" + digit[d - 11]
                                : d == 20 ? "二十"
                                : d < 30  ? "廿" + digit[d - 21]
                                          : "三十";
        EXPECT_EQ(DayWords(Names::SimplifiedChinese, d), han);
        EXPECT_EQ(DayWords(Names::TraditionalChinese, d), han);
        EXPECT_EQ(DayWords(Names::Vietnamese, d), (d <= 10 ? "mùng " : "") + std::to_string(d));
        EXPECT_EQ(DayWords(Names::Japanese, d), std::to_string(d) + "日");
        EXPECT_EQ(DayWords(Names::Korean, d), std::to_string(d) + "일");
    }
    const std::vector<std::string> hanMonths = Characters("正二三四五六七八九十冬");
    const std::vector<std::string> viMonths = {"Giêng", "Hai", "Ba",  "Tư",   "Năm",      "Sáu",
                                               "Bảy",   "Tám", "Chín", "Mười", "Mười Một", "Chạp"};
    for (int m = 1; m <= 12; ++m) {
        const std::string n = std::to_string(m);
        const std::string han = m == 12 ? "" : hanMonths[m - 1] + "月";
        if (m < 12) EXPECT_EQ(MonthWords(Names::SimplifiedChinese, m, false), han);
        EXPECT_EQ(MonthWords(Names::SimplifiedChinese, m, true), "闰" + MonthWords(Names::SimplifiedChinese, m, false));
        EXPECT_EQ(MonthWords(Names::TraditionalChinese, m, true), "閏" + MonthWords(Names::TraditionalChinese, m, false));
        EXPECT_EQ(MonthWords(Names::Vietnamese, m, false), "tháng " + viMonths[m - 1]);
        EXPECT_EQ(MonthWords(Names::Vietnamese, m, true), "tháng " + viMonths[m - 1] + " nhuận");
        EXPECT_EQ(MonthWords(Names::Japanese, m, true), "閏" + n + "月");
        EXPECT_EQ(MonthWords(Names::Korean, m, true), "윤" + n + "월");
    }
    EXPECT_EQ(MonthWords(Names::SimplifiedChinese, 12, false), "腊月");
    EXPECT_EQ(MonthWords(Names::TraditionalChinese, 12, false), "臘月");
    EXPECT_EQ(MonthWords(Names::Japanese, 13, false), "");
}

// The rokuyō of the first day of months 1 to 6 (and again of 7 to 12) runs
// 先勝 友引 先負 仏滅 大安 赤口, and each next day takes the next one.
TEST(NameTables, RokuyoCountsFromTheMonthsFirstDay) {
    const std::array<std::string_view, 6> firstDays = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 30; ++d)
            EXPECT_EQ(RokuyoOf(m, d), firstDays[static_cast<size_t>((m - 1 + d - 1) % 6)]) << m << "-" << d;
}

class LunarDateWordsLabel : public testing::MainWindowFixture {};

// "Label CODE COUNTRY DATE": the label and its tip after converting DATE (CE)
// with that names choice and country (0 Vietnam .. 3 Korea).
TEST_F(LunarDateWordsLabel, ShowsTheLunarDateInTheChosenWords) {
    testing::ExpectCaseTable("lunar_date_words.txt", {{"Label", [this](const std::vector<std::string>& a) {
        Start(a.at(1));
        model->cboNames.listIndex = static_cast<int>(*NamesFromCode(a.at(0)));
        model->cboNames_Click();
        Convert(a.at(2) + " CE");
        const Label& l = model->lblLunarDateWords;
        return (l.visible ? "" : "hidden ") + l.caption + " | " + l.toolTip;
    }}});
}

}  // namespace
}  // namespace orbel
