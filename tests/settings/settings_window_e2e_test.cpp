// The settings window through the real plug-in library and its ui exports: load, save, the
// list buttons, load-all-groups, the mirror connection and the clock.
#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <regex>
#include <set>

#include "isolated_plugin.h"

namespace taoke {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::PluginHost;

// The stored edit boxes with the section and key that hold each.
struct StoredBox {
  const char* control;
  const char* section;
  const char* key;
};

constexpr StoredBox kStoredBoxes[] = {
    {"编辑框_不转发关键词", "不转发", "不转发关键词"}, {"编辑框_转发群", "转发群", "转发群号"},
    {"编辑框_小尾巴", "小尾巴", "附加小尾巴"},         {"编辑框_appKey", "appkey", "appkey"},
    {"编辑框_SID", "sid", "sid"},                       {"编辑框_PID", "pid", "pid"},
    {"编辑框_京东", "jingdong", "jingdong"},             {"编辑框_前符号", "taobao", "taobao1"},
    {"编辑框_后符号", "taobao", "taobao2"},              {"编辑框_苏宁key", "sn", "snkey"},
    {"编辑框_苏宁secret", "sn", "snsecret"},             {"编辑框_苏宁推广位", "sn", "sntuiguangwei"},
    {"编辑框_短链前缀", "短链", "短链1"},                {"编辑框_短链后缀", "短链", "短链2"},
    {"编辑框_找到私聊回复", "私聊回复", "找到回复"},     {"编辑框_无私聊回复", "私聊回复", "没找到回复"},
    {"编辑框_私聊领券", "私聊领券", "私聊领券"},         {"编辑框_网页搜索词", "网页搜索", "网页搜索"},
    {"编辑框_搜单商品", "搜单商品", "搜单商品"},         {"编辑框_万能appkey", "万能appkey", "appkey"},
    {"编辑框_万能sid", "万能sid", "sid"},                {"编辑框_万能pid", "万能pid", "pid"},
};

// An INI file in which every stored box has a value of its own: "值" + the box's position.
std::string exampleFile() {
  std::string file;
  std::string section;
  for (std::size_t i = 0; i < std::size(kStoredBoxes); ++i) {
    if (kStoredBoxes[i].section != section) {
      section = kStoredBoxes[i].section;
      file += "[" + section + "]\r\n";
    }
    file += std::string(kStoredBoxes[i].key) + "=值" + std::to_string(i) + "\r\n";
  }
  return file + "[监控群]\r\n监控群号=333#444#\r\n[替换关键词]\r\n被替换=a#b#\r\n替换=x#y#\r\n";
}

class SettingsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove(testing::configFile());
    host.menuA();
  }
  void writeConfig(const std::string& bytes) { testing::writeFile(testing::configFile(), bytes); }
  std::string config() { return testing::readFile(testing::configFile()); }

  const std::filesystem::path runDirectory = testing::isolatedRunDirectory();
  PluginHost host;
};

TEST_F(SettingsWindow, LoadWithoutFileEmptiesEveryStoredControl) {
  for (const StoredBox& box : kStoredBoxes) host.uiSetText(box.control, "typed");
  host.uiSetText("编辑框_加入监控群", "1");
  host.uiClick("按钮_加入群");
  ASSERT_EQ(host.uiClick("按钮_载入"), 0);
  for (const StoredBox& box : kStoredBoxes) EXPECT_EQ(host.uiGetText(box.control), "") << box.control;
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "");
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "");
  EXPECT_THAT(host.uiTakeMessageBoxes(), IsEmpty());
}

TEST_F(SettingsWindow, LoadFillsEveryStoredControlFromTheFile) {
  writeConfig(exampleFile());
  host.uiSetText("编辑框_渠道ID", "kept");
  host.uiClick("按钮_载入");
  for (std::size_t i = 0; i < std::size(kStoredBoxes); ++i)
    EXPECT_EQ(host.uiGetText(kStoredBoxes[i].control), "值" + std::to_string(i)) << kStoredBoxes[i].control;
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "333\r\n444");
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "a\tx\r\nb\ty");
  EXPECT_EQ(host.uiGetText("编辑框_渠道ID"), "kept");
}

