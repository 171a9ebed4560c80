// Private messages through the real plug-in: which are answered, in which order, how the answer
// travels back and what the log says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "expected_replies.h"
#include "plugin_scenario.h"

namespace taoke::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr std::int64_t firstNumber = 555;   // words 6-7
constexpr std::int64_t secondNumber = 666;  // words 8-9

SentMessage privateAnswer(std::string_view text) {
  return {"TN_sendGroupTmpMsg", robotAccount, secondNumber, firstNumber, std::string(text)};
}

class PrivateReplies : public testing::Test {
 protected:
  void SetUp() override {
    scenario_.setCheck("选择框_私聊领券", true);
    scenario_.setText("编辑框_私聊领券", "领券");
    scenario_.setCheck("选择框_搜单商品", true);
    scenario_.setText("编辑框_搜单商品", "搜");
    scenario_.setCheck("选择框_网页搜索词", true);
    scenario_.setText("编辑框_网页搜索词", "网页");
    scenario_.takeLog();
  }
  PluginScenario scenario_;
};

TEST_F(PrivateReplies, CouponAnswerGoesBackThroughTheTemporarySession) {
  scenario_.privateMessage(2, firstNumber, secondNumber, "领券复制这行话￥AbCdEfGhIjK￥转移至淘宝");
  // The service receives the share token's characters as UTF-8.
  const StandinProduct product = productOfToken("\xEF\xBF\xA5" "AbCdEfGhIjK" "\xEF\xBF\xA5");
  EXPECT_THAT(scenario_.takeSent(), ElementsAre(privateAnswer(couponReply(product))));
  EXPECT_EQ(scenario_.takeLog(), "发现私聊搜券消息\r\n发现私聊口令：￥AbCdEfGhIjK￥转换口令完成：￥" +
                                     product.token + "￥");
}

TEST_F(PrivateReplies, ShoppingPageUsesThePrivateHeader) {
  scenario_.privateMessage(2, firstNumber, secondNumber, "网页手机壳");
  const auto sent = scenario_.takeSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_THAT(sent[0].text, testing::StartsWith("为您找到\r\n手机壳的选购页面\r\nhttp://taoke-shop.example/"));
  EXPECT_EQ(scenario_.takeLog(), "发现私聊选购消息\r\n");
}

TEST_F(PrivateReplies, ProductSearchLogsItsMessage) {
  scenario_.privateMessage(2, firstNumber, secondNumber, "搜手机壳");
  EXPECT_EQ(scenario_.takeSent().size(), 1u);
  EXPECT_EQ(scenario_.takeLog(), "发现私聊购买消息\r\n");
}

TEST_F(PrivateReplies, OtherMessageTypesAreIgnored) {
  for (std::int32_t type : {0, 1, 3, -2}) {
    scenario_.privateMessage(type, firstNumber, secondNumber, "领券复制这行话￥AbCdEfGhIjK￥转移至");
  }
  EXPECT_THAT(scenario_.takeSent(), IsEmpty());
  EXPECT_EQ(scenario_.takeLog(), "");
  EXPECT_THAT(scenario_.services().requests(), IsEmpty());
}

TEST_F(PrivateReplies, SharedKeywordGetsTheCouponAnswerFirstThenTheProduct) {
  scenario_.setText("编辑框_搜单商品", "领券");
  scenario_.privateMessage(2, firstNumber, secondNumber, "领券");
  const auto sent = scenario_.takeSent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0], privateAnswer("遇到未知口令，请联系Marven"));
  EXPECT_THAT(sent[1].text, testing::StartsWith("\r\n\r\n原   价:"));
  EXPECT_EQ(scenario_.takeLog(), "发现私聊搜券消息\r\n发现私聊口令：转换口令完成：￥￥发现私聊购买消息\r\n");
}

TEST_F(PrivateReplies, EverySwitchOffAnswersNothing) {
  for (const char* box : {"选择框_私聊领券", "选择框_搜单商品", "选择框_网页搜索词"}) {
    scenario_.setCheck(box, false);
  }
  scenario_.privateMessage(2, firstNumber, secondNumber, "领券");
  scenario_.privateMessage(2, firstNumber, secondNumber, "搜手机壳");
  scenario_.privateMessage(2, firstNumber, secondNumber, "网页手机壳");
  EXPECT_THAT(scenario_.takeSent(), IsEmpty());
  EXPECT_EQ(scenario_.takeLog(), "");
}

}  // namespace
}  // namespace taoke::test
