#include "util/md5_hex.h"

#include <gtest/gtest.h>

namespace taoke {
namespace {

struct Md5Case {
  const char* name;
  std::string text;
  bool utf8;
  bool upperCase;
  bool middle16;
  std::string expected;
};

class Md5HexTest : public ::testing::TestWithParam<Md5Case> {};

TEST_P(Md5HexTest, Digests) {
  const Md5Case& c = GetParam();
  EXPECT_EQ(md5Hex(c.text, c.utf8, c.upperCase, c.middle16), c.expected);
}

// Reference digests of RFC 1321's test suite; 中文 as GBK (D6 D0 CE C4) and as UTF-8.
INSTANTIATE_TEST_SUITE_P(
    Cases, Md5HexTest,
    ::testing::Values(Md5Case{"empty", "", false, false, false, "d41d8cd98f00b204e9800998ecf8427e"},
                      Md5Case{"abc", "abc", false, false, false, "900150983cd24fb0d6963f7d28e17f72"},
                      Md5Case{"upperCase", "abc", false, true, false, "900150983CD24FB0D6963F7D28E17F72"},
                      Md5Case{"middle16", "abc", false, false, true, "3cd24fb0d6963f7d"},
                      Md5Case{"asciiSameInUtf8", "abc", true, false, false, "900150983cd24fb0d6963f7d28e17f72"},
                      Md5Case{"chineseGbk", "中文", false, false, false, "bcce109775e8e1972e9f5fcda3e12895"},
                      Md5Case{"chineseUtf8", "中文", true, false, false, "a7bac2239fcdcb3a067903d8077c4a07"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Md5HexOfBytes, SameDigestAsForText) {
  EXPECT_EQ(md5HexOfBytes(bytesOf("abc"), false, false), md5Hex("abc"));
  EXPECT_EQ(md5HexOfBytes({0x00, 0xFF}, true, true).size(), 16u);
}

}  // namespace
}  // namespace taoke
