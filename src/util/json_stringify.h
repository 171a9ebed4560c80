// Compact JSON text of a value as the document's script serialiser writes it: no blanks, members
// in insertion order, numbers as the script prints them, and its own list of escaped characters.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace taoke {

// The text as UTF-16 code units; the undefined value (a discarded json) gives nothing, undefined
// members are left out and undefined array elements are written as null.
std::u16string stringifyJson(const nlohmann::ordered_json& value);

// A number as the script writes it: shortest round-trip digits, exponent form outside 1e-7..1e21,
// "null" when not finite.
std::string scriptNumberText(double number);

}  // namespace taoke
