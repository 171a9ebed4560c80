#include "web/url_parts.h"

#include "util/gbk_text.h"
#include "util/url_encoding.h"

namespace taoke {

namespace {

bool isPlainAscii(unsigned char byte) { return byte > 0x20 && byte < 0x7F; }

std::optional<int> portNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

}  // namespace

std::optional<UrlParts> splitUrl(std::string_view url) {
  UrlParts parts;
  std::string_view rest;
  if (startsWithText(url, "https://", true)) {
    parts.secure = true;
    parts.port = 443;
    rest = url.substr(8);
  } else if (startsWithText(url, "http://", true)) {
    rest = url.substr(7);
  } else {
    return std::nullopt;
  }

  const std::size_t authorityEnd = rest.find_first_of("/?#");
  std::string_view authority = rest.substr(0, authorityEnd);
  std::string_view target = authorityEnd == std::string_view::npos ? "" : rest.substr(authorityEnd);
  target = target.substr(0, target.find('#'));

  // User information before '@' is not part of the destination.
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) authority = authority.substr(at + 1);
  std::string_view host = authority;
  std::size_t portColon = std::string_view::npos;
  if (startsWithText(authority, "[")) {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = authority.substr(0, close + 1);
    if (close + 1 < authority.size()) {
      if (authority[close + 1] != ':') return std::nullopt;
      portColon = close + 1;
    }
  } else if (const std::size_t colon = authority.rfind(':'); colon != std::string_view::npos) {
    host = authority.substr(0, colon);
    portColon = colon;
  }
  if (portColon != std::string_view::npos) {
    const std::optional<int> port = portNumber(authority.substr(portColon + 1));
    if (!port) return std::nullopt;
    parts.port = *port;
  }
  if (host.empty()) return std::nullopt;
  for (unsigned char byte : host)
    if (!isPlainAscii(byte)) return std::nullopt;
  parts.host = std::string(host);

  if (target.empty()) {
    parts.target = "/";
  } else if (target.front() == '?') {
    parts.target = "/" + std::string(target);
  } else {
    parts.target = std::string(target);
  }
  return parts;
}

std::string wireTarget(std::string_view target) {
  std::string wire;
  for (std::size_t at = 0; at < target.size();) {
    const std::size_t length = gbkCharLength(target, at);
    const std::string_view character = target.substr(at, length);
    if (length == 1 && isPlainAscii(static_cast<unsigned char>(character[0]))) {
      wire += character;
    } else {
      wire += urlEncode(character, false, true);
    }
    at += length;
  }
  return wire;
}

}  // namespace taoke
