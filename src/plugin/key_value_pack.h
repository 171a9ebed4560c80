// An ordered list of (key, value) texts, as a push event carries its details. Base64 form: int32be
// count, then count bytes16 blocks, each holding a text16 key and a text16 value.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taoke {

class KeyValuePack {
 public:
  using Pair = std::pair<std::string, std::string>;

  void clear();
  // Appends the pairs of a Base64 text; earlier pairs stay. Fewer than 4 bytes or a negative count:
  // false, nothing changes. A block shorter than 4 bytes empties the whole list: false.
  bool parse(std::string_view base64);
  // Replaces the value of the first pair with an equal key, or appends a new pair.
  void set(std::string_view key, std::string_view value);
  // The value of the first pair whose key equals `key` exactly; "" when there is none.
  std::string get(std::string_view key) const;
  // A pair too long for one block keeps its key first and as much of its value as fits, whole
  // GBK characters only.
  std::string serialize() const;
  // Removes the first pair with an equal key; false when there is none.
  bool remove(std::string_view key);

  const std::vector<Pair>& pairs() const { return pairs_; }

 private:
  std::vector<Pair> pairs_;
};

}  // namespace taoke
