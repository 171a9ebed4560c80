#include "util/gbk_text.h"

#include <gtest/gtest.h>

namespace taoke {
namespace {

// "中" is D6 D0, "文" is CE C4; "\xD6\x41" is a double-byte character whose trail byte is 'A'.
const std::string kZhong = "\xD6\xD0";
const std::string kWen = "\xCE\xC4";

struct FindCase {
  const char* name;
  std::string text;
  std::string needle;
  int start;
  bool ignoreCase;
  int expected;
};

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsAtCharacterBoundaries) {
  const FindCase& c = GetParam();
  EXPECT_EQ(findText(c.text, c.needle, c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    ::testing::Values(
        FindCase{"plain", "abcabc", "bc", 1, false, 2},
        FindCase{"fromStart", "abcabc", "bc", 3, false, 5},
        FindCase{"startZeroIsFirst", "abc", "a", 0, false, 1},
        FindCase{"missing", "abc", "x", 1, false, -1},
        FindCase{"emptyNeedle", "abc", "", 1, false, -1},
        FindCase{"emptyText", "", "a", 1, false, -1},
        FindCase{"needleLonger", "ab", "abc", 1, false, -1},
        FindCase{"caseSensitive", "ABC", "b", 1, false, -1},
        FindCase{"caseFolded", "ABC", "b", 1, true, 2},
        FindCase{"noMatchFromTrailByte", "\xD6\x41" "B", "AB", 1, false, -1},
        FindCase{"trailByteLooksLikeLead", kZhong + kWen, "\xD0\xCE", 1, false, -1},
        FindCase{"chineseNeedle", "x" + kZhong + kWen, kWen, 1, false, 4},
        FindCase{"atEnd", "abc", "c", 1, false, 3},
        FindCase{"loneLeadAtEnd", "ab\xD6", "\xD6", 1, false, 3},
        FindCase{"startPastEnd", "abc", "a", 9, false, -1},
        FindCase{"foldDoesNotTouchGbk", "\xC1\xC1", "\xC1\xC1", 1, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindLastText, LastOccurrenceWithinLimit) {
  EXPECT_EQ(findLastText("a=b=c", "=", 5), 4);
  EXPECT_EQ(findLastText("a=b=c", "=", 3), 2);
  EXPECT_EQ(findLastText("a=b=", "=", 3), 2);  // the final '=' does not lie within 3 bytes
  EXPECT_EQ(findLastText("\xD6\x3D" "=", "=", 3), 3);  // 0x3D inside a character is skipped
  EXPECT_EQ(findLastText("abc", "", 3), -1);
}

TEST(EndsWithText, RespectsCharacterBoundary) {
  EXPECT_TRUE(endsWithText("abc", "bc"));
  EXPECT_TRUE(endsWithText("a" + kZhong, kZhong));
  EXPECT_FALSE(endsWithText("\xD6\x41", "A"));
  EXPECT_TRUE(endsWithText("abc", ""));
}

struct SplitCase {
  const char* name;
  std::string text;
  std::string separator;
  std::vector<std::string> expected;
};

class SplitTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, Splits) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(splitText(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextTest,
    ::testing::Values(
        SplitCase{"empty", "", "#", {}},
        SplitCase{"finalSeparatorDropped", "a#b#", "#", {"a", "b"}},
        SplitCase{"innerEmptyKept", "a##b", "#", {"a", "", "b"}},
        SplitCase{"leadingEmptyKept", "#a", "#", {"", "a"}},
        SplitCase{"onlySeparator", "#", "#", {""}},
        SplitCase{"noSeparator", "abc", "#", {"abc"}},
        SplitCase{"twoByteSeparator", "a\r\nb\r\n\r\nc", "\r\n", {"a", "b", "", "c"}},
        SplitCase{"separatorInsideCharNotUsed", "\xD6\x23" "#x", "#", {"\xD6\x23", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrimText, SpacesAndFullWidthSpaces) {
  EXPECT_EQ(trimText("  a b  "), "a b");
  EXPECT_EQ(trimText("\xA1\xA1 a\xA1\xA1"), "a");
  EXPECT_EQ(trimText("\ta\r\n"), "\ta\r\n");
  EXPECT_EQ(trimText(""), "");
  EXPECT_EQ(trimText("   "), "");
  // The trailing A1 A1 here is the trail byte of one character plus a lone A1, not a full-width space.
  EXPECT_EQ(trimText("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
}

TEST(ReplaceAll, LeftToRightAtBoundaries) {
  EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");  // replacement text is not searched again
  EXPECT_EQ(replaceAll("abAB", "ab", "x", true), "xx");
  EXPECT_EQ(replaceAll("abAB", "ab", "x"), "xAB");
  EXPECT_EQ(replaceAll("\xD6\x41" "A", "A", "b"), "\xD6\x41" "b");
  EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(replaceAll("", "a", "x"), "");
}

TEST(Case, FoldsAsciiOnly) {
  EXPECT_EQ(foldAscii("AbZ\xC1\xC1"), "abz\xC1\xC1");
  EXPECT_EQ(upperAscii("abz"), "ABZ");
  EXPECT_TRUE(equalsText("Set-Cookie", "set-cookie", true));
  EXPECT_FALSE(equalsText("Set-Cookie", "set-cookie"));
}

TEST(MidText, ClampsToText) {
  EXPECT_EQ(midText("abcdef", 2, 3), "bcd");
  EXPECT_EQ(midText("abc", 3, 10), "c");
  EXPECT_EQ(midText("abc", 4, 1), "");
  EXPECT_EQ(midText("abc", 1, 0), "");
}

}  // namespace
}  // namespace taoke
