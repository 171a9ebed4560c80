// Suning link conversion through the real plug-in and the stand-in gateway, which checks the
// signature as the open platform does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "convert/suning_links.h"
#include "expected_urls.h"
#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {
namespace {

using testing::ElementsAre;

std::string suningShort(std::string_view code) { return "https://sugs.suning.com/" + std::string(code); }

TEST(SuningLinks, SignedPostBecomesThePromotionLink) {
  const std::string link = suningShort("AbCdEfGh");
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "苏宁 " + link + " 抢");

  const auto requests = scenario.services().requests();
  ASSERT_EQ(requests.size(), 1u);
  const StandinRequest& request = requests[0];
  EXPECT_EQ(request.url, suningUrl);
  EXPECT_EQ(request.method, "POST");
  const std::string body = buildSuningBody(link, suningPosition);
  EXPECT_EQ(request.body,
            "{\"sn_request\":{\"sn_body\":{\"queryBacthcustomlink\":{\"extend\":"
            "\"https:\\/\\/sugs.suning.com\\/AbCdEfGh\",\"promotionId\":\"P9\\/1\"}}}}");
  const std::string time = request.header("AppRequestTime");
  EXPECT_TRUE(std::regex_match(time, std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})"))) << time;
  EXPECT_EQ(request.header("Content-Type"), "application/json;charset=utf-8");
  EXPECT_EQ(request.header("AppMethod"), "suning.netalliance.bacthcustomlink.query");
  EXPECT_EQ(request.header("Format"), "json");
  EXPECT_EQ(request.header("AppKey"), suningKey);
  EXPECT_EQ(request.header("VersionNo"), "v1.2");
  EXPECT_EQ(request.header("User-Agent"), "suning-sdk-Pelkan");
  EXPECT_EQ(request.header("Sdk-Version"), "suning-sdk-Pelkan-512046839-beta0.1");
  EXPECT_EQ(request.header("signInfo"),
            signSuningRequest(suningSecret, "suning.netalliance.bacthcustomlink.query", time,
                              suningKey, "v1.2", body));

  const std::string sent = "苏宁 " + suningLink(link, suningPosition) + " 抢";
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, sent), forwarded(2002, sent)));
  EXPECT_EQ(scenario.takeLog(), "发现苏宁链接\r\n获取苏宁返利链接成功\r\n" +
                                    suningLink(link, suningPosition) +
                                    "\r\n发送成功2001\r\n发送成功2002\r\n");
}

TEST(SuningLinks, LinksOfOneMessageShareTheRequestTime) {
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, suningShort("AbCdEfGh") + " " + suningShort("ZyXwVuTs"));
  const auto requests = scenario.services().requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].header("AppRequestTime"), requests[1].header("AppRequestTime"));
  EXPECT_NE(requests[0].header("signInfo"), requests[1].header("signInfo"));
  const std::string sent = suningLink(suningShort("AbCdEfGh"), suningPosition) + " " +
                           suningLink(suningShort("ZyXwVuTs"), suningPosition);
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, sent));
}

TEST(SuningLinks, OnlyEightWordCharactersBelongToTheLink) {
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, suningShort("AbCdEfGhXY"));
  EXPECT_EQ(scenario.takeSent().at(0),
            forwarded(2001, suningLink(suningShort("AbCdEfGh"), suningPosition) + "XY"));
}

TEST(SuningLinks, RejectedSignatureRemovesTheLinkButKeepsTheMessage) {
  PluginScenario scenario;
  scenario.setText("编辑框_苏宁secret", "wrong");
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "苏宁 " + suningShort("AbCdEfGh") + " (x)");
  EXPECT_EQ(scenario.services().requests().size(), 1u);
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, "苏宁  (x)"), forwarded(2002, "苏宁  (x)")));
  EXPECT_EQ(scenario.takeLog(), "发现苏宁链接\r\n发送成功2001\r\n发送成功2002\r\n");
}

}  // namespace
}  // namespace taoke::test
