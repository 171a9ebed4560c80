#include "call_line.h"

#include <cstdio>

#include "util/gbk_text.h"

namespace taoke::devhost {

std::vector<std::string> parameterNames(std::string_view parameterList) {
  std::string_view inner = parameterList;
  if (!inner.empty() && inner.front() == '(') inner.remove_prefix(1);
  if (!inner.empty() && inner.back() == ')') inner.remove_suffix(1);
  std::vector<std::string> names;
  for (const std::string& parameter : splitText(inner, ",")) {
    const std::string declaration = trimText(parameter);
    const int lastSpace = findLastText(declaration, " ", declaration.size());
    std::string name = lastSpace < 0 ? declaration : declaration.substr(static_cast<std::size_t>(lastSpace));
    names.push_back(replaceAll(name, "*", ""));
  }
  return names;
}

std::string quoteText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    switch (c) {
      case '\\': quoted += "\\\\"; break;
      case '"': quoted += "\\\""; break;
      case '\t': quoted += "\\t"; break;
      case '\r': quoted += "\\r"; break;
      case '\n': quoted += "\\n"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[5];
          std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
          quoted += escape;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

void CallLine::add(const std::string& name, std::int64_t number) {
  line_ += "\t" + name + "=" + std::to_string(number);
}

void CallLine::add(const std::string& name, const char* text) {
  line_ += "\t" + name + "=" + (text ? quoteText(text) : std::string("null"));
}

}  // namespace taoke::devhost
