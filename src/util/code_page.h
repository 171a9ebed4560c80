// Code-page conversion service: the plug-in's GBK texts (code page 936) to and from UTF-16 and
// UTF-8, and bytes in a named character set to UTF-16. One implementation per platform.
//
// Malformed input and characters a target lacks become '?' (U+003F), as the Windows code-page
// functions do, so a conversion never fails; it only loses what cannot be carried over.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taoke {

// GBK bytes to UTF-16 code units. A lead byte without a valid trail byte gives '?'.
std::u16string gbkToUnits(std::string_view gbk);

// UTF-16 code units to GBK bytes. A base character followed by combining marks is first replaced
// by its precomposed form where one exists; what GBK lacks (and unpaired surrogates) gives '?'.
std::string unitsToGbk(std::u16string_view units);

// UTF-8 bytes to UTF-16 code units; each malformed sequence gives '?'.
std::u16string utf8ToUnits(std::string_view utf8);

// UTF-16 code units to UTF-8 bytes; unpaired surrogates give '?'.
std::string unitsToUtf8(std::u16string_view units);

// Bytes in the named character set to UTF-16 code units; std::nullopt when the name is unknown.
// A leading byte-order mark is not part of the text.
std::optional<std::u16string> charsetToUnits(std::string_view bytes, std::string_view charsetName);

}  // namespace taoke
