// Reads the host's record streams: big-endian numbers and int16be-length-prefixed fields.
//
// A read that runs past the end takes what remains: a number cut short is read from the remaining
// bytes as a shorter big-endian number, a missing number reads 0, missing text or bytes read empty;
// the position still advances by the full width, so later reads stay at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "util/gbk_text.h"

namespace taoke {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(Bytes bytes) : bytes_(std::move(bytes)) {}

  void clear();
  Bytes rest() const;
  // The next `count` bytes; a count of 0 or below gives nothing and does not move.
  Bytes readBytes(std::int64_t count);
  std::uint8_t readByte();
  std::int32_t readInt32();
  std::int64_t readInt64();
  std::int16_t readInt16();
  // int16be length N, then N bytes of GBK text ending at the first zero byte among them.
  std::string readText16();
  // int16be length N, then N bytes; a length of 0 or below gives an empty field.
  Bytes readBytes16();
  std::size_t remaining() const;
  void setSource(const Bytes& bytes);

 private:
  std::uint64_t readBigEndian(std::size_t width);

  Bytes bytes_;
  std::size_t position_ = 0;  // may pass the end after cut-off reads
};

}  // namespace taoke
