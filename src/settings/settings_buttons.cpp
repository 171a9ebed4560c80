#include "settings/settings_buttons.h"

#include <array>
#include <string>
#include <vector>

#include "plugin/host_api.h"
#include "settings/date_time_text.h"
#include "settings/mirror_client.h"
#include "settings/scheduled_sending.h"
#include "settings/settings_persistence.h"
#include "settings/settings_window.h"
#include "settings/universal_api_check.h"
#include "settings/window_toolkit.h"
#include "util/local_clock.h"

namespace taoke {

namespace {

constexpr std::string_view kWatchedGroups = "列表框_监控群";
constexpr std::string_view kPairs = "超级列表框_替换关键词";
constexpr int kClockMilliseconds = 1000;

// The clock that the load button starts in 声明; one per window.
TimerId clockTimer = 0;

// 按钮_载入群聊: number and name of every group of the robot on alternating lines.
void loadAllGroups() {
  setControlText("编辑框_所有群", "");
  std::vector<GroupEntry> groups;
  hostApi().getGroupList(robotQQ(), groups);
  std::string text;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += std::to_string(groups[i].group) + "\r\n" + groups[i].name;
  }
  setControlText("编辑框_所有群", controlText("编辑框_所有群") + text);
}

// 按钮_加入群: the newest watched group goes on top.
void addWatchedGroup() {
  insertListItem(kWatchedGroups, 0, controlText("编辑框_加入监控群"));
  setControlText("编辑框_加入监控群", "");
}

void deleteWatchedGroup() {
  if (const int selected = selectedIndex(kWatchedGroups); selected >= 0)
    removeListItem(kWatchedGroups, static_cast<std::size_t>(selected));
}

void addReplacementPair() {
  appendTableRow(kPairs, controlText("编辑框_被替换"), controlText("编辑框_替换为"));
  saveReplacementPairs();
  setControlText("编辑框_被替换", "");
  setControlText("编辑框_替换为", "");
}

// The file keeps a deleted pair until the next add rewrites both halves.
void deleteReplacementPair() {
  if (const int selected = selectedIndex(kPairs); selected >= 0)
    removeTableRow(kPairs, static_cast<std::size_t>(selected));
}

void connectMirrorPeer() {
  showMessageBox("Tarnel转链", connectMirrorClient() ? "连接成功" : "连接失败");
}

void showClock() { setControlText("声明", dateTimeText(currentLocalDateTime())); }

// 按钮_载入: fills the controls from the file, then 声明 shows the clock, every second.
void loadAndStartClock() {
  loadSettings();
  showClock();
  stopTimer(clockTimer);
  clockTimer = startTimer(kClockMilliseconds, showClock);
}

struct ButtonHandler {
  std::string_view button;
  void (*handler)();
};

constexpr std::array kHandlers = std::to_array<ButtonHandler>({
    {"按钮_载入群聊", loadAllGroups},
    {"按钮_加入群", addWatchedGroup},
    {"按钮_删除群", deleteWatchedGroup},
    {"按钮_替换关键词添加", addReplacementPair},
    {"按钮_替换关键词删除", deleteReplacementPair},
    {"按钮_连接可爱猫", connectMirrorPeer},
    {"按钮_载入", loadAndStartClock},
    {"按钮_保存", saveSettings},
    {"按钮1", startSchedule},
    {"按钮_登录万能", checkUniversalApi},
});

const ButtonHandler* handlerOf(std::string_view button) {
  for (const ButtonHandler& entry : kHandlers)
    if (entry.button == button) return &entry;
  return nullptr;
}

}  // namespace

bool hasButtonHandler(std::string_view button) { return handlerOf(button) != nullptr; }

bool clickButton(std::string_view button) {
  const ButtonHandler* entry = handlerOf(button);
  if (!entry || !windowExists()) return false;
  entry->handler();
  return true;
}

}  // namespace taoke
