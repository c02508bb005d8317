// Lunar and solar calendar steps. A lunar month has 29 or 30 days and a
// year may hold a leap month, so a step that keeps the day and month number
// must fall back when the target has no such day or month; a solar term has
// 14 to 16 days, so a solar step falls back by a day or two.
#include "navigation/lunar_solar_steps.h"

#include "engine/chinese_calendar.h"

namespace orbel {

namespace {


bool IsValid(ChlDate& date, const CalendarSettings& settings) { return ChLDateToJDN(date, settings) == ChlDateFound; }

// Tries `day` in the date's month, then day 29 when that was a 30th. With
// keep-30th a 29th that came from a fall-back aims at the 30th again.
bool TryDay(ChlDate& date, int32_t day, bool keep30th, const CalendarSettings& settings) {
    if (keep30th && day == 29) day = 30;
    date.day = day;
    if (IsValid(date, settings)) return true;
    if (day != 30) return false;
    date.day = 29;
    return IsValid(date, settings);
}

// Cycle positions run 1..60; one past either end moves the cycle number.
template <typename Date>
void StepPosition(Date& date, bool forward) {
    date.position += forward ? 1 : -1;
    if (date.position > 60) {
        date.position = 1;
        ++date.cycle;
    } else if (date.position < 1) {
        date.position = 60;
        --date.cycle;
    }
}

bool StepLunarMonthForward(ChlDate& date, bool keep30th, const CalendarSettings& settings) {
    const int32_t day = date.day;
    if (date.leap == 0) {
        date.leap = 1;
        if (TryDay(date, day, keep30th, settings)) return true;
    }
    date.leap = 0;
    if (date.month < 12) {
        ++date.month;
        if (TryDay(date, day, keep30th, settings)) return true;
    }
    StepPosition(date, true);
    date.month = 1;
    if (TryDay(date, day, keep30th, settings)) return true;
    date.day = day;
    return false;
}

// The leap month of `month`, else the ordinary one.
bool TryLeapThenOrdinary(ChlDate& date, int32_t month, int32_t day, bool keep30th, const CalendarSettings& settings) {
    date.month = month;
    date.leap = 1;
    if (TryDay(date, day, keep30th, settings)) return true;
    date.leap = 0;
    return TryDay(date, day, keep30th, settings);
}

bool StepLunarMonthBack(ChlDate& date, bool keep30th, const CalendarSettings& settings) {
    const int32_t day = date.day;
    if (date.leap == 1) {
        // The ordinary month of a leap month's number always precedes it.
        date.leap = 0;
        if (TryDay(date, day, keep30th, settings)) return true;
        date.day = 29;
        return IsValid(date, settings);
    }
    if (date.month > 1) return TryLeapThenOrdinary(date, date.month - 1, day, keep30th, settings);
    StepPosition(date, false);
    // The last month of a year is 12, a leap 12 or, where the year is short
    // of months near its end, 11 or 10.
    for (int32_t month = 12; month >= 10; --month)
        if (TryLeapThenOrdinary(date, month, day, keep30th, settings)) return true;
    date.day = day;
    return false;
}

}  // namespace

ChlDate LunarDateOfDay(int32_t day, const CalendarSettings& s) {
    ChlDate r;
    r.epoch = s.epoch;
    r.jdn = day;
    JDNToChlDate(r, s);
    return r;
}

bool StepLunarMonth(ChlDate& date, bool forward, bool keep30th, const CalendarSettings& settings) {
    return forward ? StepLunarMonthForward(date, keep30th, settings) : StepLunarMonthBack(date, keep30th, settings);
}

bool StepLunarYear(ChlDate& date, bool forward, LunarKeep keep, const CalendarSettings& settings) {
    StepPosition(date, forward);
    return FitLunarDate(date, keep, settings);
}

bool StepLunarCycle(ChlDate& date, bool forward, LunarKeep keep, const CalendarSettings& settings) {
    date.cycle += forward ? 1 : -1;
    return FitLunarDate(date, keep, settings);
}

bool FitLunarDate(ChlDate& date, LunarKeep keep, const CalendarSettings& settings) {
    const int32_t day = date.day;
    const bool keep30th = keep.keep30th;
    // With keep-leap an ordinary month that came from a fall-back returns to
    // the leap month wherever the year has one.
    if (keep.keepLeap && date.leap == 0) {
        date.leap = 1;
        if (TryDay(date, day, keep30th, settings)) return true;
        date.leap = 0;
    }
    if (TryDay(date, day, keep30th, settings)) return true;
    if (date.leap == 1) {
        date.leap = 0;
        if (TryDay(date, day, keep30th, settings)) return true;
    }
    date.day = day;
    return false;
}

bool StepSolarTermOrCycle(ChsDate& date, bool forward, bool cycle, const CalendarSettings& settings) {
    if (cycle) {
        date.cycle += forward ? 1 : -1;
    } else {
        date.term += forward ? 1 : -1;
        if (date.term > 24) {
            date.term = 1;
            StepPosition(date, true);
        } else if (date.term < 1) {
            date.term = 24;
            StepPosition(date, false);
        }
    }
    if (ChSDateToJDN(date, settings)) return true;
    --date.day;
    return ChSDateToJDN(date, settings);
}

bool StepSolarYear(ChsDate& date, bool forward, const CalendarSettings& settings) {
    StepPosition(date, forward);
    for (int fallBack = 0; fallBack <= 2; ++fallBack, --date.day)
        if (ChSDateToJDN(date, settings)) return true;
    return false;
}

int YearBeyondRange(int32_t cycle, int32_t position, int32_t epoch) {
    const int32_t year = YearOfCycle(cycle, position, epoch);
    return year < FirstRangeYear ? -1 : year > LastRangeYear ? 1 : 0;
}

bool CheckStepLimit(int32_t value, bool forward, int32_t lowest, int32_t highest, UserPort& port) {
    if (!forward && value <= lowest) {
        port.ShowMessage(OutOfRangeTitle, EarliestAdmissibleText, MessageIcon::Exclamation);
        return true;
    }
    if (forward && value >= highest) {
        port.ShowMessage(OutOfRangeTitle, LatestAdmissibleText, MessageIcon::Exclamation);
        return true;
    }
    return false;
}

std::string InabilityText(bool forward, std::string_view unit) {
    return std::string("Unable to ") + (forward ? "add a" : "subtract a") + " " + std::string(unit) + ".";
}

}  // namespace orbel
