#include "convert/query_value.h"

#include <gtest/gtest.h>

#include <ostream>

namespace taoke {
namespace {

struct QueryValueCase {
  const char* value;
  const char* encoded;
};

void PrintTo(const QueryValueCase& c, std::ostream* os) { *os << testing::PrintToString(std::string(c.value)); }

class QueryValueTest : public testing::TestWithParam<QueryValueCase> {};

TEST_P(QueryValueTest, EncodesOnlyWhatChangesTheQuery) {
  EXPECT_EQ(queryValue(GetParam().value), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, QueryValueTest,
    testing::Values(
        QueryValueCase{"AbCdEfGhIjK", "AbCdEfGhIjK"},
        // A member pasting a token with a second pid must not reach the operator's request.
        QueryValueCase{"AbCdEfGh&pid=mm_9_9_9", "AbCdEfGh%26pid%3Dmm_9_9_9"},
        // A coupon link keeps its own query inside the content value.
        QueryValueCase{"https://uland.taobao.com/coupon/edetail?e=x&pid=mm_1",
                       "https://uland.taobao.com/coupon/edetail%3Fe%3Dx%26pid%3Dmm_1"},
        QueryValueCase{"100%", "100%25"},
        QueryValueCase{"a#b+c d", "a%23b%2Bc%20d"},
        QueryValueCase{"\r\n\t\x01\x7f", "%0D%0A%09%01%7F"},
        QueryValueCase{"口令￥中文", "口令￥中文"},
        QueryValueCase{"a/b:c;d,e@f~_-.", "a/b:c;d,e@f~_-."},
        QueryValueCase{"", ""}));

}  // namespace
}  // namespace taoke