// More replaced words than replacements (a hand-edited file): the extra rows have an empty column 1.
TEST_F(SettingsWindow, UnpairedReplacedWordsLoadWithAnEmptyReplacement) {
  writeConfig("[替换关键词]\r\n被替换=a#b#c#\r\n替换=x#\r\n");
  host.uiClick("按钮_载入");
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "a\tx\r\nb\t\r\nc\t");
}

TEST_F(SettingsWindow, LongValueLoadsCutToTheBuffer) {
  const std::string value(10300, 'v');
  writeConfig("[小尾巴]\r\n附加小尾巴=" + value + "\r\n");
  host.uiClick("按钮_载入");
  EXPECT_EQ(host.uiGetText("编辑框_小尾巴"), value.substr(0, 10239));
}

TEST_F(SettingsWindow, SavingTwiceWritesTheSameFileWithOneLinePerKey) {
  for (std::size_t i = 0; i < std::size(kStoredBoxes); ++i)
    host.uiSetText(kStoredBoxes[i].control, "v" + std::to_string(i));
  host.uiSetText("编辑框_小尾巴", "");
  host.uiSetText("编辑框_加入监控群", "555");
  host.uiClick("按钮_加入群");
  host.uiClick("按钮_保存");
  const std::string first = config();
  host.uiClick("按钮_保存");
  EXPECT_EQ(config(), first);

  // Every box is one key line under its own section header; the file has nothing else.
  std::set<std::string> sections;
  for (std::size_t i = 0; i < std::size(kStoredBoxes); ++i) {
    const StoredBox& box = kStoredBoxes[i];
    sections.insert(box.section);
    const std::string value = i == 2 ? "" : "v" + std::to_string(i);
    const auto header = first.find("[" + std::string(box.section) + "]\r\n");
    ASSERT_NE(header, std::string::npos) << box.section;
    const auto next = first.find("\r\n[", header + 1);
    const std::string body = first.substr(header, next == std::string::npos ? std::string::npos : next + 2 - header);
    EXPECT_NE(body.find("\r\n" + std::string(box.key) + "=" + value + "\r\n"), std::string::npos) << box.key;
  }
  EXPECT_NE(first.find("[监控群]\r\n监控群号=555#\r\n"), std::string::npos);
  const auto lines = std::count(first.begin(), first.end(), '\n');
  EXPECT_EQ(lines, static_cast<long>(sections.size() + std::size(kStoredBoxes) + 2));
  EXPECT_EQ(first.find("替换关键词"), std::string::npos) << "the pairs are not written by save";

  // The file reads back into the same controls.
  host.uiClose();
  host.menuA();
  host.uiClick("按钮_载入");
  EXPECT_EQ(host.uiGetText("编辑框_苏宁secret"), "v10");
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "555");
}

TEST_F(SettingsWindow, SavingWithoutWatchedGroupsKeepsTheStoredOnes) {
  writeConfig("[监控群]\r\n监控群号=333#444#\r\n");
  host.uiClick("按钮_保存");
  host.uiClick("按钮_载入");
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "333\r\n444");
}

TEST_F(SettingsWindow, WatchedGroupsAreAddedOnTopAndDeletedBySelection) {
  for (const char* group : {"111", "222"}) {
    host.uiSetText("编辑框_加入监控群", group);
    host.uiClick("按钮_加入群");
  }
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "222\r\n111");
  EXPECT_EQ(host.uiGetText("编辑框_加入监控群"), "");
  host.uiClick("按钮_保存");
  EXPECT_NE(config().find("监控群号=222#111#\r\n"), std::string::npos);

  host.uiClick("按钮_删除群");
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "222\r\n111") << "nothing selected, nothing deleted";
  ASSERT_EQ(host.uiSelect("列表框_监控群", 1), 0);
  host.uiClick("按钮_删除群");
  EXPECT_EQ(host.uiGetText("列表框_监控群"), "222");
  EXPECT_EQ(host.uiSelect("列表框_监控群", 1), -1) << "past the end";
}

