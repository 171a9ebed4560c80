// Taobao token conversion through the real plug-in and the stand-in services: the tokens each form
// finds, the requests in order, and the forwarded texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include "expected_urls.h"
#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

std::string marked(std::string_view token) { return "￥" + convertedToken(token) + "￥"; }

struct TokenCase {
  const char* name;
  std::string message;
  std::vector<std::string> requestedTokens;  // as encoded in the URL, in order
  std::string sentText;
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.name; }

class TaobaoTokens : public testing::TestWithParam<TokenCase> {};

TEST_P(TaobaoTokens, RequestsEachMatchAndReplacesWhatStandsBetweenTheMarks) {
  const TokenCase& c = GetParam();
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, c.message);

  std::vector<std::string> expectedUrls;
  for (const auto& token : c.requestedTokens) expectedUrls.push_back(tokenConversionUrl(token));
  EXPECT_THAT(scenario.services().requestUrls(), ElementsAreArray(expectedUrls));
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, c.sentText), forwarded(2002, c.sentText)));
  EXPECT_EQ(scenario.mirror().received(c.sentText.size()), c.sentText);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TaobaoTokens,
    testing::Values(
        TokenCase{"yen", "抢￥AbCdEfGhIjK￥购", {"AbCdEfGhIjK"}, "抢" + marked("AbCdEfGhIjK") + "购"},
        TokenCase{"dollar", "$AbCdEfGhIjK$", {"AbCdEfGhIjK"}, marked("AbCdEfGhIjK")},
        TokenCase{"parentheses", "看(AbCdEfGhIjK)", {"AbCdEfGhIjK"}, "看" + marked("AbCdEfGhIjK")},
        TokenCase{"ten_characters_not_found", "￥AbCdEfGhIj￥", {}, "￥AbCdEfGhIj￥"},
        // The last eleven of twelve characters are asked for, but do not stand between the marks.
        TokenCase{"twelve_characters", "￥XAbCdEfGhIjK￥", {"AbCdEfGhIjK"}, "￥XAbCdEfGhIjK￥"},
        // Eleven characters before the left mark look like a token too; nothing is replaced for them.
        TokenCase{"extra_match_before_the_mark", "0123456789A￥AbCdEfGhIjK￥",
                  {"0123456789A", "AbCdEfGhIjK"}, "0123456789A" + marked("AbCdEfGhIjK")},
        // Both occurrences go at the first match; the second match's request replaces nothing.
        TokenCase{"same_token_twice", "￥AbCdEfGhIjK￥和￥AbCdEfGhIjK￥", {"AbCdEfGhIjK", "AbCdEfGhIjK"},
                  marked("AbCdEfGhIjK") + "和" + marked("AbCdEfGhIjK")},
        // Forms run yen, dollar, parentheses, each on what the earlier ones left.
        TokenCase{"yen_before_dollar", "$ZyXwVuTsRqP$)￥AbCdEfGhIjK￥", {"AbCdEfGhIjK", "ZyXwVuTsRqP"},
                  marked("ZyXwVuTsRqP") + ")" + marked("AbCdEfGhIjK")},
        // A member's token cannot add parameters to the operator's request.
        TokenCase{"token_with_query_bytes", "￥AB&pid=mm_9￥", {"AB%26pid%3Dmm_9"}, marked("AB&pid=mm_9")},
        TokenCase{"token_with_percent_and_space", "￥a%2b c#d?e+￥", {"a%252b%20c%23d%3Fe%2B"},
                  marked("a%2b c#d?e+")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaobaoTokenConversion, LogsEachStep) {
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "￥AbCdEfGhIjK￥");
  EXPECT_EQ(scenario.takeLog(), "发现淘宝口令\r\nAbCdEfGhIjK\r\n淘宝正在转链\r\n淘宝转链成功\r\n" +
                                    marked("AbCdEfGhIjK") + "\r\n发送成功2001\r\n发送成功2002\r\n");
}

TEST(TaobaoTokenConversion, ParameterInjectionReachesNoService) {
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, "￥AB&pid=mm_9￥");
  const auto requests = scenario.services().requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_THAT(requests[0].queryKeys(), ElementsAre("appkey", "sid", "pid", "tkl", "signurl"));
  EXPECT_EQ(requests[0].queryValue("pid"), operatorPid);
  EXPECT_EQ(requests[0].queryValue("tkl"), "AB&pid=mm_9");
}

TEST(TaobaoTokenConversion, EmptyMarksLeaveTheBareToken) {
  PluginScenario scenario;
  scenario.setText("编辑框_前符号", "");
  scenario.setText("编辑框_后符号", "");
  // Without marks the message needs another marker to be forwarded at all.
  scenario.groupMessage(watchedGroup, "抢￥AbCdEfGhIjK￥购(x)");
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, "抢" + convertedToken("AbCdEfGhIjK") + "购(x)"));
}

TEST(TaobaoTokenConversion, ApologyFallsBackToTheUniversalApiByPost) {
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "￥SORRYfGhIjK￥");

  const auto requests = scenario.services().requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].url, tokenConversionUrl("SORRYfGhIjK"));
  EXPECT_EQ(requests[1].url, universalTokenUrl("SORRYfGhIjK"));
  EXPECT_EQ(requests[1].method, "POST");
  EXPECT_EQ(requests[1].body, "");
  const std::string sent = "￥" + universalToken("SORRYfGhIjK") + "￥";
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, sent), forwarded(2002, sent)));
  EXPECT_EQ(scenario.text("编辑框_万能金币余额"), "  99");
  EXPECT_EQ(scenario.takeLog(), "发现淘宝口令\r\nSORRYfGhIjK\r\n淘宝正在转链\r\n发送成功2001\r\n发送成功2002\r\n");
}

TEST(TaobaoTokenConversion, UnusableUniversalAnswerLeavesTheMarksAlone) {
  PluginScenario scenario;
  scenario.services().setMode("wan", "html");
  scenario.groupMessage(watchedGroup, "买￥SORRYfGhIjK￥");
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, "买￥￥"));
  EXPECT_EQ(scenario.text("编辑框_万能金币余额"), "  ");
}

TEST(TaobaoTokenConversion, AnswerWithoutTokenOrApologyLeavesTheToken) {
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "￥NOTOKfGhIjK￥");
  EXPECT_THAT(scenario.services().requestUrls(), ElementsAre(tokenConversionUrl("NOTOKfGhIjK")));
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, "￥NOTOKfGhIjK￥"));
  EXPECT_EQ(scenario.takeLog(),
            "发现淘宝口令\r\nNOTOKfGhIjK\r\n淘宝正在转链\r\n发送成功2001\r\n发送成功2002\r\n");
}

}  // namespace
}  // namespace taoke::test
