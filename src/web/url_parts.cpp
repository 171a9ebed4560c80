#include "web/url_parts.h"

#include <algorithm>

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

  // The authority ends at the first '/', '?' or '#'.
  std::size_t authorityEnd = rest.size();
  for (std::string_view mark : {"/", "?", "#"}) {
    const int at = findText(rest, mark);
    if (at > 0) authorityEnd = std::min(authorityEnd, static_cast<std::size_t>(at - 1));
  }
  std::string_view authority = rest.substr(0, authorityEnd);
  std::string_view target = rest.substr(authorityEnd);
  if (const int fragment = findText(target, "#"); fragment > 0) target = target.substr(0, fragment - 1);

  // User information before '@' is not part of the destination.
  if (const int at = findLastText(authority, "@", authority.size()); at > 0) authority = authority.substr(at);
  std::string_view host = authority;
  std::size_t portColon = std::string_view::npos;
  if (startsWithText(authority, "[")) {
    const int close = findText(authority, "]");
    if (close < 1) return std::nullopt;
    host = authority.substr(0, close);
    if (static_cast<std::size_t>(close) < authority.size()) {
      if (authority[close] != ':') return std::nullopt;
      portColon = close;
    }
  } else if (const int colon = findLastText(authority, ":", authority.size()); colon > 0) {
    host = authority.substr(0, colon - 1);
    portColon = colon - 1;
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
