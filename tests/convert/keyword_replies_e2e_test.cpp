// The three keyword replies in group use, through the real plug-in and the stand-in services.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include <cstdio>

#include "expected_replies.h"
#include "expected_urls.h"
#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

// 手机壳 as UTF-8, and percent-encoded as the search and the shopping page send it.
const std::string phoneCaseUtf8 = "\xE6\x89\x8B\xE6\x9C\xBA\xE5\xA3\xB3";
const std::string phoneCaseEncoded = "%E6%89%8B%E6%9C%BA%E5%A3%B3";

std::string everyBytePercentEncoded(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%%%02X", c);
    out += buffer;
  }
  return out;
}

const std::string shoppingPage =
    "http://taoke-shop.example/taoke/index.php?input=2&r=l&kw=" + phoneCaseEncoded;

class GroupReplies : public testing::Test {
 protected:
  void SetUp() override { scenario_.takeLog(); }
  PluginScenario scenario_;
};

TEST_F(GroupReplies, ShoppingPageSendsThePageAddressAndStillAsksForTheShortLink) {
  scenario_.setCheck("选择框_网页搜索词", true);
  scenario_.setText("编辑框_网页搜索词", "网页");
  scenario_.groupMessage(otherGroup, "网页手机壳");

  EXPECT_THAT(scenario_.services().requestUrls(),
              ElementsAre(shortLinkPrefix + everyBytePercentEncoded(shoppingPage) + shortLinkSuffix));
  EXPECT_THAT(scenario_.takeSent(),
              ElementsAre(groupReply(otherGroup, "为您找到：\r\n手机壳的选购页面\r\n" + shoppingPage +
                                                     "\r\n" + foundClosing)));
  EXPECT_EQ(scenario_.takeLog(), "");
}

TEST_F(GroupReplies, ShoppingPageWithShortLinkSwitchSendsTheServicesAnswer) {
  scenario_.setCheck("选择框_网页搜索词", true);
  scenario_.setCheck("选择框_搜券短链接", true);
  scenario_.setText("编辑框_网页搜索词", "网页");
  scenario_.groupMessage(otherGroup, "网页手机壳");
  EXPECT_THAT(scenario_.takeSent(),
              ElementsAre(groupReply(otherGroup, "为您找到：\r\n手机壳的选购页面\r\n" +
                                                     operatorShortLink(shoppingPage) + "\r\n" +
                                                     foundClosing)));
}

TEST_F(GroupReplies, ProductSearchLooksUpTheFirstProductWithTheOperatorsCredentials) {
  scenario_.setCheck("选择框_搜单商品", true);
  scenario_.setText("编辑框_搜单商品", "搜");
  scenario_.groupMessage(otherGroup, "搜手机壳");

  const std::string id = "6" + derivedDigits(phoneCaseUtf8, 11);
  EXPECT_THAT(scenario_.services().requestUrls(),
              ElementsAre(productSearchUrl(phoneCaseEncoded), productLookupUrl(id),
                          taobaoShortLinkUrl(encodedCouponLink(id))));
  EXPECT_THAT(scenario_.takeSent(),
              ElementsAre(groupReply(otherGroup, couponReply(productOfId(id, "手机壳" + id.substr(8))))));
}

TEST_F(GroupReplies, ProductTitleWithAnEscapedQuoteIsReadFromTheAnswerAsItCame) {
  scenario_.setCheck("选择框_搜单商品", true);
  scenario_.setText("编辑框_搜单商品", "搜");
  scenario_.groupMessage(otherGroup, "搜引号");
  EXPECT_THAT(scenario_.takeSent(),
              ElementsAre(groupReply(otherGroup, couponReply(productOfId("600000000001", "他说\"好\"的手机壳")))));
}

TEST_F(GroupReplies, ProductTitleEscapesAreStillResolvedWhenTheAnswerParses) {
  scenario_.setCheck("选择框_搜单商品", true);
  scenario_.setText("编辑框_搜单商品", "搜");
  scenario_.groupMessage(otherGroup, "搜转义");
  EXPECT_THAT(scenario_.takeSent(),
              ElementsAre(groupReply(otherGroup, couponReply(productOfId("600000000002", "中文好物")))));
}

