// The Windows local clock against the system's own UTC clock and time-zone conversion, and the
// 24-hour rule on a Chinese user locale (the test run's locale).
#include <windows.h>

#include <gtest/gtest.h>

#include "util/date_time.h"
#include "util/local_clock.h"

namespace taoke {
namespace {

double localOleDateFromUtc() {
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  SYSTEMTIME local;
  EXPECT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local));
  return toOleDate(LocalDateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond});
}

TEST(LocalClockWindows, AgreesWithTheUtcClockInTheLocalZone) {
  const double expected = localOleDateFromUtc();
  const double actual = toOleDate(currentLocalDateTime());
  EXPECT_NEAR(actual, expected, 2.0 / 86400.0);
}

TEST(LocalClockWindows, ChineseLocaleUsesTheTwentyFourHourClock) {
  EXPECT_FALSE(localeUsesTwelveHourClock());
}

}  // namespace
}  // namespace taoke
