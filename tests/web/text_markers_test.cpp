#include "web/text_markers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace taoke {
namespace {

struct BetweenCase {
  const char* name;
  std::string text, left, right;
  int start;
  bool caseInsensitive;
  std::string expected;
};

void PrintTo(const BetweenCase& c, std::ostream* os) { *os << c.name; }

class TextBetweenTest : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, CutsBetweenMarkers) {
  const BetweenCase& c = GetParam();
  EXPECT_EQ(textBetween(c.text, c.left, c.right, c.start, c.caseInsensitive), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextBetweenTest,
    testing::Values(
        BetweenCase{"QuoteMarker", R"({"id":42,"x":1})", "#引号id#引号:", ",", 1, false, "42"},
        BetweenCase{"QuoteMarkerInRight", R"(a="v" b)", "a=#引号", "#引号", 1, false, "v"},
        BetweenCase{"RightOnlyBeforeLeft", "]x[", "[", "]", 1, false, ""},
        BetweenCase{"AdjacentMarkers", "a[]b", "[", "]", 1, false, ""},
        BetweenCase{"LeftMissing", "abc", "[", "]", 1, false, ""},
        BetweenCase{"RightMissing", "a[bc", "[", "]", 1, false, ""},
        BetweenCase{"FirstLeftWins", "[1][2]", "[", "]", 1, false, "1"},
        BetweenCase{"StartZeroIsFirstByte", "[1][2]", "[", "]", 0, false, "1"},
        BetweenCase{"StartSkipsFirst", "[1][2]", "[", "]", 2, false, "2"},
        BetweenCase{"CaseSensitiveByDefault", "<A>x</A>", "<a>", "</a>", 1, false, ""},
        BetweenCase{"CaseInsensitive", "<A>x</A>", "<a>", "</a>", 1, true, "x"},
        BetweenCase{"ChineseMarkers", "淘口令：￥abc￥结束", "￥", "￥", 1, false, "abc"},
        // 0x81 0x41 is one character whose second byte is 'A': no match may start there.
        BetweenCase{"NoMatchInsideDoubleByte", "\x81" "AxB", "A", "B", 1, false, ""},
        BetweenCase{"EmptyText", "", "[", "]", 1, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct SideCase {
  const char* name;
  std::string text, marker;
  int start;
  bool caseInsensitive;
  std::string left, right;
};

void PrintTo(const SideCase& c, std::ostream* os) { *os << c.name; }

class TextSidesTest : public testing::TestWithParam<SideCase> {};

TEST_P(TextSidesTest, CutsBeforeAndAfterMarker) {
  const SideCase& c = GetParam();
  EXPECT_EQ(textLeftOf(c.text, c.marker, c.start, c.caseInsensitive), c.left);
  EXPECT_EQ(textRightOf(c.text, c.marker, c.start, c.caseInsensitive), c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextSidesTest,
    testing::Values(
        // Forward search on the left side, backward search on the right side.
        SideCase{"TwoMarkers", "k=v=w", "=", 0, false, "k", "w"},
        SideCase{"MarkerMissing", "kvw", "=", 0, false, "", ""},
        // The right side ignores an occurrence that ends on the final byte.
        SideCase{"EndsWithMarker", "a: b: ", ": ", 0, false, "a", "b: "},
        SideCase{"OnlyTheMarker", ": ", ": ", 0, false, "", ""},
        SideCase{"EndsWithSoleMarker", "ab=", "=", 0, false, "ab", ""},
        // Negative starts swap the directions: -1 is the first forward occurrence on the right,
        // and the last backward occurrence on the left.
        SideCase{"MinusOne", "a=b=c", "=", -1, false, "a=b", "b=c"},
        SideCase{"MinusThree", "a=b=c=d", "=", -3, false, "a", "c=d"},
        // A positive start n limits the right side's backward search to the first length-n-1 bytes.
        SideCase{"PositiveStart", "a=b=c=d", "=", 2, false, "a", "c=d"},
        SideCase{"StartPastText", "a=b", "=", 10, false, "", ""},
        SideCase{"CaseInsensitive", "xAy", "a", 0, true, "x", "y"},
        SideCase{"CaseSensitive", "xAy", "a", 0, false, "", ""},
        SideCase{"NoMatchInsideDoubleByte", "\x81" "A-", "A", 0, false, "", ""},
        SideCase{"Chinese", "价格：12元", "：", 0, false, "价格", "12元"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
