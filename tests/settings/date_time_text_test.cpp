#include <gtest/gtest.h>

#include "settings/date_time_text.h"

namespace taoke {
namespace {

struct Form {
  LocalDateTime time;
  const char* text;
};

class DateTimeText : public ::testing::TestWithParam<Form> {};

TEST_P(DateTimeText, DropsTheTrailingZeroParts) {
  EXPECT_EQ(dateTimeText(GetParam().time), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DateTimeText,
    ::testing::Values(Form{{2024, 3, 5, 9, 7, 21}, "2024年3月5日9时7分21秒"},
                      Form{{2024, 3, 5, 9, 7, 0}, "2024年3月5日9时7分"},
                      Form{{2024, 3, 5, 9, 0, 0}, "2024年3月5日9时"},
                      Form{{2024, 3, 5, 0, 0, 0}, "2024年3月5日"},
                      Form{{2024, 12, 31, 0, 0, 5}, "2024年12月31日0时0分5秒"},
                      Form{{2000, 1, 1, 10, 1, 21}, "2000年1月1日10时1分21秒"},
                      Form{{2000, 1, 1, 0, 30, 0}, "2000年1月1日0时30分"}));

}  // namespace
}  // namespace taoke
