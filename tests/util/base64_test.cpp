#include "util/base64.h"

#include <gtest/gtest.h>

namespace taoke {
namespace {

struct Base64Case {
  const char* name;
  Bytes bytes;
  std::string text;
};

class Base64RoundTrip : public ::testing::TestWithParam<Base64Case> {};

TEST_P(Base64RoundTrip, EncodesAndDecodesBack) {
  EXPECT_EQ(base64Encode(GetParam().bytes), GetParam().text);
  EXPECT_EQ(base64Decode(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Base64RoundTrip,
    ::testing::Values(Base64Case{"empty", {}, ""},
                      Base64Case{"oneByte", bytesOf("f"), "Zg=="},
                      Base64Case{"twoBytes", bytesOf("fo"), "Zm8="},
                      Base64Case{"threeBytes", bytesOf("foo"), "Zm9v"},
                      Base64Case{"sixBytes", bytesOf("foobar"), "Zm9vYmFy"},
                      Base64Case{"highBytesUseSlashAndPlus", {0xFB, 0xFF, 0xBF}, "+/+/"},
                      Base64Case{"zeroBytes", {0, 0, 0, 0}, "AAAAAA=="},
                      Base64Case{"proxyCredentials", bytesOf("user:pa ss"), "dXNlcjpwYSBzcw=="},
                      // A login-account record: count 1, then one int64 account.
                      Base64Case{"hostRecord", {0, 0, 0, 1, 0, 0, 0, 0, 0x3A, 0xDE, 0x68, 0xB1},
                                 "AAAAAQAAAAA63mix"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DecodeCase {
  const char* name;
  std::string text;
  std::optional<Bytes> expected;
};

class Base64DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Base64DecodeTest, Decodes) { EXPECT_EQ(base64Decode(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Base64DecodeTest,
    ::testing::Values(DecodeCase{"lineBreaksSkipped", "Zm9v\r\nYmFy\n", bytesOf("foobar")},
                      DecodeCase{"spacesAndTabsSkipped", " Zm9v\tYg== ", bytesOf("foob")},
                      DecodeCase{"unpaddedTwo", "Zg", bytesOf("f")},
                      DecodeCase{"unpaddedThree", "Zm8", bytesOf("fo")},
                      DecodeCase{"onlySpaces", " \r\n", Bytes{}},
                      DecodeCase{"foreignCharacter", "Zm9v!", std::nullopt},
                      DecodeCase{"urlSafeAlphabetRejected", "-_-_", std::nullopt},
                      DecodeCase{"gbkCharacter", "Zm9v\xD6\xD0", std::nullopt},
                      DecodeCase{"zeroByteRejected", std::string("Zm\0v", 4), std::nullopt},
                      DecodeCase{"loneFinalCharacter", "Zm9vY", std::nullopt},
                      DecodeCase{"dataAfterPadding", "Zg==Zg==", std::nullopt},
                      DecodeCase{"tooMuchPadding", "Zg===", std::nullopt},
                      DecodeCase{"shortPadding", "Zg=", std::nullopt},
                      DecodeCase{"onlyPadding", "====", std::nullopt},
                      DecodeCase{"paddingAfterFullGroup", "Zm9v=", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