TEST_F(SettingsWindow, PairsAreStoredWhenAddedAndKeptInTheFileWhenDeleted) {
  host.uiSetText("编辑框_被替换", "旧词");
  host.uiSetText("编辑框_替换为", "");
  host.uiClick("按钮_替换关键词添加");
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "旧词\t");
  EXPECT_NE(config().find("[替换关键词]\r\n被替换=旧词#\r\n替换=#\r\n"), std::string::npos);
  EXPECT_EQ(host.uiGetText("编辑框_被替换"), "");

  host.uiClick("按钮_替换关键词添加");  // both boxes empty: an empty pair
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "旧词\t\r\n\t");
  EXPECT_NE(config().find("被替换=旧词##\r\n替换=##\r\n"), std::string::npos);

  host.uiSelect("超级列表框_替换关键词", 0);
  host.uiClick("按钮_替换关键词删除");
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "\t");
  EXPECT_NE(config().find("被替换=旧词##\r\n"), std::string::npos) << "delete does not touch the file";

  host.uiClose();
  host.menuA();
  host.uiClick("按钮_载入");
  EXPECT_EQ(host.uiGetText("超级列表框_替换关键词"), "旧词\t\r\n\t");
}

TEST_F(SettingsWindow, LoadAllGroupsListsNumberAndNameOnAlternatingLines) {
  host.addLoginAccount(10001);
  host.addGroup(20001, "第一群");
  host.addGroup(20002, "第二群");
  host.uiSetText("编辑框_所有群", "old");
  host.uiClick("按钮_载入群聊");
  EXPECT_EQ(host.uiGetText("编辑框_所有群"), "20001\r\n第一群\r\n20002\r\n第二群");
  const auto calls = host.takeCalls("TN_getGroupList");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].number("robot"), 10001);
}

// Without a logged-in account the request goes for account 0 and the account is asked for
// again next time; once learned it is kept.
TEST_F(SettingsWindow, RobotAccountIsAskedForUntilKnownThenKept) {
  host.uiClick("按钮_载入群聊");
  host.addLoginAccount(10002);
  host.uiClick("按钮_载入群聊");
  host.uiClick("按钮_载入群聊");
  std::vector<std::string> calls;
  for (const auto& call : host.takeCalls()) {
    calls.push_back(call.function);
    if (call.function == "TN_getGroupList") calls.back() += " " + std::to_string(call.number("robot"));
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"TN_getLoginQQList", "TN_getGroupList 0", "TN_getLoginQQList",
                                             "TN_getGroupList 10002", "TN_getGroupList 10002"}));
}

TEST_F(SettingsWindow, LoadAllGroupsWithNoGroupsLeavesTheBoxEmpty) {
  host.uiSetText("编辑框_所有群", "old");
  host.uiClick("按钮_载入群聊");
  EXPECT_EQ(host.uiGetText("编辑框_所有群"), "");
}

