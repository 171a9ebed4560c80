#include "settings/date_time_text.h"

namespace taoke {

std::string dateTimeText(const LocalDateTime& time) {
  std::string text = std::to_string(time.year) + "年" + std::to_string(time.month) + "月" +
                     std::to_string(time.day) + "日";
  if (time.second != 0)
    return text + std::to_string(time.hour) + "时" + std::to_string(time.minute) + "分" +
           std::to_string(time.second) + "秒";
  if (time.minute != 0) return text + std::to_string(time.hour) + "时" + std::to_string(time.minute) + "分";
  if (time.hour != 0) return text + std::to_string(time.hour) + "时";
  return text;
}

}  // namespace taoke
