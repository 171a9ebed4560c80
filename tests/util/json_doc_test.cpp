#include "util/json_doc.h"

#include <gtest/gtest.h>

#include "util/json_stringify.h"

namespace taoke {
namespace {

const std::string kSearchReply =
    R"({"status":200,"content":[{"title":"abc","size":"9.90","tao_id":12345},{"size":"1"}]})";

struct ParseCase {
  const char* name;
  std::string text;
  bool expected;
};

class JsonParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(JsonParseTest, Parses) {
  JsonDoc doc;
  EXPECT_EQ(doc.parse(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonParseTest,
    ::testing::Values(ParseCase{"object", kSearchReply, true},
                      ParseCase{"empty", "", false},
                      ParseCase{"onlySpaces", "  ", false},
                      ParseCase{"null", "null", false},
                      ParseCase{"zero", "0", true},
                      ParseCase{"false", "false", true},
                      ParseCase{"array", "[1,2]", true},
                      ParseCase{"htmlPage", "<html><body>502 Bad Gateway</body></html>", false},
                      ParseCase{"truncated", R"({"a":"b)", false},
                      ParseCase{"lineFeedBetweenMembers", "{\"a\":\"b\",\n\"c\":\"d\"}", false},
                      ParseCase{"crLfBetweenMembers", "{\"a\":1,\r\n\"c\":2}", false},
                      ParseCase{"tabsBetweenMembers", "{\"a\":1,\t\"c\":2}", true},
                      ParseCase{"lineFeedInsideString", "{\"a\":\"b\nc\"}", true},
                      ParseCase{"unpairedBackslashAtEnd", "{\"a\":\"b\\", false},
                      ParseCase{"tooDeep", std::string(300, '[') + std::string(300, ']'), false},
                      ParseCase{"deepButWithinBound", std::string(200, '[') + std::string(200, ']'), true}),
    [](const auto& info) { return std::string(info.param.name); });

struct GetTextCase {
  const char* name;
  std::string reply;
  std::string path;
  std::string expected;
};

class JsonGetTextTest : public ::testing::TestWithParam<GetTextCase> {};

TEST_P(JsonGetTextTest, ReadsStringsOnly) {
  JsonDoc doc;
  doc.parse(GetParam().reply);
  EXPECT_EQ(doc.getText(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonGetTextTest,
    ::testing::Values(
        GetTextCase{"member", kSearchReply, "content[0].title", "abc"},
        GetTextCase{"decimalLookingString", kSearchReply, "content[0].size", "9.90"},
        GetTextCase{"missingInSecondElement", kSearchReply, "content[1].title", ""},
        GetTextCase{"indexOutOfRange", kSearchReply, "content[5].title", ""},
        GetTextCase{"numberReadsEmpty", kSearchReply, "content[0].tao_id", ""},
        GetTextCase{"stringNumber", R"({"content":[{"tao_id":"12345"}]})", "content[0].tao_id", "12345"},
        GetTextCase{"objectReadsEmpty", kSearchReply, "content[0]", ""},
        GetTextCase{"booleanReadsEmpty", R"({"ok":true})", "ok", ""},
        GetTextCase{"nullReadsEmpty", R"({"ok":null})", "ok", ""},
        GetTextCase{"missingIntermediate", kSearchReply, "nothing.title", ""},
        GetTextCase{"documentNamePrefix", R"({"tkl":"x"})", "da.tkl", "x"},
        GetTextCase{"memberBeginningWithDa", R"({"date":"2024"})", "date", "2024"},
        GetTextCase{"memberNamedDa", R"({"da":"inner"})", "da", ""},
        GetTextCase{"memberNamedDaQuoted", R"({"da":"inner"})", "da.da", "inner"},
        GetTextCase{"topLevelArray", R"(["a","b"])", "[1]", "b"},
        GetTextCase{"quotedKey", R"({"a b":"c"})", "[\"a b\"]", "c"},
        GetTextCase{"chineseKeyAndValue", R"({"标题":"中文"})", "标题", "中文"},
        GetTextCase{"unicodeEscape", R"({"t":"\u4e2d"})", "t", "中"},
        GetTextCase{"escapedBackslash", R"({"t":"a\\b"})", "t", "a\\b"},
        GetTextCase{"scriptEscapes", "{\"t\":\"\\x41\\101\\v\\q\\'\"}", "t", "AA\vq'"},
        GetTextCase{"rawTabInString", "{\"t\":\"a\tb\"}", "t", "a\tb"},
        GetTextCase{"rawLineFeedInString", "{\"t\":\"a\nb\"}", "t", "a\nb"},
        GetTextCase{"standInBecomesBackslash", R"({"t":"a\u2400b"})", "t", "a\\b"},
        GetTextCase{"missingFromGbk", R"({"t":"\uD55C!"})", "t", "?!"},
        GetTextCase{"invalidPath", R"({"a":"b"})", "a..b", ""},
        GetTextCase{"duplicateKeyLastWins", R"({"a":"1","a":"2"})", "a", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonDoc, FailedParseForgetsTheEarlierValue) {
  JsonDoc doc;
  ASSERT_TRUE(doc.parse(R"({"a":"b"})"));
  EXPECT_FALSE(doc.parse("<html>"));
  EXPECT_EQ(doc.getText("a"), "");
  EXPECT_EQ(doc.toText(), "null");
}

TEST(JsonDoc, StringValueKeepsBackslashRaw) {
  JsonDoc doc;
  EXPECT_TRUE(doc.setValue("a", "x\\y", false));
  EXPECT_EQ(doc.toText(), "{\"a\":\"x\\y\"}");
  EXPECT_EQ(doc.getText("a"), "x\\y");
}

TEST(JsonDoc, StringValueEscapes) {
  JsonDoc doc;
  EXPECT_TRUE(doc.setValue("s", "q\"'\r\n\t\x01/中", false));
  EXPECT_EQ(doc.toText(), "{\"s\":\"q\\\"'\\r\\n\\t\\u0001/中\"}");
}

TEST(JsonDoc, ClearThenJsonMember) {
  JsonDoc doc;
  doc.setValue("x", "1", false);
  EXPECT_TRUE(doc.clear());
  EXPECT_TRUE(doc.setValue("b", R"({"c":1})", true));
  EXPECT_EQ(doc.toText(), R"({"b":{"c":1}})");
}

// The nested request body the Suning converter builds, inside out.
TEST(JsonDoc, NestedBodyBuiltInsideOut) {
  JsonDoc doc;
  doc.setValue("extend", "https://sugs.suning.com/x", false);
  doc.setValue("promotionId", "123", false);
  const std::string inner = doc.toText();
  doc.clear();
  EXPECT_TRUE(doc.setValue("queryBacthcustomlink", inner, true));
  const std::string middle = doc.toText();
  doc.clear();
  EXPECT_TRUE(doc.setValue("sn_body", middle, true));
  EXPECT_EQ(doc.toText(),
            R"({"sn_body":{"queryBacthcustomlink":{"extend":"https://sugs.suning.com/x","promotionId":"123"}}})");
}

TEST(JsonDoc, MembersAreCreatedOneLevelAtATime) {
  JsonDoc doc;
  EXPECT_FALSE(doc.setValue("a.b", "x", false));
  EXPECT_TRUE(doc.setValue("a", "{}", true));
  EXPECT_TRUE(doc.setValue("a.b", "x", false));
  EXPECT_EQ(doc.toText(), R"({"a":{"b":"x"}})");
}

TEST(JsonDoc, MemberOfAStringCannotBeSet) {
  JsonDoc doc;
  doc.setValue("a", "text", false);
  EXPECT_FALSE(doc.setValue("a.b", "x", false));
  EXPECT_EQ(doc.toText(), R"({"a":"text"})");
}

struct MergeCase {
  const char* name;
  std::string initial;
  std::string path;
  std::string value;
  bool expectedResult;
  std::string expectedText;
};

class JsonMergeTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(JsonMergeTest, MergesIntoExistingMembers) {
  const MergeCase& c = GetParam();
  JsonDoc doc;
  ASSERT_TRUE(doc.parse(c.initial));
  EXPECT_EQ(doc.setValue(c.path, c.value, true), c.expectedResult);
  EXPECT_EQ(doc.toText(), c.expectedText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonMergeTest,
    ::testing::Values(
        MergeCase{"appendToArray", R"({"a":[1]})", "a", "[2,3]", true, R"({"a":[1,2,3]})"},
        MergeCase{"objectMembers", R"({"a":{"s":"x","b":true,"k":1}})", "a", R"({"s":"y","b":false,"n":2})", true,
                  R"({"a":{"s":"y","b":false,"k":1,"n":2}})"},
        MergeCase{"recursive", R"({"a":{"o":{"p":1,"q":2}}})", "a", R"({"o":{"q":3,"r":4}})", true,
                  R"({"a":{"o":{"p":1,"q":3,"r":4}}})"},
        MergeCase{"emptyValueIsEmptyObject", R"({"a":{"p":1}})", "a", "", true, R"({"a":{"p":1}})"},
        MergeCase{"wholeDocument", R"({"p":1})", "", R"({"q":2})", true, R"({"p":1,"q":2})"},
        MergeCase{"intoNumberFails", R"({"a":5})", "a", R"({"q":2})", false, R"({"a":5})"},
        MergeCase{"objectIntoArrayFails", R"({"a":[1]})", "a", R"({"q":2})", false, R"({"a":[1]})"},
        MergeCase{"nullMemberIsReplaced", R"({"a":null})", "a", R"({"q":2})", true, R"({"a":{"q":2}})"},
        MergeCase{"invalidValue", R"({"a":{}})", "a", "{oops", false, R"({"a":{}})"},
        MergeCase{"newArrayElement", R"({"a":[1]})", "a[1]", R"("x")", true, R"({"a":[1,"x"]})"},
        MergeCase{"gapFilledWithNull", R"({"a":[1]})", "a[3]", "true", true, R"({"a":[1,null,null,true]})"},
        MergeCase{"hugeGapRefused", R"({"a":[1]})", "a[99999]", "true", false, R"({"a":[1]})"},
        MergeCase{"emptyValueOnNewMember", R"({"p":1})", "q", "", true, R"({"p":1})"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StringifyCase {
  const char* name;
  std::string json;
  std::string expected;
};

class JsonToTextTest : public ::testing::TestWithParam<StringifyCase> {};

TEST_P(JsonToTextTest, WritesCompactText) {
  JsonDoc doc;
  ASSERT_TRUE(doc.parse(GetParam().json));
  EXPECT_EQ(doc.toText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonToTextTest,
    ::testing::Values(
        StringifyCase{"blanksRemovedOrderKept", R"({ "z" : 1 , "a" : [ true , null ] })", R"({"z":1,"a":[true,null]})"},
        StringifyCase{"numbersAsTheScriptWritesThem", "[1.0,1.50,-0,100,1e21,1e-7,123456789012345678,0.000001]",
                      "[1,1.5,0,100,1e+21,1e-7,123456789012345680,0.000001]"},
        StringifyCase{"controlCharacters", R"(["\b\t\n\f\r\u0000\u001f"])", R"(["\b\t\n\f\r\u0000\u001f"])"},
        StringifyCase{"formatCharacters", R"(["\u007f\u00ad\u0600\u200c\u2028\u2060\ufeff\ufff0"])",
                      R"(["\u007f\u00ad\u0600\u200c\u2028\u2060\ufeff\ufff0"])"},
        StringifyCase{"slashNotEscaped", R"(["a\/b"])", R"(["a/b"])"},
        StringifyCase{"backslashEscaped", R"(["a\\b"])", R"(["a\\b"])"},
        StringifyCase{"escapedKeys", R"({"a\"b":1})", R"({"a\"b":1})"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
  double number;
  const char* expected;
};

class ScriptNumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ScriptNumberTextTest, Formats) { EXPECT_EQ(scriptNumberText(GetParam().number), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, ScriptNumberTextTest,
                         ::testing::Values(NumberCase{0.1, "0.1"}, NumberCase{-2.5, "-2.5"},
                                           NumberCase{1e20, "100000000000000000000"},
                                           NumberCase{1.5e-7, "1.5e-7"}, NumberCase{-1.25e30, "-1.25e+30"},
                                           NumberCase{0.1 + 0.2, "0.30000000000000004"},
                                           NumberCase{1.0 / 0.0, "null"}));

}  // namespace
}  // namespace taoke
