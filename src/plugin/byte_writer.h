// Builds the host's record streams: big-endian numbers and int16be-length-prefixed fields.
//
// A length prefix holds at most 32767. A longer field is cut to fit: bytes16 keeps its first 32767
// bytes; text16 keeps as many whole GBK characters as fit in 32767 bytes (32766 when the last one
// would be split). The prefix therefore always matches the bytes that follow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "util/gbk_text.h"

namespace taoke {

class ByteWriter {
 public:
  static constexpr std::size_t kMaxField = 32767;

  void clear();
  const Bytes& bytes() const { return bytes_; }
  std::size_t length() const { return bytes_.size(); }
  void appendBytes(const Bytes& bytes);
  void appendByte(std::uint8_t byte);
  void setBytes(const Bytes& bytes);
  void appendInt32(std::int32_t value);
  void appendInt16(std::int16_t value);
  void appendInt64(std::int64_t value);
  // The text's bytes, without length and without a terminating zero.
  void appendText(std::string_view text);
  // `maxBytes` (at most kMaxField) bounds the text's bytes further, for fields inside a bytes16 block.
  void appendText16(std::string_view text, std::size_t maxBytes = kMaxField);
  void appendBytes16(const Bytes& bytes);

 private:
  void appendBigEndian(std::uint64_t value, std::size_t width);

  Bytes bytes_;
};

}  // namespace taoke
