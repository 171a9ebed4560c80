#include "util/charset.h"

#include <gtest/gtest.h>

#include "util/unescape.h"
#include "util/url_encoding.h"

namespace taoke {
namespace {

// GBK bytes: 中 = D6 D0, 文 = CE C4. UTF-8: 中 = E4 B8 AD, 文 = E6 96 87.
const std::string kZhongWenGbk = "\xD6\xD0\xCE\xC4";
const std::string kZhongWenUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";

TEST(GbkToUtf16, AddsOneZeroUnitUnlessAskedNotTo) {
  EXPECT_EQ(gbkToUtf16("A"), (Bytes{0x41, 0x00, 0x00, 0x00}));
  EXPECT_EQ(gbkToUtf16("A", true), (Bytes{0x41, 0x00}));
  EXPECT_EQ(gbkToUtf16(""), Bytes{});
  EXPECT_EQ(gbkToUtf16(kZhongWenGbk, true), (Bytes{0x2D, 0x4E, 0x87, 0x65}));
}

struct Utf16Case {
  const char* name;
  Bytes utf16;
  std::string expected;
};

class Utf16ToGbkTest : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16ToGbkTest, Converts) { EXPECT_EQ(utf16ToGbk(GetParam().utf16), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf16ToGbkTest,
    ::testing::Values(
        Utf16Case{"stopsAtZeroUnit", {0x41, 0x00, 0x00, 0x00, 0x42, 0x00}, "A"},
        Utf16Case{"chinese", {0x2D, 0x4E, 0x87, 0x65}, kZhongWenGbk},
        Utf16Case{"empty", {}, ""},
        Utf16Case{"oddFinalByteIgnored", {0x41, 0x00, 0x42}, "A"},
        // e + combining acute is written through the precomposed U+00E9, which GBK has (A8 A6).
        Utf16Case{"combiningMarkComposed", {0x65, 0x00, 0x01, 0x03}, "\xA8\xA6"},
        Utf16Case{"noPrecomposedForm", {0x71, 0x00, 0x01, 0x03}, "q?"},
        // Only base + mark pairs are composed: a compatibility ideograph keeps its own code.
        Utf16Case{"compatibilityIdeographKept", {0x0C, 0xFA}, "\xFE\x40"},
        Utf16Case{"missingFromGbkIsQuestionMark", {0x41, 0x00, 0xAC, 0xD5}, "A?"},  // Hangul U+D5AC
        Utf16Case{"unpairedSurrogate", {0x00, 0xD8, 0x41, 0x00}, "?A"}),
    [](const auto& info) { return std::string(info.param.name); });

struct GbkUtf8Case {
  const char* name;
  std::string gbk;
  std::string utf8;
};

class GbkUtf8RoundTrip : public ::testing::TestWithParam<GbkUtf8Case> {};

TEST_P(GbkUtf8RoundTrip, BothDirections) {
  EXPECT_EQ(gbkToUtf8(GetParam().gbk), GetParam().utf8);
  EXPECT_EQ(utf8ToGbk(GetParam().utf8), GetParam().gbk);
  EXPECT_EQ(utf8BytesToGbk(bytesOf(GetParam().utf8)), GetParam().gbk);
}

INSTANTIATE_TEST_SUITE_P(Cases, GbkUtf8RoundTrip,
                         ::testing::Values(GbkUtf8Case{"empty", "", ""},
                                           GbkUtf8Case{"ascii", "abc 1", "abc 1"},
                                           GbkUtf8Case{"chinese", "a" + kZhongWenGbk, "a" + kZhongWenUtf8},
                                           GbkUtf8Case{"yen", "￥", "\xEF\xBF\xA5"},
                                           GbkUtf8Case{"euroSign", "\x80", "\xE2\x82\xAC"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
  const char* name;
  std::string input;
  std::string expected;
};

class MalformedUtf8Test : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedUtf8Test, BecomesQuestionMarks) {
  EXPECT_EQ(utf8ToGbk(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedUtf8Test,
    ::testing::Values(MalformedCase{"loneContinuation", "a\x80" "b", "a?b"},
                      MalformedCase{"truncatedAtEnd", "a\xE4\xB8", "a?"},
                      MalformedCase{"overlong", "\xC0\xAF", "??"},
                      MalformedCase{"encodedSurrogate", "\xED\xA0\x80", "???"},
                      MalformedCase{"endsAtZero", std::string("a\0b", 3), "a"}),
    [](const auto& info) { return std::string(info.param.name); });

class MalformedGbkTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedGbkTest, BecomesQuestionMarks) {
  EXPECT_EQ(gbkToUtf8(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedGbkTest,
                         ::testing::Values(MalformedCase{"loneLeadAtEnd", "ab\xD6", "ab?"},
                                           MalformedCase{"leadBeforeControl", "\xD6\x0A" "x", "?\nx"},
                                           MalformedCase{"endsAtZero", std::string("a\0b", 3), "a"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CharsetCase {
  const char* name;
  Bytes bytes;
  std::string charset;
  std::string expected;
};

class DecodeCharsetTest : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(DecodeCharsetTest, DecodesToGbk) {
  EXPECT_EQ(decodeCharset(GetParam().bytes, GetParam().charset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeCharsetTest,
    ::testing::Values(
        CharsetCase{"utf8", bytesOf(kZhongWenUtf8), "utf-8", kZhongWenGbk},
        CharsetCase{"utf8UpperCaseName", bytesOf(kZhongWenUtf8), "UTF-8", kZhongWenGbk},
        CharsetCase{"utf8ByteOrderMarkDropped", bytesOf("\xEF\xBB\xBF" "a"), "utf-8", "a"},
        CharsetCase{"unicodeIsUtf16Le", {0x2D, 0x4E, 0x41, 0x00}, "unicode", "\xD6\xD0" "A"},
        CharsetCase{"big5", {0xA4, 0xA4}, "big5", "\xD6\xD0"},
        CharsetCase{"gb2312IsCodePage936", bytesOf(kZhongWenGbk), "gb2312", kZhongWenGbk},
        CharsetCase{"unknownNameGivesBytesAsGbk", bytesOf(kZhongWenGbk), "no-such-charset", kZhongWenGbk},
        CharsetCase{"emptyName", bytesOf("ab"), "", "ab"},
        CharsetCase{"emptyBytes", {}, "utf-8", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct EncodeCase {
  const char* name;
  std::string text;
  bool keepUnreserved;
  bool utf8;
  std::string expected;
};

class UrlEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(UrlEncodeTest, Encodes) {
  const EncodeCase& c = GetParam();
  EXPECT_EQ(urlEncode(c.text, c.keepUnreserved, c.utf8), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlEncodeTest,
    ::testing::Values(EncodeCase{"empty", "", false, false, ""},
                      EncodeCase{"everyByte", "a b", false, false, "%61%20%62"},
                      EncodeCase{"keepUnreserved", "a b", true, false, "a%20b"},
                      EncodeCase{"mixedAll", "A-z.9/_~", false, false, "%41%2D%7A%2E%39%2F%5F%7E"},
                      EncodeCase{"mixedUnreserved", "A-z.9/_~", true, false, "A-z.9%2F%5F%7E"},
                      EncodeCase{"paddedDigit", "\n", false, false, "%0A"},
                      EncodeCase{"gbk", kZhongWenGbk, false, false, "%D6%D0%CE%C4"},
                      EncodeCase{"utf8", kZhongWenGbk, false, true, "%E4%B8%AD%E6%96%87"},
                      EncodeCase{"utf8KeepsUnreserved", "a" + kZhongWenGbk, true, true, "a%E4%B8%AD%E6%96%87"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DecodeCase {
  const char* name;
  std::string text;
  bool utf8;
  std::string expected;
};

class UrlDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(UrlDecodeTest, Decodes) {
  const DecodeCase& c = GetParam();
  EXPECT_EQ(urlDecode(c.text, c.utf8), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlDecodeTest,
    ::testing::Values(DecodeCase{"empty", "", true, ""},
                      DecodeCase{"lowerHexAndPlus", "%e4%b8%ad+x", true, "\xD6\xD0+x"},
                      DecodeCase{"gbkBytes", "%D6%D0a", false, "\xD6\xD0" "a"},
                      DecodeCase{"percentAtEnd", "a%", false, "a%"},
                      DecodeCase{"percentOneDigitAtEnd", "a%4", false, "a%4"},
                      DecodeCase{"percentNotHex", "%zz%41", false, "%zzA"},
                      DecodeCase{"percentBeforeEscape", "%%41", false, "%A"},
                      DecodeCase{"decodedZeroEndsText", "a%00b", false, "a"},
                      DecodeCase{"invalidUtf8", "%FFa", true, "?a"},
                      DecodeCase{"jsonAnswer", "%7B%22a%22%3A1%7D", true, "{\"a\":1}"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnescapeCase {
  const char* name;
  std::string text;
  std::string expected;
};

class UnescapeTextTest : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(UnescapeTextTest, Resolves) { EXPECT_EQ(unescapeText(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, UnescapeTextTest,
    ::testing::Values(
        UnescapeCase{"backslashU", "\\u4e2d\\u6587", kZhongWenGbk},
        UnescapeCase{"percentForms", "%41%u0042", "AB"},
        UnescapeCase{"escapedSlash", "a\\/b", "a/b"},
        UnescapeCase{"apostropheKept", "it's", "it's"},
        UnescapeCase{"crLfKept", "a\r\nb", "a\r\nb"},
        UnescapeCase{"typographicApostropheBecomesPlain", "a’b", "a'b"},
        UnescapeCase{"placeholderBecomesCrLf", "a{$}b", "a\r\nb"},
        UnescapeCase{"leadingCrRemoved", "\rab", "ab"},
        UnescapeCase{"literalEscapes", "a\\tb\\\\c\\\"d", "a\tb\\c\"d"},
        UnescapeCase{"hexAndOctal", "\\x41\\101\\0618", "AA18"},
        UnescapeCase{"otherCharacterAfterBackslash", "\\q\\%41", "qA"},
        UnescapeCase{"percentLeftAlone", "100%", "100%"},
        UnescapeCase{"chineseUntouched", kZhongWenGbk, kZhongWenGbk},
        // A GBK character whose trail byte is a backslash (0x95 0x5C) is not an escape.
        UnescapeCase{"trailByteBackslash", "\x95\x5Cu0041", "\x95\x5Cu0041"},
        UnescapeCase{"empty", "", ""},
        // Not a valid literal body: the prepared bytes are read as UTF-16LE. "a\n" is U+0A61,
        // which GBK lacks, "ab" is U+6261 (GBK 92 4C); a final odd byte is a malformed unit.
        UnescapeCase{"bareLineFeed", "a\nb", "??"},
        UnescapeCase{"unpairedFinalBackslash", "ab\\", "\x92L?"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
