#include "plugin/key_value_pack.h"

#include <algorithm>

#include "plugin/byte_reader.h"
#include "plugin/byte_writer.h"
#include "plugin/record_text.h"

namespace taoke {

void KeyValuePack::clear() { pairs_.clear(); }

bool KeyValuePack::parse(std::string_view base64) {
  ByteReader reader(decodeRecordText(base64));
  if (reader.remaining() < 4) return false;
  const std::int32_t count = reader.readInt32();
  if (count < 0) return false;
  for (std::int32_t i = 0; i < count; ++i) {
    ByteReader block(reader.readBytes16());
    if (block.remaining() < 4) {
      pairs_.clear();
      return false;
    }
    std::string key = block.readText16();
    std::string value = block.readText16();
    pairs_.emplace_back(std::move(key), std::move(value));
  }
  return true;
}

void KeyValuePack::set(std::string_view key, std::string_view value) {
  auto found = std::find_if(pairs_.begin(), pairs_.end(), [&](const Pair& p) { return p.first == key; });
  if (found != pairs_.end()) {
    found->second = value;
  } else {
    pairs_.emplace_back(key, value);
  }
}

std::string KeyValuePack::get(std::string_view key) const {
  auto found = std::find_if(pairs_.begin(), pairs_.end(), [&](const Pair& p) { return p.first == key; });
  return found != pairs_.end() ? found->second : std::string();
}

std::string KeyValuePack::serialize() const {
  ByteWriter writer;
  writer.appendInt32(static_cast<std::int32_t>(pairs_.size()));
  for (const Pair& pair : pairs_) {
    // Key and value share one block: both are cut so that the block fits its own length prefix.
    ByteWriter block;
    block.appendText16(pair.first, ByteWriter::kMaxField - 4);
    block.appendText16(pair.second, ByteWriter::kMaxField - block.length() - 2);
    writer.appendBytes16(block.bytes());
  }
  return encodeRecordText(writer.bytes());
}

bool KeyValuePack::remove(std::string_view key) {
  auto found = std::find_if(pairs_.begin(), pairs_.end(), [&](const Pair& p) { return p.first == key; });
  if (found == pairs_.end()) return false;
  pairs_.erase(found);
  return true;
}

}  // namespace taoke
