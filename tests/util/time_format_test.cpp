#include "util/time_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "util/local_clock.h"

namespace taoke {
namespace {

const LocalDateTime kAfternoon{2024, 5, 6, 13, 7, 9};

struct FormatCase {
  const char* name;
  int style;
  int part;
  bool twelveHourClock;
  std::string expected;
};

class FormatDateTimeTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTimeTest, Renders) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(formatDateTime(kAfternoon, c.style, c.part, c.twelveHourClock), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatDateTimeTest,
    ::testing::Values(FormatCase{"style0", 0, 0, false, "2024年05月06日 13时07分09秒"},
                      FormatCase{"style1", 1, 0, false, "2024-05-06 13:07:09"},
                      FormatCase{"style2", 2, 0, false, "2024/05/06 13/07/09"},
                      FormatCase{"style3", 3, 0, false, "20240506130709"},
                      FormatCase{"dateOnly", 1, 1, false, "2024-05-06"},
                      FormatCase{"monthDay", 1, 2, false, "05-06"},
                      FormatCase{"timeOnly", 1, 3, false, "13:07:09"},
                      FormatCase{"hourMinute", 1, 4, false, "13:07"},
                      FormatCase{"minuteSecond", 1, 5, false, "07:09"},
                      FormatCase{"chineseMonthDay", 0, 2, false, "05月06日"},
                      FormatCase{"styleOutOfRange", 7, 0, false, "2024年05月06日 13时07分09秒"},
                      FormatCase{"negativeStyle", -1, 1, false, "2024年05月06日"},
                      FormatCase{"partOutOfRange", 1, 9, false, "2024-05-06 13:07:09"},
                      FormatCase{"twelveHourClock", 1, 0, true, "2024-05-06 01:07:09"},
                      FormatCase{"twelveHourMinutes", 3, 4, true, "0107"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatDateTime, MidnightAndNoonOnTheTwelveHourClock) {
  EXPECT_EQ(formatDateTime({2024, 1, 2, 0, 5, 0}, 1, 4, true), "12:05");
  EXPECT_EQ(formatDateTime({2024, 1, 2, 12, 5, 0}, 1, 4, true), "12:05");
  EXPECT_EQ(formatDateTime({2024, 1, 2, 0, 5, 0}, 1, 4, false), "00:05");
}

TEST(FormatDateTime, EarlyYearsArePaddedToFourDigits) {
  EXPECT_EQ(formatDateTime({100, 1, 1, 0, 0, 0}, 3, 1, false), "01000101");
}

struct OleCase {
  const char* name;
  double oleDate;
  LocalDateTime fields;
};

class OleDateTest : public ::testing::TestWithParam<OleCase> {};

TEST_P(OleDateTest, ConvertsBothWays) {
  EXPECT_EQ(fromOleDate(GetParam().oleDate), GetParam().fields);
  EXPECT_NEAR(toOleDate(GetParam().fields), GetParam().oleDate, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, OleDateTest,
                         ::testing::Values(OleCase{"epoch", 0.0, {1899, 12, 30, 0, 0, 0}},
                                           OleCase{"noonNextDay", 1.5, {1899, 12, 31, 12, 0, 0}},
                                           OleCase{"beforeEpoch", -1.25, {1899, 12, 29, 6, 0, 0}},
                                           OleCase{"leapDay", 45351.0, {2024, 2, 29, 0, 0, 0}},
                                           OleCase{"afternoon", 45418.0 + (13 * 3600 + 7 * 60 + 9) / 86400.0,
                                                   {2024, 5, 6, 13, 7, 9}},
                                           OleCase{"firstDay", -657434.0, {100, 1, 1, 0, 0, 0}},
                                           OleCase{"lastDay", 2958465.0, {9999, 12, 31, 0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OleDate, RoundsToTheNearestSecond) {
  EXPECT_EQ(fromOleDate(1.0 + 0.4 / 86400), (LocalDateTime{1899, 12, 31, 0, 0, 0}));
  EXPECT_EQ(fromOleDate(1.0 + 59.6 / 86400), (LocalDateTime{1899, 12, 31, 0, 1, 0}));
  EXPECT_EQ(fromOleDate(2.0 - 0.2 / 86400), (LocalDateTime{1900, 1, 1, 0, 0, 0}));
}

TEST(OleDate, OutOfRangeHasNoFields) {
  EXPECT_FALSE(fromOleDate(-657435.0));
  EXPECT_FALSE(fromOleDate(2958466.0));
  EXPECT_FALSE(fromOleDate(2958466.0 - 0.1 / 86400));
  EXPECT_FALSE(fromOleDate(std::nan("")));
  EXPECT_EQ(formatTime(1e12, 1), "");
}

TEST(FormatTime, GivenOleDate) {
  EXPECT_EQ(formatTime(45418.0 + (1 * 3600 + 2 * 60 + 3) / 86400.0, 1), "2024-05-06 01:02:03");
}

// Restores an environment variable when the test ends.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

int hourIn(const char* timeZone) {
  ScopedEnvironment zone("TZ", timeZone);
  return currentLocalDateTime().hour;
}

// The local clock follows the time zone of the environment at the moment of the call.
TEST(LocalClock, FollowsTheTimeZone) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int utc = hourIn("UTC0");
    const int beijing = hourIn("CST-8");
    if (utc == hourIn("UTC0")) {
      EXPECT_EQ((utc + 8) % 24, beijing);
      return;
    }
  }
  FAIL() << "the hour kept changing";
}

TEST(LocalClock, CurrentTimeIsPlausible) {
  ScopedEnvironment zone("TZ", "UTC0");
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  const LocalDateTime fields = currentLocalDateTime();
  EXPECT_EQ(fields.year, utc.tm_year + 1900);
  EXPECT_GE(fields.month, 1);
  EXPECT_LE(fields.second, 60);
}

TEST(LocalClock, TwentyFourHourClockByDefault) {
  ScopedEnvironment all("LC_ALL", "C");
  EXPECT_FALSE(localeUsesTwelveHourClock());
}

TEST(LocalClock, UnknownLocaleFallsBackToTwentyFourHours) {
  ScopedEnvironment all("LC_ALL", "xx_NOWHERE.UTF-8");
  EXPECT_FALSE(localeUsesTwelveHourClock());
}

}  // namespace
}  // namespace taoke
