#include "settings/scheduled_sending.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plugin/host_api.h"
#include "settings/config_file.h"
#include "settings/date_time_text.h"
#include "settings/settings_window.h"
#include "settings/window_toolkit.h"
#include "settings/working_settings.h"
#include "util/local_clock.h"

namespace taoke {

namespace {

constexpr int kPollMilliseconds = 100;

struct ScheduledMessage {
  std::string_view timeBox;
  std::string_view messageBox;
  std::string_view logText;
};

constexpr std::array<ScheduledMessage, 3> kMessages{{
    {"编辑框_定时时间1", "编辑框_定时1", "定时1发送成功\r\n"},
    {"编辑框_定时时间2", "编辑框_定时2", "定时2发送成功\r\n"},
    {"编辑框_定时时间3", "编辑框_定时3", "定时3发送成功\r\n"},
}};

// A real minute of the calendar, so that a message goes out once in its minute, and again on the
// next day.
std::int64_t minuteOf(const LocalDateTime& time) {
  return ((static_cast<std::int64_t>(time.year) * 100 + time.month) * 100 + time.day) * 10000 +
         time.hour * 100 + time.minute;
}

struct Schedule {
  std::vector<std::string> forwardGroups;
  // "2000年1月1日" + the time box + "21秒": matches dateTimeText of the time of day in second 21.
  std::array<std::string, 3> targets;
  std::array<std::optional<std::int64_t>, 3> sentInMinute;
};

void runPass(Schedule& schedule) {
  const LocalDateTime now = currentLocalDateTime();
  LocalDateTime timeOfDay = now;
  timeOfDay.year = 2000;
  timeOfDay.month = 1;
  timeOfDay.day = 1;
  const std::string clock = dateTimeText(timeOfDay);
  for (std::size_t n = 0; n < kMessages.size(); ++n) {
    if (clock != schedule.targets[n] || schedule.sentInMinute[n] == minuteOf(now)) continue;
    schedule.sentInMinute[n] = minuteOf(now);
    if (readText(kMessages[n].messageBox).empty()) continue;
    for (const std::string& group : schedule.forwardGroups) {
      // The text is read afresh for every group: the operator may change it in between.
      hostApi().sendGroupMsg(robotQQ(), groupNumberOf(group), readText(kMessages[n].messageBox));
      appendLog(kMessages[n].logText);
    }
  }
}

}  // namespace

void startSchedule() {
  setControlText("按钮1", "已开启");
  auto schedule = std::make_shared<Schedule>();
  schedule->forwardGroups = splitConfigList(readConfigValue("转发群", "转发群号"));
  for (std::size_t n = 0; n < kMessages.size(); ++n)
    schedule->targets[n] = "2000年1月1日" + readText(kMessages[n].timeBox) + "21秒";
  startTimer(kPollMilliseconds, [schedule] { runPass(*schedule); });
}

}  // namespace taoke
