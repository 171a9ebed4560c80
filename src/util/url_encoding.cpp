#include "util/url_encoding.h"

#include "util/charset.h"

namespace taoke {
namespace {

bool isUnreserved(unsigned char byte) {
  return byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z');
}

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string urlEncode(std::string_view text, bool keepUnreserved, bool utf8) {
  if (text.empty()) return {};
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  const std::string bytes = utf8 ? gbkToUtf8(text) : std::string(text);
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (keepUnreserved && isUnreserved(byte)) {
      encoded.push_back(c);
    } else {
      encoded.push_back('%');
      encoded.push_back(kHexDigits[byte >> 4]);
      encoded.push_back(kHexDigits[byte & 0x0F]);
    }
  }
  return encoded;
}

std::string urlDecode(std::string_view text, bool utf8) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool escaped = text[at] == '%' && at + 2 < text.size() &&
                         hexDigitValue(text[at + 1]) >= 0 && hexDigitValue(text[at + 2]) >= 0;
    if (!escaped) {
      if (text[at] == '\0') break;
      decoded.push_back(text[at]);
      continue;
    }
    const int value = hexDigitValue(text[at + 1]) * 16 + hexDigitValue(text[at + 2]);
    if (value == 0) break;
    decoded.push_back(static_cast<char>(value));
    at += 2;
  }
  return utf8 ? utf8ToGbk(decoded) : decoded;
}

}  // namespace taoke
