// The development host as the operator runs it: build/devhost on the example scenario and on
// commands from standard input, its output read back in UTF-8.
#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "plugin_host.h"

namespace taoke {
namespace {

struct DevhostRun {
  std::string output;
  int status = -1;
};

std::string quoted(const std::string& path) { return "'" + path + "'"; }

DevhostRun runDevhost(const std::string& arguments) {
  const std::string build = testing::PluginHost::buildDirectory();
  const std::string command = quoted(build + "/devhost") + " " + quoted(build + "/libtaoke.so") + " " + arguments;
  DevhostRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.output += buffer;
  run.status = pclose(pipe);
  return run;
}

std::string sourcePath(const std::string& relative) {
  const char* source = std::getenv("TAOKE_SOURCE_DIR");
  return std::string(source ? source : "..") + "/" + relative;
}

// Expected lines are UTF-8: the test's own literals are GBK, so they are spelled as UTF-8 bytes.
const char* const kGroupListed = "  \xE6\xB7\x98\xE5\xAE\xA2\xE4\xB8\x80\xE7\xBE\xA4\n";  // 淘客一群
const char* const kJoinAccepted =
    "host> TN_setGroupAddRequest authCode=1234 robot=10001 request=\"\xE7\x94\xB3\xE8\xAF\xB7\xE5\x85\xA5\xE7\xBE\xA4\" "
    "kind=0 answer=0 reason=\"\"\n";  // 申请入群
const char* const kConnectFailed =
    "box> [Tarnel\xE8\xBD\xAC\xE9\x93\xBE] \xE8\xBF\x9E\xE6\x8E\xA5\xE5\xA4\xB1\xE8\xB4\xA5\n";  // [Tarnel转链] 连接失败

TEST(Devhost, RunsTheExampleScenario) {
  const DevhostRun run = runDevhost(quoted(sourcePath("tools/devhost/examples/first_steps.txt")));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("host> TN_getGroupList authCode=1234 robot=10001\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(kGroupListed), std::string::npos) << run.output;
  EXPECT_NE(run.output.find(kJoinAccepted), std::string::npos) << run.output;
  // The first request came before the switch was on, the third is of type 3: one acceptance only.
  EXPECT_EQ(run.output.find("TN_setGroupAddRequest"), run.output.rfind("TN_setGroupAddRequest"));
  EXPECT_NE(run.output.find(kConnectFailed), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("host> TN_sendGroupTmpMsg authCode=1234 robot=10001 a=5001 b=20001 text="),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("log> "), std::string::npos) << run.output;
}

TEST(Devhost, ConvertsBetweenTheTerminalsUtf8AndThePluginsGbk) {
  const std::string input = std::string(testing::PluginHost::buildDirectory()) + "/tests/devhost_input.txt";
  std::ofstream(input) << "menuA\n"
                          "set \xE7\xBC\x96\xE8\xBE\x91\xE6\xA1\x86_\xE5\xB0\x8F\xE5\xB0\xBE\xE5\xB7\xB4 "
                          "\xE5\xB0\xBE\xE5\xB7\xB4\\r\\n\xE7\xAC\xAC\xE4\xBA\x8C\xE8\xA1\x8C\n"  // set 编辑框_小尾巴 尾巴\r\n第二行
                          "get \xE7\xBC\x96\xE8\xBE\x91\xE6\xA1\x86_\xE5\xB0\x8F\xE5\xB0\xBE\xE5\xB7\xB4\n"
                          "set no_such_box text\n";
  const DevhostRun run = runDevhost("< " + quoted(input));
  EXPECT_NE(run.output.find("  \xE5\xB0\xBE\xE5\xB7\xB4\n  \xE7\xAC\xAC\xE4\xBA\x8C\xE8\xA1\x8C\n"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("error: set no_such_box: no open window or no such control"), std::string::npos)
      << run.output;
  EXPECT_NE(run.status, 0);
  std::remove(input.c_str());
}

TEST(Devhost, HelpDocumentsEveryCommand) {
  const DevhostRun run = runDevhost("--help");
  EXPECT_EQ(run.status, 0);
  for (const char* command : {"account ", "group ", "member ", "friend ", "answer ", "groupmsg ", "privatemsg ",
                              "notice ", "joinrequest ", "event ", "exports", "menuA", "menuB", "appinfo",
                              "initialize ", "set ", "get ", "check ", "select ", "click ", "log", "isopen",
                              "close", "wait ", "echo ", "help", "quit"}) {
    EXPECT_NE(run.output.find("\n  " + std::string(command)), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace taoke
