#include "util/json_stringify.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "util/code_page.h"

namespace taoke {
namespace {

using Json = nlohmann::ordered_json;

// The characters the serialiser writes as \uXXXX besides the other control characters.
bool needsUnitEscape(char16_t unit) {
  return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0xAD || (unit >= 0x600 && unit <= 0x604) ||
         unit == 0x70F || unit == 0x17B4 || unit == 0x17B5 || (unit >= 0x200C && unit <= 0x200F) ||
         (unit >= 0x2028 && unit <= 0x202F) || (unit >= 0x2060 && unit <= 0x206F) || unit == 0xFEFF ||
         unit >= 0xFFF0;
}

void appendAscii(std::u16string& out, std::string_view ascii) { out.append(ascii.begin(), ascii.end()); }

void appendQuoted(std::u16string& out, const std::string& utf8) {
  static constexpr char kHexDigits[] = "0123456789abcdef";
  out.push_back(u'"');
  for (char16_t unit : utf8ToUnits(utf8)) {
    switch (unit) {
      case u'"': appendAscii(out, "\\\""); break;
      case u'\\': appendAscii(out, "\\\\"); break;
      case u'\b': appendAscii(out, "\\b"); break;
      case u'\t': appendAscii(out, "\\t"); break;
      case u'\n': appendAscii(out, "\\n"); break;
      case u'\f': appendAscii(out, "\\f"); break;
      case u'\r': appendAscii(out, "\\r"); break;
      default:
        if (needsUnitEscape(unit)) {
          appendAscii(out, "\\u");
          for (int shift = 12; shift >= 0; shift -= 4) out.push_back(static_cast<char16_t>(kHexDigits[(unit >> shift) & 0x0F]));
        } else {
          out.push_back(unit);
        }
    }
  }
  out.push_back(u'"');
}

void appendValue(std::u16string& out, const Json& value) {
  switch (value.type()) {
    case Json::value_t::object: {
      out.push_back(u'{');
      bool first = true;
      for (const auto& [name, member] : value.items()) {
        if (member.is_discarded()) continue;
        if (!first) out.push_back(u',');
        first = false;
        appendQuoted(out, name);
        out.push_back(u':');
        appendValue(out, member);
      }
      out.push_back(u'}');
      break;
    }
    case Json::value_t::array: {
      out.push_back(u'[');
      for (std::size_t i = 0; i < value.size(); ++i) {
        if (i > 0) out.push_back(u',');
        appendValue(out, value[i]);
      }
      out.push_back(u']');
      break;
    }
    case Json::value_t::string: appendQuoted(out, value.get_ref<const std::string&>()); break;
    case Json::value_t::boolean: appendAscii(out, value.get<bool>() ? "true" : "false"); break;
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: appendAscii(out, scriptNumberText(value.get<double>())); break;
    default: appendAscii(out, "null"); break;  // null, and undefined inside an array
  }
}

}  // namespace

std::string scriptNumberText(double number) {
  if (!std::isfinite(number)) return "null";
  if (number == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::abs(number), std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // "d.ddde+x": the significant digits and the decimal exponent.
  const std::size_t e = scientific.find('e');
  std::string digits(1, scientific[0]);
  if (e > 1) digits.append(scientific.substr(2, e - 2));
  const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
  const int k = static_cast<int>(digits.size());
  const int n = exponent + 1;  // position of the decimal point after the first n digits

  std::string text = number < 0 ? "-" : "";
  if (k <= n && n <= 21) {
    text += digits + std::string(static_cast<std::size_t>(n - k), '0');
  } else if (0 < n && n <= 21) {
    text += digits.substr(0, static_cast<std::size_t>(n)) + "." + digits.substr(static_cast<std::size_t>(n));
  } else if (-6 < n && n <= 0) {
    text += "0." + std::string(static_cast<std::size_t>(-n), '0') + digits;
  } else {
    text += digits.substr(0, 1);
    if (k > 1) text += "." + digits.substr(1);
    text += (n - 1 >= 0 ? "e+" : "e-") + std::to_string(std::abs(n - 1));
  }
  return text;
}

std::u16string stringifyJson(const Json& value) {
  std::u16string out;
  if (!value.is_discarded()) appendValue(out, value);
  return out;
}

}  // namespace taoke
