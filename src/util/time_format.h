// formatTime: a date and time in one of four fixed styles.
//
// style 0: 2024年05月06日 13时07分09秒   style 1: 2024-05-06 13:07:09
// style 2: 2024/05/06 13/07/09          style 3: 20240506130709
// part 0: date and time; 1: date; 2: month and day; 3: time; 4: hour and minute; 5: minute and
// second. Styles outside 0..3 and parts outside 1..5 count as 0. Hours run 00-23, or 01-12 without
// an AM/PM marker when the user's time format uses a 12-hour clock.
#pragma once

#include <optional>
#include <string>

#include "util/date_time.h"

namespace taoke {

// `time` is an OLE date; without one the current local time is used. "" when the date cannot be
// turned into calendar fields.
std::string formatTime(std::optional<double> time = std::nullopt, int style = 0, int part = 0);

// The same for given fields and clock choice.
std::string formatDateTime(const LocalDateTime& fields, int style, int part, bool twelveHourClock);

}  // namespace taoke