TEST_F(GroupReplies, ProductSearchForNothingRepliesWithTheLabelsAlone) {
  scenario_.setCheck("选择框_搜单商品", true);
  scenario_.setText("编辑框_搜单商品", "搜");
  scenario_.groupMessage(otherGroup, "搜");
  EXPECT_THAT(scenario_.services().requestUrls(),
              ElementsAre(productSearchUrl(""), productLookupUrl(""), taobaoShortLinkUrl("")));
  EXPECT_THAT(scenario_.takeSent(),
              ElementsAre(groupReply(otherGroup,
                                     "\r\n\r\n原   价:元\r\n券后价:元\r\n优惠券信息:\r\n优惠券开始时间:"
                                     "\r\n优惠券结束时间:\r\n淘口令:￥￥\r\n淘宝链接:\r\n" +
                                         std::string(foundClosing))));
}

TEST_F(GroupReplies, KeywordNotAtTheStartTriggersNothing) {
  scenario_.setCheck("选择框_搜单商品", true);
  scenario_.setText("编辑框_搜单商品", "搜");
  scenario_.groupMessage(otherGroup, "我要搜手机壳");
  EXPECT_THAT(scenario_.services().requests(), IsEmpty());
  EXPECT_THAT(scenario_.takeSent(), IsEmpty());
}

// The share token goes out with its characters as UTF-8, percent-encoded by the engine; the
// service sees the UTF-8 bytes.
const std::string yenUtf8 = "\xEF\xBF\xA5";
const std::string yenInUrl = "%EF%BF%A5";

struct CouponCase {
  const char* name;
  std::string message;
  std::string shareTokenInUrl;
  std::string shareTokenReceived;
  std::string reply;
};

void PrintTo(const CouponCase& c, std::ostream* os) { *os << c.name; }

class CouponTokenReplies : public testing::TestWithParam<CouponCase> {};

TEST_P(CouponTokenReplies, ConvertsTheShareTextsTokenAndAlwaysAsksBothServices) {
  const CouponCase& c = GetParam();
  PluginScenario scenario;
  scenario.setCheck("选择框_私聊领券", true);
  scenario.setText("编辑框_私聊领券", "领券");
  scenario.takeLog();
  scenario.groupMessage(otherGroup, c.message);

  const std::string& received = c.shareTokenReceived;
  const bool converted = !received.empty() && received.find("NOTOK") == std::string::npos;
  EXPECT_THAT(scenario.services().requestUrls(),
              ElementsAre(tokenConversionUrl(c.shareTokenInUrl),
                          taobaoShortLinkUrl(converted ? encodedCouponLink(received) : "")));
  EXPECT_THAT(scenario.takeSent(), ElementsAre(groupReply(otherGroup, c.reply)));
  const std::string token = converted ? productOfToken(received).token : "";
  EXPECT_EQ(scenario.takeLog(), "转换口令完成：￥" + token + "￥");
}

INSTANTIATE_TEST_SUITE_P(
    ShareTexts, CouponTokenReplies,
    testing::Values(
        CouponCase{"with_coupon", "领券复制这行话￥AbCdEfGhIjK￥转移至淘宝",
                   yenInUrl + "AbCdEfGhIjK" + yenInUrl, yenUtf8 + "AbCdEfGhIjK" + yenUtf8,
                   couponReply(productOfToken(yenUtf8 + "AbCdEfGhIjK" + yenUtf8))},
        CouponCase{"without_coupon", "领券复制这行话￥NOCOUPONhIj￥转移至淘宝",
                   yenInUrl + "NOCOUPONhIj" + yenInUrl, yenUtf8 + "NOCOUPONhIj" + yenUtf8,
                   noCouponReply(productOfToken(yenUtf8 + "NOCOUPONhIj" + yenUtf8))},
        CouponCase{"without_markers", "领券随便说说", "", "", "遇到未知口令，请联系Marven"},
        // A share text whose token the service does not know: every field is empty.
        CouponCase{"unknown_token", "领券这行话NOTOK转移至", "NOTOK", "NOTOK",
                   "\r\n\r\n价格:元\r\n淘口令:￥￥\r\n淘宝链接:\r\n" + std::string(notFoundClosing)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupReplyOrder, ShoppingPageThenProductSearchThenCouponToken) {
  PluginScenario scenario;
  for (const char* feature : {"网页搜索词", "搜单商品", "私聊领券"}) {
    scenario.setCheck(std::string("选择框_") + feature, true);
    scenario.setText(std::string("编辑框_") + feature, "");
  }
  scenario.groupMessage(otherGroup, "手机壳");
  const auto sent = scenario.takeSent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_THAT(sent[0].text, testing::StartsWith("为您找到：\r\n手机壳的选购页面"));
  EXPECT_THAT(sent[1].text, testing::StartsWith("手机壳"));
  EXPECT_EQ(sent[2].text, "遇到未知口令，请联系Marven");
}

}  // namespace
}  // namespace taoke::test
