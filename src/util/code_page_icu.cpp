// Code-page conversion on ICU. GBK is ICU's "windows-936-2000", the Windows code page 936 table.
#include "util/code_page.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <memory>
#include <type_traits>

#include "util/gbk_text.h"

namespace taoke {
namespace {

constexpr const char* kGbkConverterName = "windows-936-2000";
constexpr std::size_t kLongestCharsetName = 64;

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Malformed or unassigned input bytes become one '?' each, as the Windows conversion does.
void questionMarkToUnicode(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                           UConverterCallbackReason reason, UErrorCode* status) {
  if (reason > UCNV_IRREGULAR) return;
  *status = U_ZERO_ERROR;
  const UChar questionMark = u'?';
  ucnv_cbToUWriteUChars(args, &questionMark, 1, 0, status);
}

Converter openConverter(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(name, &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setToUCallBack(converter.get(), questionMarkToUnicode, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

std::u16string toUnits(UConverter* converter, std::string_view bytes) {
  if (bytes.empty()) return {};
  std::u16string units(bytes.size() + 1, u'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(converter);
    const int32_t length =
        ucnv_toUChars(converter, units.data(), static_cast<int32_t>(units.size()), bytes.data(),
                      static_cast<int32_t>(bytes.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      units.assign(static_cast<std::size_t>(length) + 1, u'\0');
      continue;
    }
    if (U_FAILURE(status)) return {};
    units.resize(static_cast<std::size_t>(length));
    return units;
  }
  return {};
}

// Replaces each base character followed by combining marks by its precomposed form where the
// Unicode composition tables have one (the Windows "composite check").
std::u16string composeCombiningMarks(std::u16string_view units) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  if (U_FAILURE(status)) return std::u16string(units);
  std::u16string out;
  out.reserve(units.size());
  UChar32 pending = U_SENTINEL;
  auto flush = [&out, &pending] {
    if (pending == U_SENTINEL) return;
    if (U_IS_BMP(pending)) {
      out.push_back(static_cast<char16_t>(pending));
    } else {
      out.push_back(static_cast<char16_t>(U16_LEAD(pending)));
      out.push_back(static_cast<char16_t>(U16_TRAIL(pending)));
    }
    pending = U_SENTINEL;
  };
  const int32_t length = static_cast<int32_t>(units.size());
  for (int32_t at = 0; at < length;) {
    UChar32 codePoint;
    U16_NEXT(units.data(), at, length, codePoint);
    if (pending != U_SENTINEL && u_getCombiningClass(codePoint) > 0) {
      const UChar32 composite = unorm2_composePair(nfc, pending, codePoint);
      if (composite >= 0) {
        pending = composite;
        continue;
      }
    }
    flush();
    pending = codePoint;
  }
  flush();
  return out;
}

// ASCII is the same in GBK and UTF-16, so most texts of links and tokens need no converter.
template <typename Text>
bool isAscii(const Text& text) {
  for (auto c : text)
    if (static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<decltype(c)>>(c)) >= 0x80) return false;
  return true;
}

}  // namespace

std::u16string gbkToUnits(std::string_view gbk) {
  if (isAscii(gbk)) return std::u16string(gbk.begin(), gbk.end());
  Converter converter = openConverter(kGbkConverterName);
  if (!converter) return {};
  return toUnits(converter.get(), gbk);
}

std::string unitsToGbk(std::u16string_view units) {
  if (isAscii(units)) return std::string(units.begin(), units.end());
  Converter converter = openConverter(kGbkConverterName);
  if (!converter) return {};
  UErrorCode substitutionStatus = U_ZERO_ERROR;
  ucnv_setSubstChars(converter.get(), "?", 1, &substitutionStatus);
  if (U_FAILURE(substitutionStatus)) return {};
  const std::u16string composed = composeCombiningMarks(units);
  std::string gbk(composed.size() * 2 + 1, '\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(converter.get());
    const int32_t length =
        ucnv_fromUChars(converter.get(), gbk.data(), static_cast<int32_t>(gbk.size()),
                        composed.data(), static_cast<int32_t>(composed.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      gbk.assign(static_cast<std::size_t>(length) + 1, '\0');
      continue;
    }
    if (U_FAILURE(status)) return {};
    gbk.resize(static_cast<std::size_t>(length));
    return gbk;
  }
  return {};
}

std::u16string utf8ToUnits(std::string_view utf8) {
  if (utf8.empty()) return {};
  std::u16string units(utf8.size(), u'\0');
  int32_t length = 0;
  int32_t substitutions = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(units.data(), static_cast<int32_t>(units.size()), &length, utf8.data(),
                       static_cast<int32_t>(utf8.size()), u'?', &substitutions, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  units.resize(static_cast<std::size_t>(length));
  return units;
}

std::string unitsToUtf8(std::u16string_view units) {
  if (units.empty()) return {};
  std::string utf8(units.size() * 3, '\0');
  int32_t length = 0;
  int32_t substitutions = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(utf8.data(), static_cast<int32_t>(utf8.size()), &length, units.data(),
                     static_cast<int32_t>(units.size()), u'?', &substitutions, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  utf8.resize(static_cast<std::size_t>(length));
  return utf8;
}

std::optional<std::u16string> charsetToUnits(std::string_view bytes, std::string_view charsetName) {
  if (charsetName.empty() || charsetName.size() > kLongestCharsetName) return std::nullopt;
  // "unicode" is the Windows name of UTF-16LE; the GB names are all code page 936 there.
  std::string icuName(charsetName);
  if (equalsText(charsetName, "unicode", true)) {
    icuName = "UTF-16LE";
  } else if (equalsText(charsetName, "gbk", true) || equalsText(charsetName, "gb2312", true) ||
             equalsText(charsetName, "cp936", true)) {
    icuName = kGbkConverterName;
  }
  Converter converter = openConverter(icuName.c_str());
  if (!converter) return std::nullopt;
  std::u16string units = toUnits(converter.get(), bytes);
  if (!units.empty() && units.front() == u'\uFEFF') units.erase(0, 1);
  return units;
}

}  // namespace taoke
