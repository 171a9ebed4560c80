// Scheduled sending through the plug-in library, with the clock moved by faketime: the test
// program runs itself again under faketime, starting at 09:05:19, and the schedule is watched
// through the 21st second of 09:05.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "isolated_plugin.h"

namespace taoke {
namespace {

using testing::PluginHost;

constexpr const char* kStart = "@2026-03-05 09:05:19";

bool underFaketime() { return std::getenv("FAKETIME") != nullptr; }

// Runs this test again in a child process under faketime; true when it passed there.
bool passesUnderFaketime(const std::string& testName) {
  const std::string command = std::string("faketime -f '") + kStart + "' /proc/" + std::to_string(::getpid()) +
                              "/exe --gtest_filter=" + testName;
  const int status = std::system(command.c_str());
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(ScheduledSending, SendsEachMessageOnceAtItsTimeToEveryForwardGroup) {
  if (!underFaketime()) {
    EXPECT_TRUE(passesUnderFaketime("ScheduledSending.SendsEachMessageOnceAtItsTimeToEveryForwardGroup"));
    return;
  }
  testing::isolatedRunDirectory();
  PluginHost host;
  host.addLoginAccount(10001);
  testing::writeFile(testing::configFile(), "[转发群]\r\n转发群号=111#222#\r\n");
  host.menuA();
  host.uiSetText("编辑框_定时时间1", "9时5分");
  host.uiSetText("编辑框_定时1", "早安");
  host.uiSetText("编辑框_定时时间2", "09时05分");  // leading zeros never match
  host.uiSetText("编辑框_定时2", "不发");
  host.uiSetText("编辑框_定时时间3", "9时5分");
  host.uiSetText("编辑框_定时3", "三");
  ASSERT_EQ(host.uiClick("按钮1"), 0);
  EXPECT_EQ(host.uiGetText("按钮1"), "已开启");
  // A second schedule with other times: the first one keeps the times it took.
  host.uiSetText("编辑框_定时时间1", "10时0分");
  host.uiSetText("编辑框_定时时间3", "10时0分");
  ASSERT_EQ(host.uiClick("按钮1"), 0);
  // The message boxes are read when sending, so this change reaches the schedules.
  host.uiSetText("编辑框_定时3", "三改");
  host.takeCalls();

  host.uiPump(3600);  // through 09:05:21 into 09:05:22

  std::vector<std::pair<std::int64_t, std::string>> sent;
  for (const auto& call : host.takeCalls("TN_sendGroupMsg")) {
    EXPECT_EQ(call.number("robot"), 10001);
    sent.emplace_back(call.number("group"), call.text("text"));
  }
  const std::vector<std::pair<std::int64_t, std::string>> expected{
      {111, "早安"}, {222, "早安"}, {111, "三改"}, {222, "三改"}};
  EXPECT_EQ(sent, expected);
  const std::string log = host.uiGetText("编辑框_日志");
  EXPECT_EQ(occurrences(log, "定时1发送成功\r\n"), 2u);
  EXPECT_EQ(occurrences(log, "定时2发送成功\r\n"), 0u);
  EXPECT_EQ(occurrences(log, "定时3发送成功\r\n"), 2u);
}

// A forward group that is not a number goes to group 0; an emptied message box sends nothing.
TEST(ScheduledSending, TakesGroupsAsNumbersAndSkipsAnEmptyMessage) {
  if (!underFaketime()) {
    EXPECT_TRUE(passesUnderFaketime("ScheduledSending.TakesGroupsAsNumbersAndSkipsAnEmptyMessage"));
    return;
  }
  testing::isolatedRunDirectory();
  PluginHost host;
  testing::writeFile(testing::configFile(), "[转发群]\r\n转发群号=abc#333\r\n");
  host.menuA();
  host.uiSetText("编辑框_定时时间1", "9时5分");
  host.uiSetText("编辑框_定时1", "一");
  host.uiSetText("编辑框_定时时间2", "9时5分");
  host.uiSetText("编辑框_定时2", "二");
  host.uiClick("按钮1");
  host.uiSetText("编辑框_定时2", "");
  host.takeCalls();
  host.uiPump(3600);
  std::vector<std::int64_t> groups;
  for (const auto& call : host.takeCalls("TN_sendGroupMsg")) {
    EXPECT_EQ(call.text("text"), "一");
    groups.push_back(call.number("group"));
  }
  EXPECT_EQ(groups, (std::vector<std::int64_t>{0, 333}));
  EXPECT_EQ(occurrences(host.uiGetText("编辑框_日志"), "发送成功"), 2u);
}

}  // namespace
}  // namespace taoke
