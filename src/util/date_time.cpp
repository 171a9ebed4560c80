#include "util/date_time.h"

#include <cmath>

namespace taoke {
namespace {

// The OLE dates of 1 January 100 and of the day after 31 December 9999.
constexpr double kEarliestOleDate = -657434.0;
constexpr double kLatestOleDateBound = 2958466.0;
constexpr long kSecondsPerDay = 86400;

// Days between 1970-01-01 and the civil date (proleptic Gregorian calendar).
constexpr long daysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long days, LocalDateTime& fields) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long monthIndex = (5 * dayOfYear + 2) / 153;
  fields.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  fields.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  fields.year = static_cast<int>(yearOfEra + era * 400 + (fields.month <= 2));
}

constexpr long kOleEpochDays = daysFromCivil(1899, 12, 30);

}  // namespace

double toOleDate(const LocalDateTime& fields) {
  const long days = daysFromCivil(fields.year, fields.month, fields.day) - kOleEpochDays;
  const double timeOfDay =
      static_cast<double>(fields.hour * 3600 + fields.minute * 60 + fields.second) / kSecondsPerDay;
  return days < 0 ? static_cast<double>(days) - timeOfDay : static_cast<double>(days) + timeOfDay;
}

std::optional<LocalDateTime> fromOleDate(double oleDate) {
  if (!(oleDate >= kEarliestOleDate && oleDate < kLatestOleDateBound)) return std::nullopt;
  const double wholeDays = std::trunc(oleDate);
  long days = static_cast<long>(wholeDays);
  long seconds = std::lround(std::fabs(oleDate - wholeDays) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {  // rounded up into the next calendar day
    seconds -= kSecondsPerDay;
    ++days;
  }
  if (days + kOleEpochDays > daysFromCivil(9999, 12, 31)) return std::nullopt;
  LocalDateTime fields;
  civilFromDays(days + kOleEpochDays, fields);
  fields.hour = static_cast<int>(seconds / 3600);
  fields.minute = static_cast<int>(seconds / 60 % 60);
  fields.second = static_cast<int>(seconds % 60);
  return fields;
}

}  // namespace taoke
