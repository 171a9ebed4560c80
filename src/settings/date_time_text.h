// The text form of a date-time used by the window's clock and the scheduled sending:
// 2024年3月5日9时7分21秒, 2024年3月5日9时7分 (second 0), 2024年3月5日9时 (minute 0 too),
// 2024年3月5日 (midnight). Numbers are decimal without leading zeros.
#pragma once

#include <string>

#include "util/date_time.h"

namespace taoke {

std::string dateTimeText(const LocalDateTime& time);

}  // namespace taoke
