#include <gtest/gtest.h>

#include <ostream>

#include "convert/keyword_replies.h"

namespace taoke {
namespace {

struct KeywordCase {
  const char* message;
  const char* keyword;
  bool triggers;
  const char* words;
};

void PrintTo(const KeywordCase& c, std::ostream* os) {
  *os << testing::PrintToString(std::string(c.message)) << " / " << testing::PrintToString(std::string(c.keyword));
}

class KeywordQueryTest : public testing::TestWithParam<KeywordCase> {};

TEST_P(KeywordQueryTest, MessageMustBeginWithTheKeyword) {
  const auto& c = GetParam();
  const std::optional<std::string> words = keywordQuery(c.message, c.keyword);
  ASSERT_EQ(words.has_value(), c.triggers);
  if (c.triggers) EXPECT_EQ(*words, c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, KeywordQueryTest,
    testing::Values(KeywordCase{"搜手机壳", "搜", true, "手机壳"},
                    KeywordCase{"我要搜手机壳", "搜", false, ""},
                    KeywordCase{"搜", "搜", true, ""},
                    KeywordCase{"搜搜手机", "搜", true, "手机"},
                    KeywordCase{"手机壳", "", true, "手机壳"},
                    KeywordCase{"x", "", true, ""},
                    KeywordCase{"", "", false, ""},
                    KeywordCase{"", "搜", false, ""},
                    // The keyword's bytes inside a double-byte character do not count.
                    KeywordCase{"\xb0\xa1" "abc", "\xa1" "a", false, ""},
                    KeywordCase{"Find shoes", "find", false, ""}));

}  // namespace
}  // namespace taoke
