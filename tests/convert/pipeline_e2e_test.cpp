// The group message pipeline through the real plug-in: which messages are rewritten, checked,
// mirrored and forwarded, how often, and what the log says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr std::chrono::milliseconds nothingArrives{300};

struct ForwardingCase {
  const char* name;
  bool conversion;
  bool forwardAll;
  const char* blockedWords;  // 不转发 / 不转发关键词
  const char* message;
  const char* sentText;      // what reaches each group ("" for nothing)
  int copiesPerGroup;
  bool mirrored;
  bool blockLogged;
};

void PrintTo(const ForwardingCase& c, std::ostream* os) { *os << c.name; }

class PipelineForwarding : public testing::TestWithParam<ForwardingCase> {};

TEST_P(PipelineForwarding, SendsAndMirrorsAsTheStepsSay) {
  const ForwardingCase& c = GetParam();
  PluginScenario scenario({{"不转发", "不转发关键词", c.blockedWords}});
  scenario.setCheck("选择框_开始转链", c.conversion);
  scenario.setCheck("选择框_转发全部消息", c.forwardAll);
  scenario.takeLog();

  scenario.groupMessage(watchedGroup, c.message);

  std::vector<SentMessage> expected;
  for (int copy = 0; copy < c.copiesPerGroup; ++copy) {
    expected.push_back(forwarded(2001, c.sentText));
    expected.push_back(forwarded(2002, c.sentText));
  }
  EXPECT_EQ(scenario.takeSent(), expected);
  const std::string mirrored = c.mirrored ? c.sentText : "";
  EXPECT_EQ(scenario.mirror().received(mirrored.size(), nothingArrives), mirrored);
  const std::string log = scenario.takeLog();
  EXPECT_EQ(log.find("发现屏蔽关键词，此消息屏蔽\r\n") != std::string::npos, c.blockLogged) << log;
  EXPECT_THAT(scenario.services().requests(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PipelineForwarding,
    testing::Values(
        // Step 7 alone: a marker qualifies the message.
        ForwardingCase{"dollar_forwarded_once", true, false, "", "价格$5", "价格$5", 1, true, false},
        // No marker and forward-all off: nothing leaves.
        ForwardingCase{"plain_text_stays", true, false, "", "大家好", "", 0, false, false},
        // Step 6 alone: forward-all sends a plain message once.
        ForwardingCase{"plain_text_forward_all", true, true, "", "大家好", "大家好", 1, false, false},
        // Steps 6 and 7: twice per group, mirrored once.
        ForwardingCase{"qualifying_forward_all_twice", true, true, "", "价格$5", "价格$5", 2, true,
                       false},
        // Conversion off and forward-all on: a "$" message twice, unchanged apart from the tail.
        ForwardingCase{"conversion_off_twice", false, true, "", "价格$5", "价格$5", 2, true, false},
        // Conversion off: blocked words are not looked for.
        ForwardingCase{"conversion_off_no_block", false, false, "价格#", "价格$5", "价格$5", 1, true,
                       false},
        // A blocked message is neither mirrored nor forwarded by step 7 ...
        ForwardingCase{"blocked_not_forwarded", true, false, "广告#", "广告$5", "", 0, false, true},
        // ... but step 6 still forwards it.
        ForwardingCase{"blocked_forward_all", true, true, "广告#", "广告$5", "广告$5", 1, false, true},
        // Blocked words ignore the case of ASCII letters.
        ForwardingCase{"blocked_any_case", true, false, "SPAM#", "spam (x)", "", 0, false, true},
        // An empty entry occurs in every non-empty message.
        ForwardingCase{"empty_entry_blocks", true, false, "a##b", "价格$5", "", 0, false, true},
        ForwardingCase{"leading_hash_blocks", true, false, "#b", "价格$5", "", 0, false, true},
        // A blocked word split across two characters is not found.
        ForwardingCase{"blocked_at_character_boundary", true, false, "\xa1" "a#", "\xb0\xa1" "a$1",
                       "\xb0\xa1" "a$1", 1, true, false},
        // Both parentheses are needed; one alone does not qualify.
        ForwardingCase{"parentheses_both", true, false, "", "看(这里)", "看(这里)", 1, true, false},
        ForwardingCase{"parenthesis_alone", true, false, "", "看(这里", "", 0, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pipeline, UnwatchedGroupIsNeitherForwardedNorLoggedButGetsReplies) {
  PluginScenario scenario;
  scenario.setCheck("选择框_转发全部消息", true);
  scenario.setCheck("选择框_私聊领券", true);
  scenario.setText("编辑框_私聊领券", "领券");
  scenario.takeLog();

  scenario.groupMessage(otherGroup, "领券");

  EXPECT_THAT(scenario.takeSent(), ElementsAre(groupReply(otherGroup, "遇到未知口令，请联系Marven")));
  EXPECT_EQ(scenario.takeLog(), "转换口令完成：￥￥");
  EXPECT_EQ(scenario.mirror().received(0, nothingArrives), "");
}

TEST(Pipeline, ListItemWithASpaceWatchesNothing) {
  PluginScenario scenario;
  scenario.clearWatchedGroups();
  scenario.addWatchedGroup(" 3001");
  scenario.setCheck("选择框_转发全部消息", true);
  scenario.takeLog();

  scenario.groupMessage(watchedGroup, "价格$5");

  EXPECT_THAT(scenario.takeSent(), IsEmpty());
  EXPECT_EQ(scenario.takeLog(), "");
}

TEST(Pipeline, EmptyForwardListStillMirrors) {
  PluginScenario scenario({{"转发群", "转发群号", ""}});
  scenario.groupMessage(watchedGroup, "价格$5");
  EXPECT_THAT(scenario.takeSent(), IsEmpty());
  EXPECT_EQ(scenario.mirror().received(6), "价格$5");
}

TEST(Pipeline, ForwardEntryIsReadAsADecimalNumberAndLoggedAsWritten) {
  // The file's reader trims the whole value, so the entry with a leading space stands inside.
  PluginScenario scenario({{"转发群", "转发群号", "2001# 2003abc#+2004#x#-5"}});
  scenario.takeLog();
  scenario.groupMessage(watchedGroup, "价格$5");
  const std::string text = std::string("价格$5\r\n") + tailText;
  EXPECT_EQ(scenario.takeSent(),
            (std::vector<SentMessage>{groupReply(2001, text), groupReply(2003, text),
                                      groupReply(2004, text), groupReply(0, text),
                                      groupReply(-5, text)}));
  EXPECT_EQ(scenario.takeLog(),
            "发送成功2001\r\n发送成功 2003abc\r\n发送成功+2004\r\n发送成功x\r\n发送成功-5\r\n");
}

TEST(Pipeline, ForwardedTextEndsWithLineEndEvenWithoutTail) {
  PluginScenario scenario;
  scenario.setText("编辑框_小尾巴", "");
  scenario.groupMessage(watchedGroup, "价格$5");
  EXPECT_EQ(scenario.takeSent(), (std::vector<SentMessage>{groupReply(2001, "价格$5\r\n"),
                                                           groupReply(2002, "价格$5\r\n")}));
}

TEST(Pipeline, ReplacementPairsApplyInOrderAtCharacterBoundaries) {
  PluginScenario scenario({{"替换关键词", "被替换", "x#y#\xa1" "a#旧#"},
                           {"替换关键词", "替换", "y#z#Q#新新#"}});
  // x -> y, then y -> z; the pair A1 61 never matches inside the character B0 A1; a replacement's
  // own text is not searched again in its pass.
  scenario.groupMessage(watchedGroup, "xy\xb0\xa1" "a旧旧$");
  const std::string expected = "zz\xb0\xa1" "a新新新新$";
  EXPECT_EQ(scenario.takeSent(),
            (std::vector<SentMessage>{forwarded(2001, expected), forwarded(2002, expected)}));
}

TEST(Pipeline, UnpairedReplacedWordIsSkipped) {
  PluginScenario scenario({{"替换关键词", "被替换", "a#b#"}, {"替换关键词", "替换", "A#"}});
  scenario.groupMessage(watchedGroup, "ab$");
  EXPECT_EQ(scenario.takeSent().at(0), forwarded(2001, "Ab$"));
}

TEST(Pipeline, WordThatComesInThroughAReplacementBlocks) {
  PluginScenario scenario({{"替换关键词", "被替换", "好货#"},
                           {"替换关键词", "替换", "广告#"},
                           {"不转发", "不转发关键词", "广告#"}});
  scenario.groupMessage(watchedGroup, "好货$1");
  EXPECT_THAT(scenario.takeSent(), IsEmpty());
}

TEST(Pipeline, WordThatComesInThroughAConversionBlocks) {
  const std::string token = "AbCdEfGhIjK";
  PluginScenario scenario({{"不转发", "不转发关键词", convertedToken(token).substr(0, 4) + "#"}});
  scenario.groupMessage(watchedGroup, "￥" + token + "￥");
  EXPECT_THAT(scenario.takeSent(), IsEmpty());
  EXPECT_EQ(scenario.mirror().received(0, nothingArrives), "");
}

TEST(Pipeline, BlockedWordsAreReadAfterConversionFromTheFileAsItThenStands) {
  PluginScenario scenario({{"不转发", "不转发关键词", ""}});
  scenario.groupMessage(watchedGroup, "价格$5");
  ASSERT_EQ(scenario.takeSent().size(), 2u);
  scenario.writeConfig({{"不转发", "不转发关键词", "价格#"}});
  scenario.groupMessage(watchedGroup, "价格$5");
  EXPECT_THAT(scenario.takeSent(), IsEmpty());
}

TEST(Pipeline, EmptiedMessageIsOnlySentByForwardAllAsLineEndAndTail) {
  PluginScenario scenario;
  scenario.setCheck("选择框_转发全部消息", true);
  scenario.takeLog();
  // A JD host without a link that matches: the JD converter empties the message.
  scenario.groupMessage(watchedGroup, "看看 http://u.jd.com/abc123");
  EXPECT_EQ(scenario.takeSent(),
            (std::vector<SentMessage>{forwarded(2001, ""), forwarded(2002, "")}));
  EXPECT_EQ(scenario.mirror().received(0, nothingArrives), "");
  EXPECT_EQ(scenario.takeLog(),
            "发现京东链接\r\n京东转链获取失败，口令为空\r\n发送成功2001\r\n发送成功2002\r\n");
}

TEST(Pipeline, WindowNeverOpenedWatchesNothing) {
  PluginScenario scenario;
  scenario.closeWindow();
  scenario.groupMessage(watchedGroup, "价格$5");
  scenario.privateMessage(2, 1, 2, "领券");
  EXPECT_THAT(scenario.takeSent(), IsEmpty());
  EXPECT_THAT(scenario.services().requests(), IsEmpty());
}

}  // namespace
}  // namespace taoke::test
