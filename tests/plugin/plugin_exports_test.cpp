// The plug-in library as the robot host loads it: build/libtaoke.so through dlopen with the
// recording host library, in a run directory of this test program's own.
#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

#include "plugin_host.h"
#include "util/charset.h"

namespace taoke {
namespace {

using testing::HostCall;
using testing::PluginHost;

const char* const kManifest =
    "{\"ret\":1,\"apiver\":2018,\"appid\":\"com.lumora.testapp\",\"name\":\"Tarnel转链应用\",\"version\":\"1.0.0\","
    "\"version_id\":1,\"author\":\"Marven\",\"description\":\"Tarnel样例应用(v2018应用机制)\",\"event\":["
    "{\"id\":1001,\"type\":1001,\"name\":\"TN启动事件\",\"function\":\"_eventStartup\",\"priority\":30000},"
    "{\"id\":1002,\"type\":1002,\"name\":\"TN关闭事件\",\"function\":\"_eventExit\",\"priority\":30000},"
    "{\"id\":1003,\"type\":1003,\"name\":\"应用已被启用\",\"function\":\"_eventEnable\",\"priority\":30000},"
    "{\"id\":1004,\"type\":1004,\"name\":\"应用将被停用\",\"function\":\"_eventDisable\",\"priority\":30000},"
    "{\"id\":1,\"type\":166,\"name\":\"私聊消息处理\",\"function\":\"_eventPrivateMsg\",\"priority\":30000},"
    "{\"id\":2,\"type\":82,\"name\":\"群消息处理\",\"function\":\"_eventGroupMsg\",\"priority\":30000},"
    "{\"id\":3,\"type\":83,\"name\":\"讨论组消息处理\",\"function\":\"_eventDiscussMsg\",\"priority\":30000},"
    "{\"id\":4,\"type\":101,\"name\":\"推送消息事件\",\"function\":\"_eventPushMsgEvent\",\"priority\":30000},"
    "{\"id\":5,\"type\":102,\"name\":\"群管理变动事件处理\",\"function\":\"_eventSystem_GroupAdmin\",\"priority\":30000},"
    "{\"id\":6,\"type\":103,\"name\":\"群成员减少事件处理\",\"function\":\"_eventSystem_GroupMemberDecrease\","
    "\"priority\":30000},"
    "{\"id\":7,\"type\":104,\"name\":\"群成员增加事件处理\",\"function\":\"_eventSystem_GroupMemberIncrease\","
    "\"priority\":30000},"
    "{\"id\":8,\"type\":201,\"name\":\"好友事件处理\",\"function\":\"_eventFriendEvent\",\"priority\":30000},"
    "{\"id\":9,\"type\":301,\"name\":\"好友添加请求处理\",\"function\":\"_eventRequest_AddFriend\",\"priority\":30000},"
    "{\"id\":10,\"type\":302,\"name\":\"群添加请求处理\",\"function\":\"_eventRequest_AddGroup\",\"priority\":30000}],"
    "\"menu\":[{\"name\":\"设置A\",\"function\":\"_menuA\"},{\"name\":\"查看好友/群/讨论组列表\",\"function\":\"_menuB\"}],"
    "\"auth\":[101,102,103,104,105,110,111,112,113,114,115]}";

const std::int64_t kRobot = 10001;
const std::int64_t kWatchedGroup = 20001;
const std::int64_t kForwardGroup = 30001;

class PluginExportsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { runDirectory() = PluginHost::useOwnRunDirectory(); }

  void TearDown() override { std::remove(configPath().c_str()); }

  static std::string& runDirectory() {
    static std::string directory;
    return directory;
  }

  // The configuration file beside the plug-in: a UTF-8 name on disk, GBK content with CRLF.
  static std::string configPath() { return runDirectory() + "/" + gbkToUtf8("淘客配置.ini"); }

  static void writeConfig(const std::string& gbkContent) {
    std::ofstream(configPath(), std::ios::binary) << gbkContent;
  }

  // The window open, kWatchedGroup watched, every message of it forwarded to kForwardGroup.
  void watchAndForwardEverything() {
    writeConfig("[转发群]\r\n转发群号=30001#\r\n");
    ASSERT_EQ(host.menuA(), 0);
    ASSERT_EQ(host.uiSetText("编辑框_加入监控群", std::to_string(kWatchedGroup)), 0);
    ASSERT_EQ(host.uiClick("按钮_加入群"), 0);
    ASSERT_EQ(host.uiSetCheck("选择框_转发全部消息", true), 0);
    ASSERT_EQ(host.uiSetText("编辑框_小尾巴", "尾巴"), 0);
    host.takeCalls();
  }

