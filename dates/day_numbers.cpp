#include "dates/day_numbers.h"
#include "services/calendar_conversion.h"

namespace orbel {

int32_t EuroDateToJDN(EuroDate& date) { return euro_date_to_jdn(&date); }

void JDNToEuroDate(EuroDate& date) { jdn_to_euro_date(&date); }

}  // namespace orbel
