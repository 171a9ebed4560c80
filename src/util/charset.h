// Conversions between the plug-in's GBK texts and UTF-16 / UTF-8, and decoding of named charsets.
//
// UTF-16 data is little-endian code units in a Bytes value. A text ends at its first zero byte or
// zero code unit, so every GBK result is free of zero bytes. Characters GBK lacks and malformed
// input become '?'.
#pragma once

#include <string>
#include <string_view>

#include "util/gbk_text.h"

namespace taoke {

// The UTF-16LE form of the text plus one zero code unit (unless `noTerminator`); "" gives no bytes.
Bytes gbkToUtf16(std::string_view text, bool noTerminator = false);

// The code units up to the first zero unit (or the end) as GBK; an odd final byte is ignored.
std::string utf16ToGbk(const Bytes& utf16);

// The UTF-8 bytes of the text's characters, carried in a std::string.
std::string gbkToUtf8(std::string_view text);

// A std::string holding UTF-8 bytes, as GBK text.
std::string utf8ToGbk(std::string_view utf8);

// Bytes holding UTF-8, as GBK text.
std::string utf8BytesToGbk(const Bytes& utf8);

// Bytes in the named charset ("utf-8", "big5", "unicode" = UTF-16LE, ...) as GBK text. A name the
// converter does not know gives the bytes read as GBK text.
std::string decodeCharset(const Bytes& bytes, std::string_view charsetName);

}  // namespace taoke
