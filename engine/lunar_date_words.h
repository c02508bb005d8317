#pragma once
// A lunar date written in the words of a country that keeps the Chinese
// calendars: "甲辰年 正月初一 甲辰日", "Mùng 1 tháng Giêng năm Giáp Thìn, ngày
// Giáp Thìn", "甲辰年 旧暦1月1日 先勝 甲辰日", "갑진년 음력 1월 1일 갑진일".
// Every function gives the empty text for English, whose words are the
// program's own texts (cycles.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/names.h"
#include "services/calendar_settings.h"
#include "services/chinese_records.h"

namespace orbel {

// The name of cycle position 1..60: 甲辰, Giáp Thìn, 갑진.
std::string StemBranchWords(Names names, int32_t position);
// A year of cycle position 1..60: 甲辰年, năm Giáp Thìn, 갑진년.
std::string YearWords(Names names, int32_t position);
// The animal's year of a position: 龙年, 龍年, Năm con Rồng, 용의 해.
std::string YearAnimalWords(Names names, int32_t position);
// A lunar month 1..12: 正月, 闰二月, tháng Hai nhuận, 閏2月, 윤2월.
std::string MonthWords(Names names, int32_t month, bool leap);
// A lunar day 1..30: 初一, mùng 1, 1日, 1일.
std::string DayWords(Names names, int32_t day);
// A solar term by index 0 (winter solstice) .. 23: 冬至, Đông chí, 동지.
std::string TermWords(Names names, int32_t termIndex);
// A principal phase of the Moon, 0 the dark moon to 3 the last quarter.
std::string PhaseWords(Names names, int32_t phase);
// The rokuyō of a lunar day; a leap month counts as its ordinary month.
std::string_view RokuyoOf(int32_t month, int32_t day);

// The heading of the lunar month of `r`: 甲辰年 正月, Tháng Giêng năm Giáp
// Thìn, 甲辰年 旧暦1月, 갑진년 음력 1월.
std::string LunarMonthWords(Names names, const ChlDate& r);

// Day `day` of month `month` (a leap month when `leap`) without its year:
// 正月初一, Mùng 1 tháng Giêng, 旧暦1月1日, 음력 1월 1일; empty for English
// and for a month or day out of range.
std::string LunarMonthDayWords(Names names, int32_t month, bool leap, int32_t day);

// The index 0..23 of the solar term that begins on the day of a solar date
// (its first day), else -1.
int32_t TermBeginningOn(const ChsDate& chs);

// The lunar date of `r` (its day r.jdn) with the day's stem-branch and, when
// `termIndex` is 0..23, the solar term that begins that day; with Japanese
// also the day's rokuyō.
std::string LunarDateWords(Names names, const ChlDate& r, int32_t termIndex);

// What a window shows of one day: its lunar date in words and, for a tool
// tip, the animal of its lunar year. Both empty for English.
struct LunarDayWords {
    std::string date;
    std::string yearAnimal;
};

// The words of day `jdn` (at the settings' meridian, cycles from their epoch).
LunarDayWords LunarDayWordsOf(Names names, int32_t jdn, const CalendarSettings& settings);

}  // namespace orbel
