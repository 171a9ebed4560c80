// Code-page conversion on the Windows code-page functions (936 for GBK, 65001 for UTF-8), and
// named charsets through the byte-stream object "Adodb.Stream".
#include "util/code_page.h"

#include <windows.h>

#include <climits>

#include "util/com_object_win.h"
#include "util/gbk_text.h"

namespace taoke {
namespace {

constexpr UINT kGbkCodePage = 936;
constexpr UINT kUtf8CodePage = CP_UTF8;

// Longer inputs are refused rather than truncated: the length parameters are ints.
bool fitsInt(std::size_t length) { return length <= static_cast<std::size_t>(INT_MAX / 4); }

bool isGbkLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

bool isGbkTrailByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return (value >= 0x40 && value <= 0x7E) || (value >= 0x80 && value <= 0xFE);
}

// The well-formed UTF-8 sequences a lead byte starts: their length (0 for a byte that starts
// none), the bits of the lead byte that carry the code point, and the range of the second byte,
// which rules out overlong forms, surrogates and values past U+10FFFF.
struct Utf8Lead {
  std::size_t length;
  unsigned char payloadMask;
  unsigned char secondLow;
  unsigned char secondHigh;
};

Utf8Lead utf8LeadShape(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x1F, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0x0F, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x0F, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x0F, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x07, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x07, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x07, 0x80, 0x8F};
  return {0, 0, 0, 0};
}

// Unassigned byte pairs become the code page's default character, '?'.
std::u16string bytesToUnits(UINT codePage, std::string_view bytes) {
  if (bytes.empty() || !fitsInt(bytes.size())) return {};
  const int inputLength = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), inputLength, nullptr, 0);
  if (length <= 0) return {};
  std::u16string units(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), inputLength, reinterpret_cast<wchar_t*>(units.data()),
                      length);
  return units;
}

std::string unitsToBytes(UINT codePage, DWORD flags, std::u16string_view units) {
  if (units.empty() || !fitsInt(units.size())) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
  const int inputLength = static_cast<int>(units.size());
  // A double-byte code page reads the default character as a string: it must end in NUL.
  const char* defaultChar = codePage != kUtf8CodePage ? "?" : nullptr;
  const int length = WideCharToMultiByte(codePage, flags, wide, inputLength, nullptr, 0, defaultChar, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  const int written =
      WideCharToMultiByte(codePage, flags, wide, inputLength, bytes.data(), length, defaultChar, nullptr);
  bytes.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return bytes;
}

// Unpaired surrogates become '?' before the UTF-8 conversion, which would write U+FFFD.
std::u16string withoutLoneSurrogates(std::u16string_view units) {
  std::u16string out(units);
  for (std::size_t at = 0; at < out.size(); ++at) {
    const char16_t unit = out[at];
    const bool lead = unit >= 0xD800 && unit <= 0xDBFF;
    const bool trail = unit >= 0xDC00 && unit <= 0xDFFF;
    if (lead && at + 1 < out.size() && out[at + 1] >= 0xDC00 && out[at + 1] <= 0xDFFF) {
      ++at;
    } else if (lead || trail) {
      out[at] = u'?';
    }
  }
  return out;
}

constexpr std::size_t kLongestCharsetName = 64;

// The byte-stream object reads the bytes back as text in the named charset: raw type, read-write
// mode, open, write, rewind, text type, charset, read, close. std::nullopt when the object is
// missing or refuses the name.
std::optional<std::u16string> readWithByteStream(std::string_view bytes, std::u16string_view charsetName) {
  ComApartment apartment;
  ComObject stream = ComObject::create(L"Adodb.Stream");
  if (!stream) return std::nullopt;
  Variant rawType(1L), readWrite(3L), data(ByteArray{bytes}), start(0L), textType(2L), charset(charsetName);
  Variant text;
  const bool read = stream.put(L"Type", rawType) && stream.put(L"Mode", readWrite) && stream.call(L"Open", {}) &&
                    stream.call(L"Write", {&data}) && stream.put(L"Position", start) &&
                    stream.put(L"Type", textType) && stream.put(L"Charset", charset) &&
                    stream.call(L"ReadText", {}, &text);
  stream.call(L"Close", {});
  if (!read) return std::nullopt;
  return text.asText().value_or(std::u16string());
}

struct NamedCodePage {
  const char* name;
  UINT codePage;
};

// Where the byte-stream object is missing (Wine has none that reads charsets), the common web
// charset names are decoded with the code-page functions.
constexpr NamedCodePage kNamedCodePages[] = {
    {"utf-8", CP_UTF8},      {"utf8", CP_UTF8},        {"gbk", 936},           {"gb2312", 936},
    {"cp936", 936},          {"gb18030", 54936},       {"big5", 950},          {"shift_jis", 932},
    {"euc-jp", 20932},       {"euc-kr", 949},          {"iso-8859-1", 28591},  {"us-ascii", 20127},
    {"windows-1252", 1252},  {"windows-1251", 1251},   {"koi8-r", 20866},
};

std::optional<std::u16string> readWithCodePage(std::string_view bytes, std::string_view charsetName) {
  if (equalsText(charsetName, "unicode", true) || equalsText(charsetName, "utf-16le", true)) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t at = 0; at < units.size(); ++at) {
      units[at] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * at]) |
                                        static_cast<unsigned char>(bytes[2 * at + 1]) << 8);
    }
    // A final odd byte is half a character.
    if (bytes.size() % 2 != 0) units.push_back(u'?');
    return units;
  }
  for (const NamedCodePage& named : kNamedCodePages) {
    if (equalsText(charsetName, named.name, true)) return bytesToUnits(named.codePage, bytes);
  }
  return std::nullopt;
}

}  // namespace

