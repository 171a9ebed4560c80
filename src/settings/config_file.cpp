#include "settings/config_file.h"

#include <limits>

#include "settings/private_profile.h"
#include "settings/run_directory.h"
#include "util/gbk_text.h"

namespace taoke {

std::string configFilePath() { return runDirectory() + "/淘客配置.ini"; }

std::string readConfigValue(std::string_view section, std::string_view key) {
  return readProfileString(configFilePath(), section, key);
}

void writeConfigValue(std::string_view section, std::string_view key, std::string_view value) {
  writeProfileString(configFilePath(), section, key, value);
}

std::vector<std::string> splitConfigList(std::string_view list) { return splitText(list, "#"); }

std::int64_t groupNumberOf(std::string_view entry) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::size_t at = 0;
  while (at < entry.size() && (entry[at] == ' ' || (entry[at] >= '\t' && entry[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < entry.size() && (entry[at] == '+' || entry[at] == '-')) negative = entry[at++] == '-';
  std::int64_t magnitude = 0;
  for (; at < entry.size() && entry[at] >= '0' && entry[at] <= '9'; ++at) {
    const int digit = entry[at] - '0';
    if (magnitude > (kMax - digit) / 10) return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
    magnitude = magnitude * 10 + digit;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace taoke
