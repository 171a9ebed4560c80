#include "web/connect_to.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "util/gbk_text.h"

namespace taoke {

namespace {

constexpr std::size_t maxRules = 64;
constexpr std::size_t maxTextBytes = 8192;

bool isValidPort(std::string_view port) {
  if (port.empty()) return true;
  if (port.size() > 5) return false;
  int value = 0;
  for (char c : port) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= 65535;
}

bool isValidHost(std::string_view host) {
  for (unsigned char byte : host)
    if (byte <= 0x20 || byte >= 0x7F) return false;
  return true;
}

// One field from `at`: a bracketed IPv6 address or the text up to the next ':'.
std::optional<std::string> takeField(std::string_view entry, std::size_t& at) {
  std::size_t end;
  if (at < entry.size() && entry[at] == '[') {
    end = entry.find(']', at);
    if (end == std::string_view::npos) return std::nullopt;
    ++end;
  } else {
    end = std::min(entry.find(':', at), entry.size());
  }
  std::string field(entry.substr(at, end - at));
  at = end;
  return field;
}

std::optional<ConnectToRule> parseRule(std::string_view entry) {
  std::string fields[4];
  std::size_t at = 0;
  for (int index = 0; index < 4; ++index) {
    std::optional<std::string> field = takeField(entry, at);
    if (!field) return std::nullopt;
    fields[index] = std::move(*field);
    if (index < 3) {
      if (at >= entry.size() || entry[at] != ':') return std::nullopt;
      ++at;
    }
  }
  if (at != entry.size()) return std::nullopt;
  ConnectToRule rule{fields[0], fields[1], fields[2], fields[3]};
  if (!isValidHost(rule.host) || !isValidHost(rule.connectHost) || !isValidPort(rule.port) ||
      !isValidPort(rule.connectPort)) {
    return std::nullopt;
  }
  return rule;
}

}  // namespace

std::vector<ConnectToRule> parseConnectTo(std::string_view text) {
  std::vector<ConnectToRule> rules;
  if (text.size() > maxTextBytes) return rules;
  for (const std::string& item : splitText(text, ",")) {
    if (rules.size() == maxRules) break;
    const std::string entry = trimText(item);
    if (entry.empty()) continue;
    if (std::optional<ConnectToRule> rule = parseRule(entry)) rules.push_back(std::move(*rule));
  }
  return rules;
}

std::vector<ConnectToRule> connectToRulesFromEnvironment() {
  const char* text = std::getenv("TAOKE_CONNECT_TO");
  return text == nullptr ? std::vector<ConnectToRule>() : parseConnectTo(text);
}

std::string connectToText(const ConnectToRule& rule) {
  return rule.host + ":" + rule.port + ":" + rule.connectHost + ":" + rule.connectPort;
}

}  // namespace taoke
