#include "cli/cli_dates.h"

#include "services/calendar_settings.h"
#include "services/calendar_conversion.h"

namespace orbel::cli {

std::optional<int32_t> ParseCEDateArgument(const std::string& text, std::string& error) {
    EuroDate date;
    switch (str_to_date(text.c_str(), StrToDateOrderYMD, &date, 'G')) {
        case StrToDateOk: break;
        case StrToDateBadMonth:
        case StrToDateBadDay:
            error = "\"" + text + "\" is not a date: no such month or day";
            return std::nullopt;
        case StrToDateYearRange:
            error = "\"" + text + "\" lies outside the range -3000-01-01 to 3000-01-01 CE";
            return std::nullopt;
        default:
            error = "\"" + text + "\" is not a date of the form Y-MM-DD";
            return std::nullopt;
    }
    const int32_t jdn = euro_date_to_jdn(&date);
    if (jdn < MinJDN || jdn > MaxJDN) {
        error = "\"" + text + "\" lies outside the range -3000-01-01 to 3000-01-01 CE";
        return std::nullopt;
    }
    return jdn;
}

}  // namespace orbel::cli