  PluginHost host;
};

TEST_F(PluginExportsTest, ManifestIsTheConstantGbkText) {
  const char* first = host.appInfo();
  const char* second = host.appInfo();
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, kManifest);
  // "转链" in code page 936, byte for byte.
  EXPECT_NE(std::strstr(first, "Tarnel\xD7\xAA\xC1\xB4\xD3\xA6\xD3\xC3"), nullptr);
  EXPECT_EQ(std::strpbrk(first, " \r\n\t"), nullptr);
}

TEST_F(PluginExportsTest, InitializeKeepsTheAuthorisationCodeForEveryHostCall) {
  EXPECT_EQ(host.initialize(9876, 5), 0);
  host.addLoginAccount(kRobot);
  host.addGroup(kWatchedGroup, "群");
  host.menuA();
  host.uiClick("按钮_载入群聊");
  const auto calls = host.takeCalls();
  ASSERT_FALSE(calls.empty());
  for (const HostCall& call : calls) EXPECT_EQ(call.number("authCode"), 9876) << call.line;
}

TEST_F(PluginExportsTest, GroupMessageGivesRobotGroupAndTextToThePipeline) {
  watchAndForwardEverything();
  // Words 6-7 are the group; words 8-9, the first and the third text are not read.
  EXPECT_EQ(host.eventGroupMsg(kRobot, 1, 2, 3, kWatchedGroup, 88888, "first", "消息", "third", 4), 0);
  auto calls = host.takeCalls("TN_sendGroupMsg");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].number("robot"), kRobot);
  EXPECT_EQ(calls[0].number("group"), kForwardGroup);
  EXPECT_EQ(calls[0].text("text"), "消息\r\n尾巴");

  // The same numbers in the other places: the group is not watched, nothing goes out.
  EXPECT_EQ(host.eventGroupMsg(kRobot, 0, 0, 0, 88888, kWatchedGroup, "消息", "消息", "消息", 0), 0);
  EXPECT_TRUE(host.takeCalls("TN_sendGroupMsg").empty());
}

TEST_F(PluginExportsTest, NullTextsReachTheHandlersAsEmptyTexts) {
  watchAndForwardEverything();
  EXPECT_EQ(host.eventGroupMsg(kRobot, 0, 0, 0, kWatchedGroup, 0, nullptr, nullptr, nullptr, 0), 0);
  auto calls = host.takeCalls("TN_sendGroupMsg");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text("text"), "\r\n尾巴");

  EXPECT_EQ(host.eventPrivateMsg(kRobot, 2, 0, 0, 1, 2, nullptr, nullptr, nullptr, 0), 0);
  EXPECT_EQ(host.eventPushMsgEvent(kRobot, 9, 0, 0, 1, 2, 3, nullptr, nullptr, 0), 0);
  EXPECT_EQ(host.eventRequestAddGroup(kRobot, 1, 0, 0, 1, 2, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(host.eventFriendEvent(kRobot, 0, 0, 0, 1, nullptr), 0);
  EXPECT_EQ(host.eventRequestAddFriend(kRobot, 0, 0, 0, 1, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(host.eventDiscussMsg(kRobot, 0, 0, 0, 1, 2, nullptr, nullptr, nullptr, 0), 0);
  EXPECT_TRUE(host.takeCalls().empty());
}

// The pipeline rewrites its copy of the message (here by a replacement pair); the host's buffer stays.
TEST_F(PluginExportsTest, HandlersRewriteTheirCopyNotTheHostsBuffer) {
  watchAndForwardEverything();
  writeConfig("[转发群]\r\n转发群号=30001#\r\n[替换关键词]\r\n被替换=旧#\r\n替换=新#\r\n");
  host.uiSetCheck("选择框_开始转链", true);
  char buffer[] = "旧的消息";
  const std::string before = buffer;
  host.eventGroupMsg(kRobot, 0, 0, 0, kWatchedGroup, 0, nullptr, buffer, nullptr, 0);
  auto calls = host.takeCalls("TN_sendGroupMsg");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text("text"), "新的消息\r\n尾巴");
  EXPECT_EQ(std::string(buffer), before);
}

// The answer goes back through the group's temporary session: robot, words 8-9, then words 6-7.
TEST_F(PluginExportsTest, PrivateMessageAnswersWithTheEventsNumbersInTheirOrder) {
  host.menuA();
  host.uiSetCheck("选择框_网页搜索词", true);
  host.uiSetText("编辑框_网页搜索词", "找");
  host.uiSetText("编辑框_短链前缀", "http://127.0.0.1:9/?u=");
  host.takeCalls();
  EXPECT_EQ(host.eventPrivateMsg(kRobot, 2, 0, 0, 111, 222, "x", "找手机", "y", 0), 0);
  auto calls = host.takeCalls("TN_sendGroupTmpMsg");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].number("robot"), kRobot);
  EXPECT_EQ(calls[0].number("a"), 222);
  EXPECT_EQ(calls[0].number("b"), 111);

  EXPECT_EQ(host.eventPrivateMsg(kRobot, 1, 0, 0, 111, 222, "x", "找手机", "y", 0), 0);
  EXPECT_TRUE(host.takeCalls("TN_sendGroupTmpMsg").empty());
}