// A listener on the mirror peer's port, if the port is free.
class MirrorPeer {
 public:
  MirrorPeer() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(19730);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    listening_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(fd_, 4) == 0;
  }
  ~MirrorPeer() {
    if (client_ >= 0) ::close(client_);
    ::close(fd_);
  }
  bool listening() const { return listening_; }
  void accept() { client_ = ::accept(fd_, nullptr, nullptr); }
  std::string receive(std::size_t bytes) {
    std::string got;
    timeval wait{2, 0};
    ::setsockopt(client_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    while (got.size() < bytes) {
      char buffer[512];
      const ssize_t n = ::recv(client_, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  }
  void hangUp() {
    ::close(client_);
    client_ = -1;
  }

 private:
  int fd_ = -1;
  int client_ = -1;
  bool listening_ = false;
};

TEST_F(SettingsWindow, ConnectWithoutAListenerFails) {
  {
    MirrorPeer probe;
    if (!probe.listening()) GTEST_SKIP() << "port 19730 is in use";
  }
  host.uiClick("按钮_连接可爱猫");
  EXPECT_THAT(host.uiTakeMessageBoxes(), ElementsAre("Tarnel转链\t连接失败"));
}

// A watched group's message with a link is mirrored as its GBK bytes, nothing added; once the
// peer has gone, mirroring does nothing (no SIGPIPE) and forwarding goes on.
TEST_F(SettingsWindow, ConnectToAListenerMirrorsAndSurvivesThePeerGoingAway) {
  MirrorPeer peer;
  if (!peer.listening()) GTEST_SKIP() << "port 19730 is in use";
  host.uiClick("按钮_连接可爱猫");
  EXPECT_THAT(host.uiTakeMessageBoxes(), ElementsAre("Tarnel转链\t连接成功"));
  peer.accept();
  writeConfig("[转发群]\r\n转发群号=30001#\r\n[监控群]\r\n监控群号=20001#\r\n");
  host.uiClick("按钮_载入");
  const std::string message = "好货 https://s.click.taobao.com/AbCd123";
  host.groupMessage(10001, 20001, message);
  EXPECT_EQ(peer.receive(message.size()), message);
  peer.hangUp();
  for (int i = 0; i < 3; ++i) host.groupMessage(10001, 20001, message);
  EXPECT_EQ(host.takeCalls("TN_sendGroupMsg").size(), 4u);
}

TEST_F(SettingsWindow, ClockShowsTheDateTimeAfterLoadAndAdvances) {
  EXPECT_EQ(host.uiGetText("声明"), "绝不偷单，可以百度偷单进行检测");
  host.uiClick("按钮_载入");
  const std::regex form("\\d+\xC4\xEA\\d+\xD4\xC2\\d+\xC8\xD5(\\d+\xCA\xB1(\\d+\xB7\xD6(\\d+\xC3\xEB)?)?)?");
  const std::string first = host.uiGetText("声明");
  EXPECT_TRUE(std::regex_match(first, form)) << first;
  host.uiPump(2100);
  const std::string later = host.uiGetText("声明");
  EXPECT_TRUE(std::regex_match(later, form)) << later;
  EXPECT_NE(later, first);
}

TEST_F(SettingsWindow, UiCallsOnTheWrongControlsAreRefused) {
  EXPECT_EQ(host.uiSetText("选择框_开始转链", "x"), -1);
  EXPECT_EQ(host.uiSetText("没有这个", "x"), -1);
  EXPECT_EQ(host.uiSetCheck("编辑框_小尾巴", 1), -1);
  EXPECT_EQ(host.uiClick("编辑框_小尾巴"), -1);
  EXPECT_EQ(host.uiGetText("没有这个"), "");
  EXPECT_EQ(host.uiSetCheck("选择框_开始转链", 1), 0);
  EXPECT_EQ(host.uiGetText("选择框_开始转链"), "1");
  EXPECT_EQ(host.uiGetText("按钮1"), "定时");
  EXPECT_EQ(host.uiGetText("编辑框_日志"), "—————监控日志—————");
}

TEST_F(SettingsWindow, AfterCloseEveryUiCallIsRefusedAndReopeningStartsAfresh) {
  host.uiSetText("编辑框_小尾巴", "tail");
  host.uiSetCheck("选择框_开始转链", 1);
  EXPECT_EQ(host.uiClose(), 0);
  EXPECT_FALSE(host.uiIsOpen());
  EXPECT_EQ(host.uiSetText("编辑框_小尾巴", "x"), -1);
  EXPECT_EQ(host.uiClick("按钮_保存"), -1);
  EXPECT_EQ(host.uiGetText("编辑框_小尾巴"), "");
  host.menuA();
  EXPECT_EQ(host.uiGetText("编辑框_小尾巴"), "");
  EXPECT_EQ(host.uiGetText("选择框_开始转链"), "0");
}

}  // namespace
}  // namespace taoke
