#include "util/unescape.h"

#include <optional>

#include "util/charset.h"
#include "util/code_page.h"
#include "util/gbk_text.h"

namespace taoke {
namespace {

// CR LF pairs travel through the literal as this placeholder, apostrophes as the typographic
// apostrophe "’" (GBK A1 AF), so that neither can end the single-quoted literal.
constexpr std::string_view kLineBreakPlaceholder = "{$}";
constexpr std::string_view kTypographicApostrophe = "\xA1\xAF";

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// The value of `count` hex digits at `at`, or -1 when they are not all there.
int hexNumberAt(std::u16string_view units, std::size_t at, std::size_t count) {
  if (at + count > units.size()) return -1;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int digit = hexValue(units[at + i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

bool isLineTerminator(char16_t c) {
  return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

bool isOctalDigit(char16_t c) { return c >= u'0' && c <= u'7'; }

// The string that a single-quoted script literal with this body stands for; std::nullopt when the
// body is not valid: it holds an unescaped quote or line break, or ends in an unpaired backslash.
std::optional<std::u16string> readQuotedLiteralBody(std::u16string_view body) {
  std::u16string value;
  value.reserve(body.size());
  std::size_t at = 0;
  while (at < body.size()) {
    const char16_t c = body[at++];
    if (c == u'\'' || isLineTerminator(c)) return std::nullopt;
    if (c != u'\\') {
      value.push_back(c);
      continue;
    }
    if (at == body.size()) return std::nullopt;
    const char16_t escaped = body[at++];
    switch (escaped) {
      case u'b': value.push_back(u'\b'); break;
      case u'f': value.push_back(u'\f'); break;
      case u'n': value.push_back(u'\n'); break;
      case u'r': value.push_back(u'\r'); break;
      case u't': value.push_back(u'\t'); break;
      case u'v': value.push_back(u'\v'); break;
      case u'\r':  // a backslash before a line break continues the literal on the next line
        if (at < body.size() && body[at] == u'\n') ++at;
        break;
      case u'\n':
      case u'\u2028':
      case u'\u2029':
        break;
      case u'x':
      case u'u': {
        const std::size_t digits = escaped == u'x' ? 2 : 4;
        const int unit = hexNumberAt(body, at, digits);
        if (unit < 0) {
          value.push_back(escaped);
        } else {
          value.push_back(static_cast<char16_t>(unit));
          at += digits;
        }
        break;
      }
      default:
        if (isOctalDigit(escaped)) {
          // Up to three octal digits when the first is 0-3 (at most \377), else up to two.
          int unit = escaped - u'0';
          const std::size_t maxDigits = escaped <= u'3' ? 3 : 2;
          for (std::size_t digits = 1; digits < maxDigits && at < body.size() && isOctalDigit(body[at]);
               ++digits)
            unit = unit * 8 + (body[at++] - u'0');
          value.push_back(static_cast<char16_t>(unit));
        } else {
          value.push_back(escaped);
        }
    }
  }
  return value;
}

// The script function unescape(): %uXXXX gives that code unit, %XX the unit 00XX, anything else
// stays as it is.
std::u16string unescapePercentForms(std::u16string_view units) {
  std::u16string value;
  value.reserve(units.size());
  for (std::size_t at = 0; at < units.size(); ++at) {
    if (units[at] == u'%') {
      if (at + 1 < units.size() && units[at + 1] == u'u') {
        const int unit = hexNumberAt(units, at + 2, 4);
        if (unit >= 0) {
          value.push_back(static_cast<char16_t>(unit));
          at += 5;
          continue;
        }
      }
      const int unit = hexNumberAt(units, at + 1, 2);
      if (unit >= 0) {
        value.push_back(static_cast<char16_t>(unit));
        at += 2;
        continue;
      }
    }
    value.push_back(units[at]);
  }
  return value;
}

std::string resolveAsScriptLiteral(const std::string& prepared) {
  const std::optional<std::u16string> literal = readQuotedLiteralBody(gbkToUnits(prepared));
  if (!literal) return {};
  const std::u16string units = unescapePercentForms(*literal);
  return unitsToGbk(std::u16string_view(units).substr(0, units.find(u'\0')));
}

}  // namespace

std::string unescapeText(std::string_view text) {
  std::string prepared = replaceAll(text, "\r\n", kLineBreakPlaceholder);
  if (!prepared.empty() && prepared.front() == '\r') prepared.erase(0, 1);
  prepared = replaceAll(prepared, "\\u", "%u");
  prepared = replaceAll(prepared, "'", kTypographicApostrophe);

  std::string resolved = resolveAsScriptLiteral(prepared);
  if (resolved.empty()) resolved = decodeCharset(bytesOf(prepared), "unicode");

  resolved = replaceAll(resolved, kTypographicApostrophe, "'");
  return replaceAll(resolved, kLineBreakPlaceholder, "\r\n");
}

}  // namespace taoke
