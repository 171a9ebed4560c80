// Paths of a JsonDoc: script member expressions such as da.content[0].title or da["key"].
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taoke {

// One member access. `index` is set when the key is an array position (a decimal number without
// leading zeros), which selects an array element; on an object every key names a member.
struct JsonPathStep {
  std::string key;
  std::optional<std::size_t> index;
};

// The steps after the root name of a UTF-8 path. std::nullopt when the path is no plain member
// expression or its root identifier is not `rootName`.
std::optional<std::vector<JsonPathStep>> parseJsonPath(std::string_view path, std::string_view rootName);

}  // namespace taoke
