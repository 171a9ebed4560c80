#include "util/regex_obj.h"

#include <gtest/gtest.h>

#include <vector>

namespace taoke {
namespace {

// The plug-in's own patterns: the three Taobao token forms, a short link of seven word
// characters and the page charset declaration.
const std::string kYenToken = "[^\\￥\\)]{11}(?=\\￥)";
const std::string kDollarToken = "[^\\$\\)]{11}(?=\\$)";
const std::string kParenthesisToken = "[^\\(\\)]{11}(?=\\))";
const std::string kShortLink = "(https://s.click.taobao.com/\\w{7})";
const std::string kMetaCharset = "<meta.+?charset=[^\\w]?([-\\w]+)";

std::vector<std::string> allMatches(const RegexObj& regex) {
  std::vector<std::string> texts;
  for (int i = 1; i <= regex.matchCount(); ++i) texts.push_back(regex.matchText(i));
  return texts;
}

struct MatchCase {
  const char* name;
  std::string pattern;
  std::string subject;
  bool caseSensitive;
  std::vector<std::string> expected;
};

class RegexMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(RegexMatchTest, FindsEveryMatch) {
  const MatchCase& c = GetParam();
  RegexObj regex;
  EXPECT_TRUE(regex.create(c.pattern, c.subject, c.caseSensitive));
  EXPECT_EQ(allMatches(regex), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexMatchTest,
    ::testing::Values(
        MatchCase{"noMatch", kYenToken, "nothing here", true, {}},
        // Eleven characters, some of them double-byte, before the "￥".
        MatchCase{"yenTokenCountsCharacters", kYenToken, "复制￥AB中文cd淘宝12x￥打开", true, {"AB中文cd淘宝12x"}},
        MatchCase{"yenTokenTooShort", kYenToken, "￥AB中文cd淘宝1￥", true, {}},
        MatchCase{"yenTokenStopsAtParenthesis", kYenToken, "(abcdefghijk)￥", true, {}},
        MatchCase{"dollarTokens", kDollarToken, "$abcdefghijk$ and $ABCDEFGHIJK$", true,
                  {"abcdefghijk", "ABCDEFGHIJK"}},
        MatchCase{"parenthesisToken", kParenthesisToken, "（(abcdefghijk)", true, {"abcdefghijk"}},
        MatchCase{"shortLinks", kShortLink,
                  "a https://s.click.taobao.com/Ab_1234 b https://s.click.taobao.com/xyz", true,
                  {"https://s.click.taobao.com/Ab_1234"}},
        // \w is ASCII only: Chinese characters are no word characters.
        MatchCase{"wordClassIsAscii", "\\w+", "ab中文c_1", true, {"ab", "c_1"}},
        MatchCase{"ignoreCase", "abc", "ABC abc", false, {"ABC", "abc"}},
        MatchCase{"caseSensitive", "abc", "ABC abc", true, {"abc"}},
        MatchCase{"dotStopsAtLineFeed", "a.+", "abc\nad", true, {"abc", "ad"}},
        MatchCase{"multiLineAnchors", "^\\w+$", "one\ntwo", true, {"one", "two"}},
        MatchCase{"emptyMatchesAdvance", "x*", "ab", true, {"", "", ""}},
        MatchCase{"lazyQuantifier", "<.+?>", "<a><b>", true, {"<a>", "<b>"}},
        MatchCase{"escapedUnicode", "\\u4e2d", "中文", true, {"中"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegexObj, WithoutGlobalOnlyTheFirstMatchIsTaken) {
  RegexObj regex;
  EXPECT_TRUE(regex.create("\\d", "1 2 3", true, true, false));
  EXPECT_EQ(regex.matchCount(), 1);
}

TEST(RegexObj, WithoutMultiLineDollarIsTheVeryEnd) {
  RegexObj regex;
  EXPECT_TRUE(regex.create("\\w+$", "one\ntwo\n", true, false));
  EXPECT_EQ(regex.matchCount(), 0);
  EXPECT_TRUE(regex.create("^\\w+", "one\ntwo", true, false));
  EXPECT_EQ(allMatches(regex), std::vector<std::string>{"one"});
}

TEST(RegexObj, MetaCharsetGroupIgnoringCase) {
  RegexObj regex;
  EXPECT_TRUE(regex.create(kMetaCharset, "<html><META http-equiv=\"Content-Type\" content=\"text/html; CHARSET=utf-8\">"));
  EXPECT_EQ(regex.subMatchText(1, 1), "utf-8");
  EXPECT_TRUE(regex.create(kMetaCharset, "<meta charset=\"GBK\" />"));
  EXPECT_EQ(regex.subMatchText(1, 1), "GBK");
  EXPECT_EQ(regex.subMatchCount(), 1);
}

TEST(RegexObj, SubMatchesAndTheirRanges) {
  RegexObj regex;
  EXPECT_TRUE(regex.create("(a)|(b)", "ab", true));
  EXPECT_EQ(regex.subMatchCount(), 2);
  EXPECT_EQ(regex.subMatchText(1, 1), "a");
  EXPECT_EQ(regex.subMatchText(1, 2), "");  // did not take part
  EXPECT_EQ(regex.subMatchText(2, 2), "b");
  EXPECT_EQ(regex.subMatchText(3, 1), "");
  EXPECT_EQ(regex.subMatchText(1, 3), "");
  EXPECT_EQ(regex.subMatchText(0, 1), "");
  EXPECT_EQ(regex.matchText(0), "");
  EXPECT_EQ(regex.matchText(3), "");
}

TEST(RegexObj, NothingMatchedHasNoGroups) {
  RegexObj regex;
  EXPECT_TRUE(regex.create("(x)", "abc"));
  EXPECT_EQ(regex.matchCount(), 0);
  EXPECT_EQ(regex.subMatchCount(), 0);
}

TEST(RegexObj, RejectedPatternLeavesNoMatches) {
  RegexObj regex;
  EXPECT_TRUE(regex.create("a", "a"));
  EXPECT_FALSE(regex.create("(unclosed", "unclosed"));
  EXPECT_EQ(regex.pattern(), "(unclosed");
  EXPECT_EQ(regex.matchCount(), 0);
  EXPECT_EQ(regex.matchText(1), "");
  EXPECT_EQ(regex.subMatchCount(), 0);
}

TEST(RegexObj, PatternIsEmptyBeforeCreate) {
  RegexObj regex;
  EXPECT_EQ(regex.pattern(), "");
  EXPECT_EQ(regex.matchCount(), 0);
}

TEST(RegexObj, QuoteAliasStandsForADoubleQuote) {
  RegexObj regex;
  EXPECT_TRUE(regex.create("a#引号b", "x a\"b y", true, true, true, true));
  EXPECT_EQ(regex.pattern(), "a\"b");
  EXPECT_EQ(allMatches(regex), std::vector<std::string>{"a\"b"});
  EXPECT_TRUE(regex.create("a#引号b", "a\"b", true));
  EXPECT_EQ(regex.matchCount(), 0);
}

TEST(RegexObj, PositionsAreByteOffsetsInTheGbkSubject) {
  RegexObj regex;
  // "中文" takes four bytes; the second "ab" starts at byte 6 though it is character 4.
  EXPECT_TRUE(regex.create("a(b)", "ab中文ab", true));
  int position = 0;
  EXPECT_EQ(regex.matchText(1, &position), "ab");
  EXPECT_EQ(position, 0);
  EXPECT_EQ(regex.matchText(2, &position), "ab");
  EXPECT_EQ(position, 6);
  EXPECT_EQ(regex.subMatchText(2, 1, &position), "b");
  EXPECT_EQ(position, 7);
  EXPECT_EQ(regex.matchText(5, &position), "");
  EXPECT_EQ(position, -1);
}

struct ReplaceCase {
  const char* name;
  std::string pattern;
  std::string subject;
  bool global;
  std::string replacement;
  std::string expected;
};

class RegexReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(RegexReplaceTest, Replaces) {
  const ReplaceCase& c = GetParam();
  RegexObj regex;
  regex.create(c.pattern, c.subject, true, true, c.global);
  EXPECT_EQ(regex.replace(c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexReplaceTest,
    ::testing::Values(ReplaceCase{"global", "\\d", "a1b2", true, "#", "a#b#"},
                      ReplaceCase{"firstOnly", "\\d", "a1b2", false, "#", "a#b2"},
                      ReplaceCase{"groupsAndWhole", "(\\w)(\\d)", "中x1文", true, "[$2$1$&]", "中[1xx1]文"},
                      ReplaceCase{"dollarForms", "b", "abc", true, "$$|$`|$'|$9", "a$|a|c|$9c"},
                      ReplaceCase{"noMatch", "z", "中文", true, "#", "中文"},
                      ReplaceCase{"rejectedPattern", "(", "abc", true, "#", "abc"}),
    [](const auto& info) { return std::string(info.param.name); });

// Catastrophic backtracking is cut off by the bounded matching work instead of hanging.
TEST(RegexObj, HostileSubjectFailsInsteadOfHanging) {
  RegexObj regex;
  EXPECT_FALSE(regex.create("(a+)+$", std::string(40, 'a') + "!", true));
  EXPECT_EQ(regex.matchCount(), 0);
}

// A lazy scan over a long page head stays within the bounds.
TEST(RegexObj, LongSubjectWithinTheBounds) {
  RegexObj regex;
  const std::string page = "<meta " + std::string(50000, 'x') + " charset=utf-8>";
  EXPECT_TRUE(regex.create(kMetaCharset, page));
  EXPECT_EQ(regex.subMatchText(1, 1), "utf-8");
}

TEST(RegexObj, CopyKeepsMatchesAndSubject) {
  RegexObj regex;
  regex.create("\\d+", "a12b345");
  const RegexObj copy = regex;
  regex.create("x", "y");
  EXPECT_EQ(allMatches(copy), (std::vector<std::string>{"12", "345"}));
  EXPECT_EQ(copy.replace("#"), "a#b#");
}

}  // namespace
}  // namespace taoke
