// The working settings, the window's timers and the control table, in process.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "settings/settings_buttons.h"
#include "settings/settings_controls.h"
#include "settings/settings_window.h"
#include "settings/window_toolkit.h"
#include "settings/working_settings.h"

namespace taoke {
namespace {

class WorkingSettings : public ::testing::Test {
 protected:
  void TearDown() override { closeSettingsWindow(); }
};

TEST_F(WorkingSettings, WithoutAWindowEveryReadGivesTheInitialValueAndOutputsDoNothing) {
  for (int round = 0; round < 2; ++round) {
    EXPECT_FALSE(windowCreated());
    EXPECT_EQ(readText("编辑框_小尾巴"), "");
    EXPECT_EQ(readText("编辑框_日志"), "—————监控日志—————");
    EXPECT_FALSE(readCheck("选择框_开始转链"));
    EXPECT_TRUE(readList("列表框_监控群").empty());
    EXPECT_TRUE(readTable("超级列表框_替换关键词").empty());
    appendLog("lost\r\n");
    writeText("编辑框_小尾巴", "lost");
    mirrorSend("lost");
    // The second round: after a window has been open and was closed.
    openSettingsWindow();
    writeText("编辑框_小尾巴", "tail");
    setControlChecked("选择框_开始转链", true);
    EXPECT_EQ(readText("编辑框_小尾巴"), "tail");
    EXPECT_TRUE(readCheck("选择框_开始转链"));
    closeSettingsWindow();
  }
}

TEST_F(WorkingSettings, AppendLogAddsNothingOfItsOwn) {
  openSettingsWindow();
  appendLog("a");
  appendLog("b\r\n");
  EXPECT_EQ(readText("编辑框_日志"), "—————监控日志—————ab\r\n");
}

// The log keeps its newest megabyte, dropping whole lines from the start.
TEST_F(WorkingSettings, LogDropsItsOldestLinesBeyondAMegabyte) {
  openSettingsWindow();
  const std::string line = std::string(1000, 'x') + "\r\n";
  for (int i = 0; i < 1100; ++i) appendLog(line);
  appendLog("last\r\n");
  const std::string log = readText("编辑框_日志");
  EXPECT_LE(log.size(), 1024u * 1024u);
  EXPECT_GT(log.size(), 1000u * 1000u);
  EXPECT_EQ(log.substr(0, line.size()), line);
  EXPECT_EQ(log.substr(log.size() - 6), "last\r\n");
}

TEST_F(WorkingSettings, TimersRunWhileWaitingAndEndWithTheWindow) {
  openSettingsWindow();
  int ticks = 0;
  startTimer(20, [&] { ++ticks; });
  pumpWait(210);
  EXPECT_GE(ticks, 3);  // a loaded machine may oversleep; a timer never catches up in bursts
  EXPECT_LE(ticks, 11);
  closeSettingsWindow();
  const int before = ticks;
  pumpWait(60);
  EXPECT_EQ(ticks, before);
}

// A tick that waits itself lets other timers run but is never entered again meanwhile.
TEST_F(WorkingSettings, ATickIsNeverEnteredTwice) {
  openSettingsWindow();
  int depth = 0;
  int deepest = 0;
  int others = 0;
  startTimer(10, [&] {
    ++depth;
    deepest = std::max(deepest, depth);
    pumpWait(50);
    --depth;
  });
  startTimer(10, [&] { ++others; });
  pumpWait(200);
  EXPECT_EQ(deepest, 1);
  EXPECT_GE(others, 2);
}

TEST_F(WorkingSettings, ATickMayStopItselfOrCloseTheWindow) {
  openSettingsWindow();
  int ticks = 0;
  TimerId self = 0;
  self = startTimer(10, [&] {
    ++ticks;
    stopTimer(self);
  });
  startTimer(30, [] { closeSettingsWindow(); });
  pumpWait(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(windowCreated());
}

// A failing tick (a host function missing) reaches the caller of the wait and its timer runs on.
TEST_F(WorkingSettings, ATimerWhoseTickFailedRunsAgain) {
  openSettingsWindow();
  int ticks = 0;
  startTimer(10, [&] {
    ++ticks;
    throw std::runtime_error("host function missing");
  });
  EXPECT_THROW(pumpWait(50), std::runtime_error);
  EXPECT_THROW(pumpWait(50), std::runtime_error);
  EXPECT_EQ(ticks, 2);
}

TEST(SettingsControls, NamesAreUniqueContainersExistAndEveryButtonHasAHandler) {
  std::set<std::string_view> names;
  for (const ControlDesc& control : settingsControls()) {
    if (!control.name.empty()) EXPECT_TRUE(names.insert(control.name).second) << control.name;
  }
  for (const ControlDesc& control : settingsControls()) {
    if (!control.container.empty()) EXPECT_TRUE(names.count(control.container)) << control.container;
    if (control.kind == ControlKind::Button) EXPECT_TRUE(hasButtonHandler(control.name)) << control.name;
  }
}

}  // namespace
}  // namespace taoke
