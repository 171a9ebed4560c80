#include "util/json_script_reader.h"

#include "util/charset.h"

namespace taoke {
namespace {

bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void appendUnitEscape(std::string& out, unsigned value) {
  static constexpr char kHexDigits[] = "0123456789abcdef";
  out += "\\u00";
  out.push_back(kHexDigits[(value >> 4) & 0x0F]);
  out.push_back(kHexDigits[value & 0x0F]);
}

// Rewrites the script's string-literal forms into plain JSON and checks the nesting depth.
// `at` points just after the opening quote; on success it points just after the closing quote.
bool copyStringLiteral(std::string_view text, std::size_t& at, std::string& out) {
  out.push_back('"');
  while (at < text.size()) {
    const char c = text[at++];
    if (c == '"') {
      out.push_back('"');
      return true;
    }
    if (c == '\n' || c == '\r') return false;
    if (static_cast<unsigned char>(c) < 0x20) {
      appendUnitEscape(out, static_cast<unsigned char>(c));
      continue;
    }
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (at == text.size()) return false;
    const char escaped = text[at++];
    switch (escaped) {
      case '"': case '\\': case '/': case 'b': case 'f': case 'n': case 'r': case 't': case 'u':
        out.push_back('\\');
        out.push_back(escaped);
        break;
      case 'v':
        appendUnitEscape(out, 0x0B);
        break;
      case '\r':  // a backslash before a line break continues the literal
        if (at < text.size() && text[at] == '\n') ++at;
        break;
      case '\n':
        break;
      case 'x':
        if (at + 1 < text.size() && hexValue(text[at]) >= 0 && hexValue(text[at + 1]) >= 0) {
          appendUnitEscape(out, static_cast<unsigned>(hexValue(text[at]) * 16 + hexValue(text[at + 1])));
          at += 2;
        } else {
          out.push_back('x');
        }
        break;
      default:
        if (isOctalDigit(escaped)) {
          unsigned value = static_cast<unsigned>(escaped - '0');
          const std::size_t maxDigits = escaped <= '3' ? 3 : 2;
          for (std::size_t digits = 1; digits < maxDigits && at < text.size() && isOctalDigit(text[at]); ++digits)
            value = value * 8 + static_cast<unsigned>(text[at++] - '0');
          appendUnitEscape(out, value);
        } else {
          out.push_back(escaped);  // any other escaped character stands for itself
        }
    }
  }
  return false;
}

std::optional<std::string> toPlainJson(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  int depth = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at++];
    if (c == '"') {
      if (!copyStringLiteral(text, at, out)) return std::nullopt;
      continue;
    }
    if (c == '{' || c == '[') {
      if (++depth > kDeepestJsonNesting) return std::nullopt;
    } else if (c == '}' || c == ']') {
      --depth;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace

std::optional<nlohmann::ordered_json> readScriptJson(std::string_view gbkText) {
  if (gbkText.size() > kLargestJsonText) return std::nullopt;
  const std::string utf8 = gbkToUtf8(gbkText);
  if (utf8.find_first_not_of(" \t\n\r") == std::string::npos)
    return nlohmann::ordered_json(nlohmann::ordered_json::value_t::discarded);
  const std::optional<std::string> plain = toPlainJson(utf8);
  if (!plain) return std::nullopt;
  nlohmann::ordered_json value = nlohmann::ordered_json::parse(*plain, nullptr, false);
  if (value.is_discarded()) return std::nullopt;
  return value;
}

}  // namespace taoke
