// The local clock service: the current local date and time and the user's clock preference.
// One implementation per platform.
#pragma once

#include "util/date_time.h"

namespace taoke {

// The current local date and time, to the second.
LocalDateTime currentLocalDateTime();

// True when the user's time format asks for a 12-hour clock; the 24-hour clock is the default.
bool localeUsesTwelveHourClock();

}  // namespace taoke
