#include "engine/lunar_date_words.h"

#include "engine/chinese_calendar.h"
#include "engine/cycles.h"
#include "engine/name_tables.h"

namespace orbel {
namespace {

// `form` with its "%" replaced by `word`.
std::string Fill(std::string_view form, std::string_view word) {
    std::string text(form);
    const size_t at = text.find('%');
    if (at != std::string::npos) text.replace(at, 1, word);
    return text;
}

// The Vietnamese words begin a sentence with a capital; their first letters
// ("m" of mùng, "t" of tháng, "n" of năm) are plain ASCII.
std::string Capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

}  // namespace

std::string StemBranchWords(Names names, int32_t position) {
    const NameTables* t = NameTablesOf(names);
    if (!t) return {};
    return std::string(t->stems[StemOfPosition(position) - 1]) + std::string(t->stemBranchJoin) +
           std::string(t->branches[AnimalOfPosition(position)]);
}

std::string YearWords(Names names, int32_t position) {
    switch (names) {
        case Names::English: return {};
        case Names::Vietnamese: return "năm " + StemBranchWords(names, position);
        case Names::Korean: return StemBranchWords(names, position) + "년";
        default: return StemBranchWords(names, position) + "年";
    }
}

std::string YearAnimalWords(Names names, int32_t position) {
    const NameTables* t = NameTablesOf(names);
    if (!t) return {};
    const std::string animal(t->animals[AnimalOfPosition(position)]);
    switch (names) {
        case Names::Vietnamese: return "Năm con " + animal;
        case Names::Korean: return animal + "의 해";
        default: return animal + "年";
    }
}

std::string MonthWords(Names names, int32_t month, bool leap) {
    const NameTables* t = NameTablesOf(names);
    if (!t || !InRange(month, 1, 12)) return {};
    return Fill(leap ? t->leapMonthForm : t->monthForm, t->months[month - 1]);
}

std::string DayWords(Names names, int32_t day) {
    const NameTables* t = NameTablesOf(names);
    if (!t || !InRange(day, 1, 30)) return {};
    return std::string(t->days[day - 1]);
}

std::string TermWords(Names names, int32_t termIndex) {
    const NameTables* t = NameTablesOf(names);
    if (!t || !InRange(termIndex, 0, 23)) return {};
    return std::string(t->terms[termIndex]);
}

std::string PhaseWords(Names names, int32_t phase) {
    const NameTables* t = NameTablesOf(names);
    if (!t || !InRange(phase, 0, 3)) return {};
    return std::string(t->phases[phase]);
}

std::string_view RokuyoOf(int32_t month, int32_t day) { return RokuyoNames[(month + day) % 6]; }

std::string LunarMonthWords(Names names, const ChlDate& r) {
    const std::string year = YearWords(names, r.position), month = MonthWords(names, r.month, r.leap == 1);
    switch (names) {
        case Names::English: return {};
        case Names::Vietnamese: return Capitalized(month + " " + year);
        case Names::Japanese: return year + " 旧暦" + month;
        case Names::Korean: return year + " 음력 " + month;
        default: return year + " " + month;
    }
}

int32_t TermBeginningOn(const ChsDate& chs) {
    return chs.day == 1 && InRange(chs.term, 1, 24) ? chs.term - 1 : -1;
}

std::string LunarMonthDayWords(Names names, int32_t month, bool leap, int32_t day) {
    if (names == Names::English || !InRange(month, 1, 12) || !InRange(day, 1, 30)) return {};
    const std::string monthWords = MonthWords(names, month, leap), dayWords = DayWords(names, day);
    switch (names) {
        case Names::Vietnamese: return Capitalized(dayWords + " " + monthWords);
        case Names::Japanese: return "旧暦" + monthWords + dayWords;
        case Names::Korean: return "음력 " + monthWords + " " + dayWords;
        default: return monthWords + dayWords;
    }
}

std::string LunarDateWords(Names names, const ChlDate& r, int32_t termIndex) {
    const std::string monthDay = LunarMonthDayWords(names, r.month, r.leap == 1, r.day);
    if (monthDay.empty()) return {};
    const std::string year = YearWords(names, r.position), dayName = StemBranchWords(names, DayPosition(r.jdn)),
                      term = TermWords(names, termIndex);
    switch (names) {
        case Names::Vietnamese: return monthDay + " " + year + ", ngày " + dayName + (term.empty() ? "" : ", " + term);
        case Names::Japanese:
            return year + " " + monthDay + " " + std::string(RokuyoOf(r.month, r.day)) + " " + dayName + "日" +
                   (term.empty() ? "" : " " + term);
        case Names::Korean: return year + " " + monthDay + " " + dayName + "일" + (term.empty() ? "" : " " + term);
        default: return year + " " + monthDay + " " + dayName + "日" + (term.empty() ? "" : " " + term);
    }
}

LunarDayWords LunarDayWordsOf(Names names, int32_t jdn, const CalendarSettings& settings) {
    if (names == Names::English || !IsComputable(jdn + 0.5)) return {};
    ChsDate chs;
    ChlDate chl;
    CJDateToChDates(jdn + 0.5, settings.epoch, chs, chl, settings);
    return {LunarDateWords(names, chl, TermBeginningOn(chs)), YearAnimalWords(names, chl.position)};
}

}  // namespace orbel
