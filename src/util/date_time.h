// Calendar date-time fields and their OLE automation date form (days since 30 December 1899 as a
// double, the fraction being the time of day), worked to whole seconds.
#pragma once

#include <optional>

namespace taoke {

struct LocalDateTime {
  int year = 1899;
  int month = 12;  // 1-12
  int day = 30;    // 1-31
  int hour = 0;    // 0-23
  int minute = 0;
  int second = 0;

  bool operator==(const LocalDateTime&) const = default;
};

// The OLE date of the fields. Before 30 December 1899 the time of day counts away from zero,
// so 29 December 1899 06:00 is -1.25.
double toOleDate(const LocalDateTime& fields);

// The fields of an OLE date rounded to the nearest second; std::nullopt outside the years 100 to
// 9999 and for values that are not numbers.
std::optional<LocalDateTime> fromOleDate(double oleDate);

}  // namespace taoke
