#include "engine/name_tables.h"

namespace orbel {
namespace {

constexpr std::array<std::string_view, 10> kHanStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kHanBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                           "午", "未", "申", "酉", "戌", "亥"};

// Lunar days as almanacs in characters write them: 初 for the first ten, 廿
// for the twenties.
constexpr std::array<std::string_view, 30> kHanDays = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

constexpr NameTables kSimplifiedChinese = {
    .stems = kHanStems,
    .branches = kHanBranches,
    .stemBranchJoin = "",
    .animals = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"},
    .months = {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"},
    .monthForm = "%",
    .leapMonthForm = "闰%",
    .days = kHanDays,
    .terms = {"冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
              "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    .phases = {"新月", "上弦月", "满月", "下弦月"},
};

constexpr NameTables kTraditionalChinese = {
    .stems = kHanStems,
    .branches = kHanBranches,
    .stemBranchJoin = "",
    .animals = {"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"},
    .months = {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "臘月"},
    .monthForm = "%",
    .leapMonthForm = "閏%",
    .days = kHanDays,
    .terms = {"冬至", "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種",
              "夏至", "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    .phases = {"新月", "上弦月", "滿月", "下弦月"},
};

constexpr NameTables kVietnamese = {
    .stems = {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"},
    .branches = {"Tý", "Sửu", "Dần", "Mão", "Thìn", "Tỵ", "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"},
    .stemBranchJoin = " ",
    // The fourth animal of Vietnam is the cat.
    .animals = {"Chuột", "Trâu", "Hổ", "Mèo", "Rồng", "Rắn", "Ngựa", "Dê", "Khỉ", "Gà", "Chó", "Lợn"},
    .months = {"Giêng", "Hai", "Ba", "Tư", "Năm", "Sáu", "Bảy", "Tám", "Chín", "Mười", "Mười Một", "Chạp"},
    .monthForm = "tháng %",
    .leapMonthForm = "tháng % nhuận",
    .days = {"mùng 1", "mùng 2", "mùng 3", "mùng 4", "mùng 5", "mùng 6", "mùng 7", "mùng 8", "mùng 9", "mùng 10",
             "11",     "12",     "13",     "14",     "15",     "16",     "17",     "18",     "19",     "20",
             "21",     "22",     "23",     "24",     "25",     "26",     "27",     "28",     "29",     "30"},
    .terms = {"Đông chí", "Tiểu hàn", "Đại hàn",  "Lập xuân", "Vũ thủy",     "Kinh trập", "Xuân phân",  "Thanh minh",
              "Cốc vũ",   "Lập hạ",   "Tiểu mãn", "Mang chủng", "Hạ chí",    "Tiểu thử",  "Đại thử",    "Lập thu",
              "Xử thử",   "Bạch lộ",  "Thu phân", "Hàn lộ",   "Sương giáng", "Lập đông",  "Tiểu tuyết", "Đại tuyết"},
    .phases = {"Trăng mới", "Trăng thượng huyền", "Trăng tròn", "Trăng hạ huyền"},
};

constexpr NameTables kJapanese = {
    .stems = kHanStems,
    .branches = kHanBranches,
    .stemBranchJoin = "",
    .animals = {"鼠", "牛", "虎", "兎", "龍", "蛇", "馬", "羊", "猿", "鶏", "犬", "猪"},
    .months = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .monthForm = "%",
    .leapMonthForm = "閏%",
    .days = {"1日",  "2日",  "3日",  "4日",  "5日",  "6日",  "7日",  "8日",  "9日",  "10日",
             "11日", "12日", "13日", "14日", "15日", "16日", "17日", "18日", "19日", "20日",
             "21日", "22日", "23日", "24日", "25日", "26日", "27日", "28日", "29日", "30日"},
    .terms = {"冬至", "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種",
              "夏至", "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    .phases = {"新月", "上弦の月", "満月", "下弦の月"},
};

constexpr NameTables kKorean = {
    .stems = {"갑", "을", "병", "정", "무", "기", "경", "신", "임", "계"},
    .branches = {"자", "축", "인", "묘", "진", "사", "오", "미", "신", "유", "술", "해"},
    .stemBranchJoin = "",
    .animals = {"쥐", "소", "호랑이", "토끼", "용", "뱀", "말", "양", "원숭이", "닭", "개", "돼지"},
    .months = {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
    .monthForm = "%",
    .leapMonthForm = "윤%",
    .days = {"1일",  "2일",  "3일",  "4일",  "5일",  "6일",  "7일",  "8일",  "9일",  "10일",
             "11일", "12일", "13일", "14일", "15일", "16일", "17일", "18일", "19일", "20일",
             "21일", "22일", "23일", "24일", "25일", "26일", "27일", "28일", "29일", "30일"},
    .terms = {"동지", "소한", "대한", "입춘", "우수", "경칩", "춘분", "청명", "곡우", "입하", "소만", "망종",
              "하지", "소서", "대서", "입추", "처서", "백로", "추분", "한로", "상강", "입동", "소설", "대설"},
    .phases = {"삭", "상현", "보름달", "하현"},
};

}  // namespace

const NameTables* NameTablesOf(Names names) {
    switch (names) {
        case Names::SimplifiedChinese: return &kSimplifiedChinese;
        case Names::TraditionalChinese: return &kTraditionalChinese;
        case Names::Vietnamese: return &kVietnamese;
        case Names::Japanese: return &kJapanese;
        case Names::Korean: return &kKorean;
        case Names::English: break;
    }
    return nullptr;
}

}  // namespace orbel
