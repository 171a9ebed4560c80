#include "util/charset.h"

#include "util/code_page.h"

namespace taoke {
namespace {

std::string_view upToFirstZeroByte(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::u16string_view upToFirstZeroUnit(std::u16string_view units) {
  return units.substr(0, units.find(u'\0'));
}

std::string unitsToText(std::u16string_view units) { return unitsToGbk(upToFirstZeroUnit(units)); }

std::u16string unitsOfUtf16Bytes(const Bytes& utf16) {
  std::u16string units(utf16.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(utf16[2 * i] | (utf16[2 * i + 1] << 8));
  return units;
}

}  // namespace

Bytes gbkToUtf16(std::string_view text, bool noTerminator) {
  const std::u16string units = gbkToUnits(upToFirstZeroByte(text));
  if (units.empty()) return {};
  Bytes utf16;
  utf16.reserve(units.size() * 2 + 2);
  for (char16_t unit : units) {
    utf16.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    utf16.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  if (!noTerminator) utf16.insert(utf16.end(), {0, 0});
  return utf16;
}

std::string utf16ToGbk(const Bytes& utf16) { return unitsToText(unitsOfUtf16Bytes(utf16)); }

std::string gbkToUtf8(std::string_view text) {
  return unitsToUtf8(gbkToUnits(upToFirstZeroByte(text)));
}

std::string utf8ToGbk(std::string_view utf8) { return unitsToText(utf8ToUnits(utf8)); }

std::string utf8BytesToGbk(const Bytes& utf8) {
  return utf8ToGbk(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::string decodeCharset(const Bytes& bytes, std::string_view charsetName) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::optional<std::u16string> units = charsetToUnits(raw, charsetName);
  if (!units) return std::string(upToFirstZeroByte(raw));
  return unitsToText(*units);
}

}  // namespace taoke
