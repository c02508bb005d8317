// The name tables against the rules of each language, and the lunar date in
// words as the main window shows it (tests/data/lunar_date_words.txt).
#include <set>

#include "engine/lunar_date_words.h"
#include "engine/name_tables.h"
#include "golden.h"
#include "main_window_fixture.h"

namespace orbel {
namespace {

std::string Joined(const auto& words, std::string_view between) {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : std::string(between)) + std::string(w);
    return out;
}

// Each language's stems, branches, animals and terms as its almanacs list
// them; the sixty cycle names pair a stem with a branch, each pair once.
TEST(NameTables, HoldTheWordsOfEachLanguage) {
    const std::string han = "甲乙丙丁戊己庚辛壬癸 子丑寅卯辰巳午未申酉戌亥 ";
    const std::vector<std::pair<Names, std::string>> rows = {
        {Names::SimplifiedChinese, han + "鼠牛虎兔龙蛇马羊猴鸡狗猪 冬至小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种"
                                         "夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪"},
        {Names::TraditionalChinese, han + "鼠牛虎兔龍蛇馬羊猴雞狗豬 冬至小寒大寒立春雨水驚蟄春分清明穀雨立夏小滿芒種"
                                          "夏至小暑大暑立秋處暑白露秋分寒露霜降立冬小雪大雪"},
        {Names::Japanese, han + "鼠牛虎兎龍蛇馬羊猿鶏犬猪 冬至小寒大寒立春雨水啓蟄春分清明穀雨立夏小満芒種"
                                "夏至小暑大暑立秋処暑白露秋分寒露霜降立冬小雪大雪"},
        {Names::Korean, "갑을병정무기경신임계 자축인묘진사오미신유술해 쥐소호랑이토끼용뱀말양원숭이닭개돼지 "
                        "동지소한대한입춘우수경칩춘분청명곡우입하소만망종하지소서대서입추처서백로추분한로상강입동소설대설"},
        {Names::Vietnamese, "Giáp,Ất,Bính,Đinh,Mậu,Kỷ,Canh,Tân,Nhâm,Quý Tý,Sửu,Dần,Mão,Thìn,Tỵ,Ngọ,Mùi,Thân,Dậu,Tuất,Hợi "
                            "Chuột,Trâu,Hổ,Mèo,Rồng,Rắn,Ngựa,Dê,Khỉ,Gà,Chó,Lợn Đông chí,Tiểu hàn,Đại hàn,Lập xuân,"
                            "Vũ thủy,Kinh trập,Xuân phân,Thanh minh,Cốc vũ,Lập hạ,Tiểu mãn,Mang chủng,Hạ chí,Tiểu thử,"
                            "Đại thử,Lập thu,Xử thử,Bạch lộ,Thu phân,Hàn lộ,Sương giáng,Lập đông,Tiểu tuyết,Đại tuyết"},
    };
    for (const auto& [names, expected] : rows) {
        const NameTables& t = *NameTablesOf(names);
        const std::string_view gap = names == Names::Vietnamese ? "," : "";
        EXPECT_EQ(Joined(t.stems, gap) + " " + Joined(t.branches, gap) + " " + Joined(t.animals, gap) + " " +
                      Joined(t.terms, gap),
                  expected);
        std::set<std::string> cycle;
        for (int p = 1; p <= 60; ++p) cycle.insert(StemBranchWords(names, p));
        EXPECT_EQ(cycle.size(), 60u);
        EXPECT_EQ(StemBranchWords(names, 41), std::string(t.stems[0]) + std::string(t.stemBranchJoin) +
                                                   std::string(t.branches[4]));  // 2024, jia-chen
    }
    EXPECT_EQ(NameTablesOf(Names::English), nullptr);
    EXPECT_EQ(LunarDayWordsOf(Names::English, 2460351, {}).date, "");
}

// Days by the counting of each language, months with their leap forms, and
// the rokuyō, which runs 先勝 友引 先負 仏滅 大安 赤口 from the first day of
// month 1 and starts each month one further.
TEST(NameTables, DaysMonthsAndRokuyoFollowTheirCounting) {
    const std::array<std::string, 10> digit = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    const std::array<std::string, 12> vi = {"Giêng", "Hai", "Ba", "Tư", "Năm", "Sáu", "Bảy", "Tám", "Chín", "Mười",
                                            "Mười Một", "Chạp"};
    const std::array<std::string_view, 6> rokuyo = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
    for (int d = 1; d <= 30; ++d) {
        const std::string han = d <= 10 ? "初" + digit[d - 1] : d < 20 ? "十" + digit[d - 11] : d == 20 ? "二十"
                                : d < 30 ? "廿" + digit[d - 21] : "三十";
        const std::string n = std::to_string(d);
        EXPECT_EQ(DayWords(Names::SimplifiedChinese, d) + DayWords(Names::TraditionalChinese, d), han + han);
        EXPECT_EQ(DayWords(Names::Vietnamese, d) + "|" + DayWords(Names::Japanese, d) + "|" + DayWords(Names::Korean, d),
                  (d <= 10 ? "mùng " : "") + n + "|" + n + "日|" + n + "일");
        for (int m = 1; m <= 12; ++m) EXPECT_EQ(RokuyoOf(m, d), rokuyo[static_cast<size_t>(m + d - 2) % 6]);
    }
    for (int m = 1; m <= 12; ++m) {
        const std::string n = std::to_string(m), han = m == 1 ? "正" : m == 11 ? "冬" : m == 12 ? "" : digit[m - 1];
        if (m < 12) {
            EXPECT_EQ(MonthWords(Names::SimplifiedChinese, m, false), han + "月");
        }
        EXPECT_EQ(MonthWords(Names::SimplifiedChinese, m, true), "闰" + MonthWords(Names::SimplifiedChinese, m, false));
        EXPECT_EQ(MonthWords(Names::TraditionalChinese, m, true), "閏" + MonthWords(Names::TraditionalChinese, m, false));
        EXPECT_EQ(MonthWords(Names::Vietnamese, m, true), "tháng " + vi[m - 1] + " nhuận");
        EXPECT_EQ(MonthWords(Names::Japanese, m, true) + MonthWords(Names::Korean, m, true), "閏" + n + "月윤" + n + "월");
    }
    EXPECT_EQ(MonthWords(Names::SimplifiedChinese, 12, false) + MonthWords(Names::TraditionalChinese, 12, false), "腊月臘月");
    EXPECT_EQ(MonthWords(Names::Japanese, 13, false), "");
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
