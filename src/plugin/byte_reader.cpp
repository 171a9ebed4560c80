#include "plugin/byte_reader.h"

#include <algorithm>

namespace taoke {

void ByteReader::clear() {
  bytes_.clear();
  position_ = 0;
}

Bytes ByteReader::rest() const {
  if (position_ >= bytes_.size()) return {};
  return Bytes(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), bytes_.end());
}

Bytes ByteReader::readBytes(std::int64_t count) {
  if (count <= 0) return {};
  const std::size_t wanted = static_cast<std::size_t>(count);
  const std::size_t available = std::min(wanted, remaining());
  Bytes out(bytes_.begin() + static_cast<std::ptrdiff_t>(std::min(position_, bytes_.size())),
            bytes_.begin() + static_cast<std::ptrdiff_t>(std::min(position_, bytes_.size()) + available));
  position_ += wanted;
  return out;
}

std::uint64_t ByteReader::readBigEndian(std::size_t width) {
  const std::size_t available = std::min(width, remaining());
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < available; ++i) value = (value << 8) | bytes_[position_ + i];
  position_ += width;
  return value;
}

std::uint8_t ByteReader::readByte() { return static_cast<std::uint8_t>(readBigEndian(1)); }

std::int16_t ByteReader::readInt16() { return static_cast<std::int16_t>(readBigEndian(2)); }

std::int32_t ByteReader::readInt32() { return static_cast<std::int32_t>(readBigEndian(4)); }

std::int64_t ByteReader::readInt64() { return static_cast<std::int64_t>(readBigEndian(8)); }

std::string ByteReader::readText16() {
  const Bytes field = readBytes16();
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::string(field.begin(), end);
}

Bytes ByteReader::readBytes16() { return readBytes(readInt16()); }

std::size_t ByteReader::remaining() const {
  return position_ < bytes_.size() ? bytes_.size() - position_ : 0;
}

void ByteReader::setSource(const Bytes& bytes) {
  bytes_ = bytes;
  position_ = 0;
}

}  // namespace taoke
