#include "util/json_path.h"

namespace taoke {
namespace {

constexpr std::size_t kLongestArrayPosition = 9;  // digits; keeps positions far from overflow

bool isIdentifierStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool isIdentifierPart(char c) { return isIdentifierStart(c) || (c >= '0' && c <= '9'); }

std::size_t identifierEnd(std::string_view path, std::size_t at) {
  if (at >= path.size() || !isIdentifierStart(path[at])) return at;
  while (at < path.size() && isIdentifierPart(path[at])) ++at;
  return at;
}

JsonPathStep stepFor(std::string key) {
  JsonPathStep step{std::move(key), std::nullopt};
  const std::string& k = step.key;
  const bool digitsOnly = !k.empty() && k.find_first_not_of("0123456789") == std::string::npos;
  if (digitsOnly && k.size() <= kLongestArrayPosition && (k.size() == 1 || k[0] != '0'))
    step.index = std::stoul(k);
  return step;
}

}  // namespace

std::optional<std::vector<JsonPathStep>> parseJsonPath(std::string_view path, std::string_view rootName) {
  const std::size_t rootEnd = identifierEnd(path, 0);
  if (path.substr(0, rootEnd) != rootName) return std::nullopt;
  std::vector<JsonPathStep> steps;
  std::size_t at = rootEnd;
  while (at < path.size()) {
    if (path[at] == '.') {
      const std::size_t end = identifierEnd(path, at + 1);
      if (end == at + 1) return std::nullopt;
      steps.push_back(stepFor(std::string(path.substr(at + 1, end - at - 1))));
      at = end;
      continue;
    }
    if (path[at] != '[' || at + 1 >= path.size()) return std::nullopt;
    const char open = path[at + 1];
    if (open == '"' || open == '\'') {
      const std::size_t close = path.find(open, at + 2);
      if (close == std::string_view::npos || close + 1 >= path.size() || path[close + 1] != ']')
        return std::nullopt;
      steps.push_back(stepFor(std::string(path.substr(at + 2, close - at - 2))));
      at = close + 2;
      continue;
    }
    const std::size_t close = path.find(']', at + 1);
    if (close == std::string_view::npos) return std::nullopt;
    JsonPathStep step = stepFor(std::string(path.substr(at + 1, close - at - 1)));
    if (!step.index) return std::nullopt;  // only array positions appear unquoted in brackets
    steps.push_back(std::move(step));
    at = close + 1;
  }
  return steps;
}

}  // namespace taoke
