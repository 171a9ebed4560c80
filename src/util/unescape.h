// Resolution of the JavaScript-style escapes found in web answers: \uXXXX, %uXXXX, %XX and the
// backslash escapes of a string literal.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Reads the text as the body of a single-quoted JavaScript string literal, then applies
// JavaScript's unescape(). CR LF pairs, apostrophes and the typographic apostrophe "’" come back
// as CR LF and "'". When the text is not a valid literal body (a bare line break, an unpaired
// final backslash) or resolves to nothing, its bytes are read as UTF-16LE instead.
std::string unescapeText(std::string_view text);

}  // namespace taoke
