// The configuration file 淘客配置.ini in the plug-in's run directory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taoke {

std::string readConfigValue(std::string_view section, std::string_view key);
void writeConfigValue(std::string_view section, std::string_view key, std::string_view value);

// Splits a "#"-terminated configuration list (a#b# and a#b both give a and b).
std::vector<std::string> splitConfigList(std::string_view list);

}  // namespace taoke
