// One recorded host call as a text line: function TAB name=value ..., numbers in decimal, texts
// quoted with \\ \" \t \r \n and \xHH escapes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taoke::devhost {

// The parameter names of a stringified parameter list such as "(int32_t authCode, int64_t robot)".
std::vector<std::string> parameterNames(std::string_view parameterList);

std::string quoteText(std::string_view text);

class CallLine {
 public:
  explicit CallLine(std::string_view function) : line_(function) {}
  void add(const std::string& name, std::int64_t number);
  void add(const std::string& name, const char* text);
  const std::string& text() const { return line_; }

 private:
  std::string line_;
};

}  // namespace taoke::devhost
