// Taobao short-link conversion through the real plug-in and the stand-in services.
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
using testing::IsEmpty;

const std::string prefix = "https://s.click.taobao.com/";

std::string newShortLink(std::string_view link) { return taobaoShortLink(couponLink(link)); }

std::vector<std::string> conversionUrls(std::string_view link) {
  return {tokenConversionUrl(link), taobaoShortLinkUrl(encodedCouponLink(link))};
}

TEST(TaobaoLinks, LinkBecomesTheShortLinkOfItsCouponLink) {
  const std::string link = prefix + "AbCdEfG";
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "好货 " + link + " 速抢");

  EXPECT_THAT(scenario.services().requestUrls(), ElementsAreArray(conversionUrls(link)));
  const std::string sent = "好货 " + newShortLink(link) + " 速抢";
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, sent), forwarded(2002, sent)));
  EXPECT_EQ(scenario.mirror().received(sent.size()), sent);
  EXPECT_EQ(scenario.takeLog(), "发现淘宝链接\r\n淘宝原链接\r\n" + link + "\r\n淘宝正在转链\r\n淘宝转链成功\r\n" +
                                    newShortLink(link) + "\r\n发送成功2001\r\n发送成功2002\r\n");
}

TEST(TaobaoLinks, CouponLinkKeepsItsOwnQueryInsideTheContentValue) {
  const std::string link = prefix + "AbCdEfG";
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, link);
  const auto requests = scenario.services().requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_THAT(requests[1].queryKeys(), ElementsAre("appkey", "sid", "content"));
  EXPECT_EQ(requests[1].queryValue("content"), couponLink(link));
}

struct LinkCase {
  const char* name;
  std::string message;
  std::vector<std::string> requestUrls;
  std::string sentText;  // "" when step 7 sends nothing
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class TaobaoLinkForms : public testing::TestWithParam<LinkCase> {};

TEST_P(TaobaoLinkForms, FindsSevenWordCharactersAfterThePrefix) {
  const LinkCase& c = GetParam();
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, c.message);
  EXPECT_THAT(scenario.services().requestUrls(), ElementsAreArray(c.requestUrls));
  if (c.sentText.empty()) {
    EXPECT_THAT(scenario.takeSent(), IsEmpty());
  } else {
    EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, c.sentText), forwarded(2002, c.sentText)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Links, TaobaoLinkForms,
    testing::Values(
        // Only the first seven characters belong to the link.
        LinkCase{"longer_link", prefix + "AbCdEfGhi", conversionUrls(prefix + "AbCdEfG"),
                 newShortLink(prefix + "AbCdEfG") + "hi"},
        // Six characters: not found, but the prefix still qualifies the message.
        LinkCase{"six_characters", prefix + "AbCdEf", {}, prefix + "AbCdEf"},
        // Both occurrences go at the first match; the second converts again and replaces nothing.
        LinkCase{"same_link_twice", prefix + "AbCdEfG " + prefix + "AbCdEfG",
                 joined(conversionUrls(prefix + "AbCdEfG"), conversionUrls(prefix + "AbCdEfG")),
                 newShortLink(prefix + "AbCdEfG") + " " + newShortLink(prefix + "AbCdEfG")},
        // An apology without a coupon link drops the whole message; later links are still asked.
        LinkCase{"apology_empties_the_message", prefix + "SORRYab " + prefix + "AbCdEfG",
                 joined({tokenConversionUrl(prefix + "SORRYab")}, conversionUrls(prefix + "AbCdEfG")),
                 ""},
        // No coupon link and no apology: the link stays.
        LinkCase{"unknown_link_stays", "看 " + prefix + "NOTOKab", {tokenConversionUrl(prefix + "NOTOKab")},
                 "看 " + prefix + "NOTOKab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaobaoLinks, FailedShortLinkRemovesTheLinkAndStillLogsSuccess) {
  const std::string link = prefix + "AbCdEfG";
  PluginScenario scenario;
  scenario.services().setMode("shorturl", "refuse");
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "买 " + link + " (x)");
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, "买  (x)"));
  EXPECT_EQ(scenario.takeLog(), "发现淘宝链接\r\n淘宝原链接\r\n" + link +
                                    "\r\n淘宝正在转链\r\n淘宝转链成功\r\n\r\n发送成功2001\r\n发送成功2002\r\n");
}

}  // namespace
}  // namespace taoke::test
