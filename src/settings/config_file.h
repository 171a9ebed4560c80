// The configuration file 淘客配置.ini in the plug-in's run directory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taoke {

// The run directory followed by "/淘客配置.ini", built afresh for every read and write.
std::string configFilePath();

// The value, at most 10,239 bytes; "" when the file, section or key is missing.
std::string readConfigValue(std::string_view section, std::string_view key);
// Writes the key with the value into the section (an empty value keeps the key with nothing after
// "="). Failures are not reported.
void writeConfigValue(std::string_view section, std::string_view key, std::string_view value);

// Splits a "#"-terminated configuration list (a#b# and a#b both give a and b).
std::vector<std::string> splitConfigList(std::string_view list);

// A group number of a configuration list as a 64-bit number: leading white space skipped, an
// optional sign, the digits up to the first non-digit; no digits give 0, and too many digits stop
// at the type's limit.
std::int64_t groupNumberOf(std::string_view entry);

}  // namespace taoke
