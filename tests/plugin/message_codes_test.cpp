#include <gtest/gtest.h>

#include "plugin/host_api.h"

namespace taoke {
namespace {

struct CodeCase {
  const char* name;
  std::string code;
  std::string expected;
};

class MessageCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(MessageCodeTest, BuildsTheHostsCode) { EXPECT_EQ(GetParam().code, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Codes, MessageCodeTest,
    ::testing::Values(
        CodeCase{"face", HostApi::faceCode(14), "[LQ:face,id=14]"},
        CodeCase{"at", HostApi::atCode(10001), "[@10001] "},
        CodeCase{"atNoSpace", HostApi::atCode(10001, true), "[@10001]"},
        CodeCase{"atAll", HostApi::atCode(-1), "[@all] "},
        CodeCase{"atAllNoSpace", HostApi::atCode(-1, true), "[@all]"},
        CodeCase{"imageEscapesComma", HostApi::imageCode("C:\\a,b[1].png"), "[LQ:image,path=C:\\a&#44;b&#91;1&#93;.png]"},
        CodeCase{"imageUrls", HostApi::imageUrlsCode("http://x/?a=1&b=2"), "[LQ:image,urls=http://x/?a=1&amp;b=2]"},
        CodeCase{"flashPic", HostApi::flashPicCode("p,q"), "[LQ:flashpic,path=p&#44;q]"},
        CodeCase{"record", HostApi::recordCode("v.slk"), "[LQ:record,path=v.slk]"},
        CodeCase{"richLightApp", HostApi::richCode(1, "{\"a\":[1,2]}"),
                 "[LQ:lightappelem,type=1,data={\"a\":&#91;1&#44;2&#93;}]"},
        CodeCase{"richMessage", HostApi::richCode(0, "<x/>"), "[LQ:richmsg,type=1,template_1=<x/>]"},
        CodeCase{"richOtherKind", HostApi::richCode(2, "data"), ""},
        CodeCase{"escapeKeepsCommaByDefault", HostApi::escapeCodeText("a,[b]&"), "a,&#91;b&#93;&amp;"},
        CodeCase{"escapeWithComma", HostApi::escapeCodeText("a&#91;[b],c", true), "a&amp;#91;&#91;b&#93;&#44;c"},
        CodeCase{"escapeLeavesGbkTrailBytes", HostApi::escapeCodeText("\x81[\x81]", true), "\x81[\x81]"},
        CodeCase{"unescape", HostApi::unescapeCodeText("a&amp;#91;&#91;b&#93;&#44;c"), "a&#91;[b],c"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageCodes, EscapeThenUnescapeGivesTheTextBack) {
  for (const std::string text : {"a&#91;[b],c", "&amp;&&#44;", "[[]]", "中文[图]", ""}) {
    EXPECT_EQ(HostApi::unescapeCodeText(HostApi::escapeCodeText(text, true)), text);
    EXPECT_EQ(HostApi::unescapeCodeText(HostApi::escapeCodeText(text)), text);
  }
}

}  // namespace
}  // namespace taoke