struct JoinCase {
  const char* name;
  bool openWindow;
  bool autoAccept;
  std::int32_t requestType;
  bool accepted;
};

class JoinRequestTest : public PluginExportsTest, public ::testing::WithParamInterface<JoinCase> {};

TEST_P(JoinRequestTest, AcceptsOnlyTypesOneAndTwoWithTheSwitchOn) {
  const JoinCase& c = GetParam();
  if (c.openWindow) {
    host.menuA();
    host.uiSetCheck("选择框_自动同意入群", c.autoAccept);
  }
  host.takeCalls();
  EXPECT_EQ(host.eventRequestAddGroup(kRobot, c.requestType, 0, 0, 20001, 5001, "first", "second", "请求"), 0);
  const auto calls = host.takeCalls();
  if (!c.accepted) {
    EXPECT_TRUE(calls.empty());
    return;
  }
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].line, "TN_setGroupAddRequest\tauthCode=1234\trobot=10001\trequest=\"请求\"\tkind=0\tanswer=0\treason=\"\"");
}

INSTANTIATE_TEST_SUITE_P(Cases, JoinRequestTest,
                         ::testing::Values(JoinCase{"windowNeverOpened", false, false, 1, false},
                                           JoinCase{"switchOff", true, false, 1, false},
                                           JoinCase{"typeOne", true, true, 1, true},
                                           JoinCase{"typeTwo", true, true, 2, true},
                                           JoinCase{"typeThree", true, true, 3, false},
                                           JoinCase{"typeZero", true, true, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginExportsTest, NoticesOfEveryTypeAreReadAndShownNowhere) {
  host.menuA();
  const std::string log = host.uiGetText("编辑框_日志");
  host.takeCalls();
  for (std::int32_t type = -1; type <= 10; ++type) {
    EXPECT_EQ(host.eventPushMsgEvent(kRobot, type, 0, 0, 20001, 5001, 4294967295LL, "0", "not a pack", 0), 0);
  }
  EXPECT_EQ(host.eventPushMsgEvent(kRobot, 9, 0, 0, 20001, 5001, 0, "file", "AAAAAQAIAAdNc2dGaWxl", 0), 0);
  EXPECT_TRUE(host.takeCalls().empty());
  EXPECT_EQ(host.uiGetText("编辑框_日志"), log);
}

TEST_F(PluginExportsTest, ExportsWithoutHandlersReturnZeroAndCallNothing) {
  host.menuA();
  host.takeCalls();
  EXPECT_EQ(host.menuB(), 0);
  EXPECT_EQ(host.eventStartup(), 0);
  EXPECT_EQ(host.eventExit(), 0);
  EXPECT_EQ(host.eventEnable(), 0);
  EXPECT_EQ(host.eventDisable(), 0);
  EXPECT_EQ(host.eventDiscussMsg(kRobot, 0, 0, 0, 1, 2, "a", "b", "c", 0), 0);
  EXPECT_EQ(host.eventSystemGroupAdmin(kRobot, 1, 0, 0, 1, 2), 0);
  EXPECT_EQ(host.eventSystemGroupMemberDecrease(kRobot, 1, 0, 0, 1, 2, 3), 0);
  EXPECT_EQ(host.eventSystemGroupMemberIncrease(kRobot, 1, 0, 0, 1, 2, 3), 0);
  EXPECT_EQ(host.eventFriendEvent(kRobot, 1, 0, 0, 1, "t"), 0);
  EXPECT_EQ(host.eventRequestAddFriend(kRobot, 1, 0, 0, 1, "a", "b", "c"), 0);
  EXPECT_TRUE(host.takeCalls().empty());
}

TEST_F(PluginExportsTest, MenuAOpensTheSettingsWindow) {
  EXPECT_FALSE(host.uiIsOpen());
  EXPECT_EQ(host.menuA(), 0);
  EXPECT_TRUE(host.uiIsOpen());
  EXPECT_EQ(host.menuA(), 0);
  EXPECT_TRUE(host.uiIsOpen());
}

}  // namespace
}  // namespace taoke