std::u16string gbkToUnits(std::string_view gbk) {
  // A lead byte without a valid trail byte becomes '?' on its own, so the byte after it (a line
  // feed, say) is kept rather than swallowed into a broken pair.
  std::string checked(gbk);
  for (std::size_t at = 0; at < checked.size(); ++at) {
    if (!isGbkLeadByte(checked[at])) continue;
    if (at + 1 < checked.size() && isGbkTrailByte(checked[at + 1])) {
      ++at;
    } else {
      checked[at] = '?';
    }
  }
  return bytesToUnits(kGbkCodePage, checked);
}

std::string unitsToGbk(std::u16string_view units) {
  // The composite check puts a base character and its combining marks together where a
  // precomposed form exists; no best fit, so a character GBK lacks becomes '?' instead of a
  // look-alike (U+00A5 would otherwise become the full-width yen sign).
  return unitsToBytes(kGbkCodePage, WC_COMPOSITECHECK | WC_DEFAULTCHAR | WC_NO_BEST_FIT_CHARS,
                      withoutLoneSurrogates(units));
}

std::u16string utf8ToUnits(std::string_view utf8) {
  // Decoded here rather than by the code-page functions, whose handling of malformed sequences
  // differs between systems: each maximal malformed part becomes one '?'.
  std::u16string units;
  units.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
      units.push_back(lead);
      ++at;
      continue;
    }
    const Utf8Lead shape = utf8LeadShape(lead);
    char32_t codePoint = lead & shape.payloadMask;
    std::size_t taken = 1;
    for (; shape.length > 0 && taken < shape.length && at + taken < utf8.size(); ++taken) {
      const auto next = static_cast<unsigned char>(utf8[at + taken]);
      const unsigned char low = taken == 1 ? shape.secondLow : 0x80;
      const unsigned char high = taken == 1 ? shape.secondHigh : 0xBF;
      if (next < low || next > high) break;
      codePoint = codePoint << 6 | (next & 0x3F);
    }
    if (shape.length == 0 || taken < shape.length) {
      units.push_back(u'?');
      at += taken;
      continue;
    }
    at += taken;
    if (codePoint < 0x10000) {
      units.push_back(static_cast<char16_t>(codePoint));
    } else {
      units.push_back(static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
    }
  }
  return units;
}

std::string unitsToUtf8(std::u16string_view units) {
  return unitsToBytes(kUtf8CodePage, 0, withoutLoneSurrogates(units));
}

std::optional<std::u16string> charsetToUnits(std::string_view bytes, std::string_view charsetName) {
  if (charsetName.empty() || charsetName.size() > kLongestCharsetName || !fitsInt(bytes.size())) {
    return std::nullopt;
  }
  std::optional<std::u16string> units = readWithByteStream(bytes, gbkToUnits(charsetName));
  if (!units) units = readWithCodePage(bytes, charsetName);
  if (units && !units->empty() && units->front() == u'\uFEFF') units->erase(0, 1);
  return units;
}

}  // namespace taoke
