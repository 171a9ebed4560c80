// JD link conversion through the real plug-in and the stand-in services: landing page, redirect,
// affiliate tool, in that order for every link.
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

std::string jdLink(std::string_view code) { return "https://u.jd.com/" + std::string(code); }

std::vector<std::string> linkRequests(std::string_view code, std::string_view productId) {
  return {jdLink(code), jdLandingRedirectUrl(code), jdConversionUrl(productId)};
}

TEST(JdLinks, ShortLinkBecomesThePurchaseLinkWithTheOperatorsCookies) {
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "京东好价 " + jdLink("abc123") + " 冲");

  const std::string product = jdProduct("abc123");
  const auto requests = scenario.services().requests();
  std::vector<std::string> urls;
  for (const auto& request : requests) urls.push_back(request.url);
  EXPECT_THAT(urls, ElementsAreArray(linkRequests("abc123", product)));
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[2].header("Cookie"), jdCookies);
  EXPECT_EQ(requests[0].header("Cookie"), "");

  const std::string sent = "京东好价 " + jdPurchaseLink(product) + " 冲";
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, sent), forwarded(2002, sent)));
  EXPECT_EQ(scenario.mirror().received(sent.size()), sent);
  EXPECT_EQ(scenario.takeLog(), "发现京东链接\r\n获取京东链接成功" + jdLink("abc123") +
                                    "\r\n正在转链中\r\n获取京东返利链接成功\r\n" +
                                    jdPurchaseLink(product) + "\r\n发送成功2001\r\n发送成功2002\r\n");
}

struct RedirectCase {
  const char* code;
  std::string productId;
};

void PrintTo(const RedirectCase& c, std::ostream* os) { *os << c.code; }

class JdProductMarkers : public testing::TestWithParam<RedirectCase> {};

TEST_P(JdProductMarkers, ProductIdComesFromTheRedirectTarget) {
  const RedirectCase& c = GetParam();
  PluginScenario scenario;
  scenario.groupMessage(watchedGroup, jdLink(c.code));
  EXPECT_THAT(scenario.services().requestUrls(), ElementsAreArray(linkRequests(c.code, c.productId)));
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, jdPurchaseLink(c.productId)));
}

INSTANTIATE_TEST_SUITE_P(Markers, JdProductMarkers,
                         testing::Values(RedirectCase{"abc123", jdProduct("abc123")},
                                         RedirectCase{"sku123", jdProduct("sku123")},
                                         RedirectCase{"ware12", jdProduct("ware12")},
                                         // sku= and wareId= both present: wareId wins.
                                         RedirectCase{"both12", jdProduct("both12")}));

struct MessageCase {
  const char* name;
  std::string message;
  std::vector<std::string> requestUrls;
  std::string sentText;  // "" when the message is emptied
  std::string logTail;   // what the log ends with before the send lines
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class JdMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(JdMessages, LastLinkDecidesWhetherTheMessageStays) {
  const MessageCase& c = GetParam();
  PluginScenario scenario;
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, c.message);
  EXPECT_THAT(scenario.services().requestUrls(), ElementsAreArray(c.requestUrls));
  if (c.sentText.empty()) {
    EXPECT_THAT(scenario.takeSent(), IsEmpty());
    EXPECT_THAT(scenario.takeLog(), testing::EndsWith(c.logTail));
  } else {
    EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, c.sentText), forwarded(2002, c.sentText)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, JdMessages,
    testing::Values(
        // First fails (no product id), second succeeds: the first link disappears, the message stays.
        MessageCase{"first_fails_second_succeeds", jdLink("none12") + " 和 " + jdLink("abc123"),
                    joined(linkRequests("none12", ""), linkRequests("abc123", jdProduct("abc123"))),
                    " 和 " + jdPurchaseLink(jdProduct("abc123")), ""},
        // First succeeds, second fails: the message is emptied all the same.
        MessageCase{"first_succeeds_second_fails", jdLink("abc123") + " 和 " + jdLink("none12"),
                    joined(linkRequests("abc123", jdProduct("abc123")), linkRequests("none12", "")), "",
                    "获取京东返利链接成功\r\n\r\n京东转链获取失败，口令为空\r\n"},
        // A landing page without hrl: the redirect request has no address and fails.
        MessageCase{"landing_without_address", jdLink("gone12"), {jdLink("gone12"), jdConversionUrl("")},
                    "", "京东转链获取失败，口令为空\r\n"},
        // Only the first six word characters belong to the link.
        MessageCase{"longer_link", jdLink("abc123xyz"), linkRequests("abc123", jdProduct("abc123")),
                    jdPurchaseLink(jdProduct("abc123")) + "xyz", ""},
        // The host without a matching link: no request, the message is emptied.
        MessageCase{"five_characters", jdLink("abc12"), {}, "", "发现京东链接\r\n京东转链获取失败，口令为空\r\n"},
        MessageCase{"plain_http", "http://u.jd.com/abc123", {}, "", "京东转链获取失败，口令为空\r\n"},
        // Word characters are ASCII letters, digits and the underscore only.
        MessageCase{"chinese_is_no_word_character", jdLink("abc12中"), {}, "",
                    "京东转链获取失败，口令为空\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JdLinks, RejectedCookiesEmptyTheMessage) {
  PluginScenario scenario;
  scenario.setText("编辑框_京东", "pt_pin=expired");
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, jdLink("abc123"));
  EXPECT_EQ(scenario.services().requests().at(2).header("Cookie"), "pt_pin=expired");
  EXPECT_THAT(scenario.takeSent(), IsEmpty());
  EXPECT_THAT(scenario.takeLog(), testing::EndsWith("京东转链获取失败，口令为空\r\n"));
}

}  // namespace
}  // namespace taoke::test
