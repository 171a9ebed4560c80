// The universal-API account check (按钮_登录万能) against a stand-in service on 127.0.0.1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "http/loopback_server.h"
#include "isolated_plugin.h"

namespace taoke {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::LoopbackServer;
using testing::PluginHost;
using testing::Reply;

constexpr const char* kNotice = "温馨提示:\t不一定登录成功！金币成功转换后显示 ！请注意转换后金币余额！";

class UniversalApiCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TAOKE_CONNECT_TO", server.connectToEntry("wanneng.example", 10000).c_str(), 1);
    host.menuA();
    host.uiSetText("编辑框_万能appkey", "KEY");
    host.uiSetText("编辑框_万能sid", "S1");
    host.uiSetText("编辑框_万能pid", "P1");
    host.uiSetText("编辑框_万能金币余额", "88");
  }
  void TearDown() override { ::unsetenv("TAOKE_CONNECT_TO"); }

  const std::filesystem::path runDirectory = testing::isolatedRunDirectory();
  LoopbackServer server;
  PluginHost host;
};

TEST_F(UniversalApiCheck, SendsOnePostWithoutBodyAndTheDefaultHeaders) {
  server.enqueue(Reply::http("200 OK", "Content-Type: text/html\r\n", "{}"));
  host.uiClick("按钮_登录万能");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.lastRequest(),
            "POST /api/zhushou_tkl_wan_taokouling.ashx?appkey=KEY&sid=S1&pid=P1&relationId=&taokouling="
            "&title=&pict_url=&member_sid= HTTP/1.1\r\n"
            "Host: wanneng.example:10000\r\n"
            "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"
            "Accept: text/html, application/xhtml+xml, */*\r\n"
            "Accept-Encoding: gbk, GB2312\r\n"
            "Accept-Language: zh-cn\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Cache-Control: no-cache\r\n"
            "Content-Length: 0\r\n"
            "\r\n");
}

struct Answer {
  const char* name;
  const char* body;
  bool notice;
};

void PrintTo(const Answer& answer, std::ostream* out) { *out << answer.name; }

class UniversalApiAnswer : public UniversalApiCheck, public ::testing::WithParamInterface<Answer> {};

TEST_P(UniversalApiAnswer, ShowsTheNoticeForAnyJsonAnswer) {
  server.enqueue(Reply::http("200 OK", "Content-Type: text/html\r\n", GetParam().body));
  host.uiClick("按钮_登录万能");
  if (GetParam().notice)
    EXPECT_THAT(host.uiTakeMessageBoxes(), ElementsAre(kNotice));
  else
    EXPECT_THAT(host.uiTakeMessageBoxes(), IsEmpty());
  EXPECT_EQ(host.uiGetText("编辑框_万能金币余额"), "88");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UniversalApiAnswer,
    ::testing::Values(Answer{"Balance", "{\"status\":200,\"jinbi\":\"12\"}", true},
                      Answer{"ErrorObject", "{\"status\":301,\"content\":\"appkey error\"}", true},
                      Answer{"PercentEncodedObject", "%7B%22status%22%3A1%7D", true},
                      Answer{"Empty", "", false},
                      Answer{"HtmlPage", "<html>busy</html>", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UniversalApiCheck, NoServiceShowsNothing) {
  ::setenv("TAOKE_CONNECT_TO", "wanneng.example:10000:127.0.0.1:1", 1);
  host.uiClick("按钮_登录万能");
  EXPECT_THAT(host.uiTakeMessageBoxes(), IsEmpty());
}

}  // namespace
}  // namespace taoke
