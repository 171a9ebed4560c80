#include "util/base64.h"

#include <algorithm>

namespace taoke {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextetOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

bool isSkippedSpace(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

}  // namespace

std::string base64Encode(const Bytes& bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t at = 0; at < bytes.size(); at += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
    std::uint32_t group = static_cast<std::uint32_t>(bytes[at]) << 16;
    if (count > 1) group |= static_cast<std::uint32_t>(bytes[at + 1]) << 8;
    if (count > 2) group |= bytes[at + 2];
    text.push_back(kAlphabet[(group >> 18) & 0x3F]);
    text.push_back(kAlphabet[(group >> 12) & 0x3F]);
    text.push_back(count > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=');
    text.push_back(count > 2 ? kAlphabet[group & 0x3F] : '=');
  }
  return text;
}

std::optional<Bytes> base64Decode(std::string_view text) {
  Bytes bytes;
  bytes.reserve(text.size() / 4 * 3 + 3);
  std::uint32_t group = 0;
  int sextets = 0;
  int padding = 0;
  for (char c : text) {
    if (isSkippedSpace(c)) continue;
    if (c == '=') {
      ++padding;
      continue;
    }
    const int sextet = sextetOf(c);
    if (sextet < 0 || padding > 0) return std::nullopt;  // foreign character, or data after "="
    group = (group << 6) | static_cast<std::uint32_t>(sextet);
    if (++sextets == 4) {
      bytes.push_back(static_cast<std::uint8_t>(group >> 16));
      bytes.push_back(static_cast<std::uint8_t>(group >> 8));
      bytes.push_back(static_cast<std::uint8_t>(group));
      group = 0;
      sextets = 0;
    }
  }
  // What remains is a final group of 2 or 3 characters, padded to 4 or not padded at all.
  if (sextets == 1) return std::nullopt;
  if (padding > 0 && (sextets == 0 || sextets + padding != 4)) return std::nullopt;
  if (sextets == 2) {
    bytes.push_back(static_cast<std::uint8_t>(group >> 4));
  } else if (sextets == 3) {
    bytes.push_back(static_cast<std::uint8_t>(group >> 10));
    bytes.push_back(static_cast<std::uint8_t>(group >> 2));
  }
  return bytes;
}

}  // namespace taoke
