#include "web/headers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace taoke {
namespace {

struct NormaliseCase {
  const char* name;
  std::string block, expected;
};

void PrintTo(const NormaliseCase& c, std::ostream* os) { *os << c.name; }

class NormaliseHeadersTest : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseHeadersTest, CapitalisesNamesAndDropsOtherLines) {
  EXPECT_EQ(normaliseHeaders(GetParam().block), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseHeadersTest,
    testing::Values(
        NormaliseCase{"DropsEmptyAndColonlessLines", "user-agent: X\r\n\r\nno colon\r\naccept:*/*\r\n",
                      "User-Agent: X\r\nAccept:*/*"},
        NormaliseCase{"OnlyFirstLettersChange", "content-TYPE: a\r\nx-requested-with: b",
                      "Content-TYPE: a\r\nX-Requested-With: b"},
        NormaliseCase{"ValueKeptByteForByte", "cookie:  a=1; b:c  ", "Cookie:  a=1; b:c  "},
        NormaliseCase{"TrailingDashKept", "x-: 1", "X-: 1"},
        NormaliseCase{"OnlyColonlessLines", "abc\r\n\r\n", ""},
        NormaliseCase{"ChineseValue", "referer: 网址", "Referer: 网址"},
        NormaliseCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
  const char* name;
  std::string block, header, expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class HeaderValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(HeaderValueTest, FindsFirstLineWithTheName) {
  EXPECT_EQ(headerValue(GetParam().block, GetParam().header), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderValueTest,
    testing::Values(
        ValueCase{"Location", "HTTP/1.1 302 Found\r\nLocation: http://a/b\r\nX: y", "Location", "http://a/b"},
        ValueCase{"LongerNameEndsSearch", "Location-Extra: 1\r\nLocation: http://a/", "Location", ""},
        ValueCase{"CaseSensitiveName", "location: http://a/", "Location", ""},
        ValueCase{"NoSpaceAfterColon", "Connection:keep-alive", "Connection", ""},
        ValueCase{"Missing", "A: 1", "B", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineCase {
  const char* name;
  std::string line, headerName, value;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class HeaderLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(HeaderLineTest, SplitsAtFirstColonAndTrims) {
  EXPECT_EQ(headerLineName(GetParam().line), GetParam().headerName);
  EXPECT_EQ(headerLineValue(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderLineTest,
    testing::Values(LineCase{"Plain", "Referer: http://x/", "Referer", "http://x/"},
                    LineCase{"Padded", "  A  :  b  ", "A", "b"},
                    LineCase{"FullWidthSpaces", "A:　b　", "A", "b"},
                    LineCase{"TabKept", "A:\tb", "A", "\tb"},
                    LineCase{"NoColon", "abc", "", ""},
                    LineCase{"EmptyValue", "Cookie:", "Cookie", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
