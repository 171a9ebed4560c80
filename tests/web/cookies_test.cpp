#include "web/cookies.h"

#include <gtest/gtest.h>

#include <ostream>

namespace taoke {
namespace {

struct CollectCase {
  const char* name;
  std::vector<std::string> lines;
  std::string initial, expected;
};

void PrintTo(const CollectCase& c, std::ostream* os) { *os << c.name; }

class CollectSetCookiesTest : public testing::TestWithParam<CollectCase> {};

TEST_P(CollectSetCookiesTest, FoldsFirstPairOfEachLine) {
  EXPECT_EQ(collectSetCookies(GetParam().lines, GetParam().initial), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CollectSetCookiesTest,
    testing::Values(
        CollectCase{"AttributesDropped", {"Set-Cookie: a=1; Path=/", "Set-Cookie: b=2"}, "", "a=1; b=2"},
        CollectCase{"AppendsToExisting", {"Set-Cookie: a=1"}, "x=0; ", "x=0; a=1"},
        CollectCase{"NoSetCookieLeavesTextUnchanged", {"HTTP/1.1 200 OK", "Content-Type: x"}, "x=0; ", "x=0; "},
        CollectCase{"NameIsCaseSensitive", {"set-cookie: a=1"}, "", ""},
        CollectCase{"NeedsColonSpace", {"Set-Cookie:a=1"}, "", ""},
        CollectCase{"OtherLinesIgnored", {"HTTP/1.1 200 OK", "Set-Cookie: s=v; HttpOnly", ""}, "", "s=v"},
        CollectCase{"NoLines", {}, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct MergeCase {
  const char* name;
  std::string sent, received, expected, sentAfter, receivedAfter;
};

void PrintTo(const MergeCase& c, std::ostream* os) { *os << c.name; }

class MergeCookiesTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTest, ReceivedFirstThenUnrenewedSent) {
  MergeCase c = GetParam();
  EXPECT_EQ(mergeCookies(c.sent, c.received), c.expected);
  EXPECT_EQ(c.sent, c.sentAfter);
  EXPECT_EQ(c.received, c.receivedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeCookiesTest,
    testing::Values(
        MergeCase{"RenewedAndDeleted", "a=1; b=2; c=3", "b=9; c=deleted", "b=9; a=1", "a=1; b=2; c=3", "b=9; c=deleted"},
        MergeCase{"EmptySentDropsRepeats", "", "a=1; b=2; a=1", "a=1; b=2", "", "a=1; b=2; a=1"},
        MergeCase{"EmptyReceived", "a=1; b=2", "", "a=1; b=2", "a=1; b=2", ""},
        MergeCase{"AllDeleted", "a=deleted", "b=deleted", "", "a=deleted", "b=deleted"},
        MergeCase{"LoneTrailingSemicolon", "a=1;", "b=2", "b=2; a=1", "a=1; ", "b=2"},
        MergeCase{"TrimmedInPlace", "  a=1  ", "　b=2", "b=2; a=1", "a=1", "b=2"},
        MergeCase{"NameWithoutValue", "flag", "flag", "flag", "flag", "flag"},
        MergeCase{"NamesTrimmedForComparison", "a =1", "a=2", "a=2", "a =1", "a=2"},
        MergeCase{"SemicolonWithoutSpaceIsOneItem", "a=1;b=2", "b=3", "b=3; a=1;b=2", "a=1;b=2", "b=3"},
        MergeCase{"EmptyLastItemDropped", "", "a=1; ;", "a=1", "", "a=1; ; "},
        MergeCase{"BothEmpty", "", "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WithoutTrailingSeparator, RemovesOnlyASeparator) {
  EXPECT_EQ(withoutTrailingSeparator("a=1; "), "a=1");
  EXPECT_EQ(withoutTrailingSeparator("a=1"), "a=1");
  EXPECT_EQ(withoutTrailingSeparator(""), "");
}

}  // namespace
}  // namespace taoke
