// Reading and editing INI text where this reader goes beyond or decides what Windows leaves open.
#include <gtest/gtest.h>

#include <optional>

#include "settings/ini_document.h"

namespace taoke {
namespace {

struct ReadCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IniDocument::parse(c.content).value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    ::testing::Values(
        // A broken double-byte character at a line end does not swallow the line end: the next
        // line stays a line of its own (Windows would read it as part of the value).
        ReadCase{"BrokenCharacterKeepsTheNextLine", "[s]\r\nk1=a\xB0\r\nk2=b\r\n", "s", "k2", "b"},
        ReadCase{"BrokenCharacterStaysInItsValue", "[s]\r\nk1=a\xB0\r\nk2=b\r\n", "s", "k1", "a\xB0"},
        ReadCase{"KeyWithoutEqualsIsEmpty", "[s]\r\nlonely\r\n", "s", "lonely", ""},
        ReadCase{"MissingKey", "[s]\r\nk=1\r\n", "s", "other", std::nullopt},
        ReadCase{"MissingSection", "[s]\r\nk=1\r\n", "t", "k", std::nullopt},
        ReadCase{"KeyOfALaterSectionIsNotSeen", "[s]\r\n[t]\r\nk=1\r\n", "s", "k", std::nullopt},
        ReadCase{"EmptyFile", "", "s", "k", std::nullopt},
        ReadCase{"OnlyLineEnds", "\r\n\n\r", "s", "k", std::nullopt},
        ReadCase{"ZeroByteInsideValue", std::string("[s]\r\nk=a\0b\r\n", 11), "s", "k",
                 std::string("a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
  const char* name;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, EditsTheFile) {
  const WriteCase& c = GetParam();
  IniDocument document = IniDocument::parse(c.before);
  EXPECT_TRUE(document.set(c.section, c.key, c.value));
  EXPECT_EQ(document.serialize(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(
        WriteCase{"NewFile", "", "转发群", "转发群号", "111#", "[转发群]\r\n转发群号=111#\r\n"},
        WriteCase{"ReplacesInPlace", "; note\n[s]\nk = old\nz=1\n", "s", "k", "new",
                  "; note\r\n[s]\r\nk=new\r\nz=1\r\n"},
        WriteCase{"AppendsAfterTheSectionsLastLine", "[s]\r\na=1\r\n\r\n[t]\r\n", "s", "b", "2",
                  "[s]\r\na=1\r\nb=2\r\n\r\n[t]\r\n"},
        WriteCase{"AppendsAMissingSection", "[s]\r\na=1", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
        WriteCase{"EditsOnlyTheFirstOfDuplicateSections", "[s]\r\nk=1\r\n[s]\r\nk=2\r\n", "S", "k", "3",
                  "[s]\r\nk=3\r\n[s]\r\nk=2\r\n"},
        WriteCase{"EditsOnlyTheFirstOfDuplicateKeys", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "3",
                  "[s]\r\nk=3\r\nK=2\r\n"},
        WriteCase{"EmptyValueKeepsTheKey", "[s]\r\nk=1\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
        // A value with line breaks would put further keys or sections into the file.
        WriteCase{"ValueEndsAtItsFirstLineBreak", "[s]\r\nk=1\r\n", "s", "k", "one\r\n[x]\r\ny=2",
                  "[s]\r\nk=one\r\n"},
        WriteCase{"ValueEndsAtALoneLineFeed", "", "s", "k", "one\ntwo", "[s]\r\nk=one\r\n"},
        WriteCase{"Utf8FileStaysUtf8", "\xEF\xBB\xBF[s]\r\n", "s", "k", "啊",
                  "\xEF\xBB\xBF[s]\r\nk=\xE5\x95\x8A\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedName {
  const char* name;
  std::string section;
  std::string key;
};

class IniRefusedName : public ::testing::TestWithParam<RefusedName> {};

TEST_P(IniRefusedName, LeavesTheFileAsItWas) {
  IniDocument document = IniDocument::parse("[s]\r\nk=1\r\n");
  EXPECT_FALSE(document.set(GetParam().section, GetParam().key, "v"));
  EXPECT_EQ(document.serialize(), "[s]\r\nk=1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRefusedName,
                         ::testing::Values(RefusedName{"EmptySection", "", "k"},
                                           RefusedName{"BracketInSection", "a]b", "k"},
                                           RefusedName{"LineBreakInSection", "a\r\n[b", "k"},
                                           RefusedName{"EqualsInKey", "s", "a=b"},
                                           RefusedName{"KeyLooksLikeAHeader", "s", "[t]"},
                                           RefusedName{"LineBreakInKey", "s", "a\nb"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
