// Reading a JSON text the way the script engine reads it as an expression: string literals may
// hold raw tabs and other control characters and the script escapes \v, \xHH, \' and octal
// digits, while a raw line break inside a string is a syntax error.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>

namespace taoke {

// Texts longer than this or nested deeper than this are refused, so that a hostile reply cannot
// exhaust memory or the stack.
constexpr std::size_t kLargestJsonText = 8 * 1024 * 1024;
constexpr int kDeepestJsonNesting = 256;

// The value of the GBK text; a text of nothing but white space is the undefined value (a
// discarded json). std::nullopt when the text is no valid expression or is out of bounds.
std::optional<nlohmann::ordered_json> readScriptJson(std::string_view gbkText);

}  // namespace taoke
