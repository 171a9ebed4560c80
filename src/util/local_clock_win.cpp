// The local clock from the system: GetLocalTime, and the user locale's time-format indicator
// (LOCALE_ITIME: "1" for a 24-hour clock, "0" for a 12-hour one).
#include <windows.h>

#include "util/local_clock.h"

namespace taoke {

LocalDateTime currentLocalDateTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalDateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

bool localeUsesTwelveHourClock() {
  char indicator[4] = {};
  // An unreadable setting keeps the 24-hour default.
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ITIME, indicator, sizeof indicator) == 0) return false;
  return indicator[0] == '0';
}

}  // namespace taoke
