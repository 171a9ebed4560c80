// GBK text helpers: every search, split, trim, case fold and replacement of the plug-in goes
// through these, so that no search ever matches from the second byte of a double-byte character.
//
// Text is GBK bytes in a std::string. Positions are 1-based byte positions; a failed search gives -1.
// A lead byte (0x81-0xFE) followed by any byte forms one double-byte character; a lead byte at the
// very end of a text stands alone. Case folding touches the ASCII letters A-Z / a-z only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taoke {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text);
std::string textOf(const Bytes& bytes);

bool isGbkLeadByte(unsigned char byte);

// Byte length of the character that starts at index `at` (0-based): 2 for a double-byte character, else 1.
std::size_t gbkCharLength(std::string_view text, std::size_t at);

char foldAsciiChar(char c);
std::string foldAscii(std::string_view text);  // ASCII letters to lower case
std::string upperAscii(std::string_view text); // ASCII letters to upper case
bool equalsText(std::string_view a, std::string_view b, bool ignoreCase = false);

// First occurrence of `needle` starting at a character boundary at or after position `start`
// (0 and 1 both mean the first byte). An empty needle is never found.
int findText(std::string_view text, std::string_view needle, int start = 1, bool ignoreCase = false);

// Last occurrence of `needle` that starts at a character boundary and lies entirely within the
// first `withinBytes` bytes of the text.
int findLastText(std::string_view text, std::string_view needle, std::size_t withinBytes,
                 bool ignoreCase = false);

bool containsText(std::string_view text, std::string_view needle, bool ignoreCase = false);
bool startsWithText(std::string_view text, std::string_view prefix, bool ignoreCase = false);
bool endsWithText(std::string_view text, std::string_view suffix);

// Splits at every separator found at a character boundary. Empty items inside the text are kept; an
// empty item after a final separator is dropped; the empty text gives no items.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);
std::string joinText(const std::vector<std::string>& items, std::string_view separator);

// Removes ASCII spaces (0x20) and full-width spaces (A1 A1) at both ends; tabs, CR and LF stay.
std::string trimText(std::string_view text);

// Replaces every occurrence, left to right, at character boundaries; a replacement's own text is not
// searched again. An empty `from` changes nothing.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to,
                       bool ignoreCase = false);

// The bytes of `text` from 1-based position `start`, `length` bytes long (clamped to the text).
std::string midText(std::string_view text, int start, int length);

}  // namespace taoke
