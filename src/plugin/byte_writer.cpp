#include "plugin/byte_writer.h"

#include <algorithm>

namespace taoke {

void ByteWriter::clear() { bytes_.clear(); }

void ByteWriter::appendBytes(const Bytes& bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

void ByteWriter::appendByte(std::uint8_t byte) { bytes_.push_back(byte); }

void ByteWriter::setBytes(const Bytes& bytes) { bytes_ = bytes; }

void ByteWriter::appendBigEndian(std::uint64_t value, std::size_t width) {
  for (std::size_t i = width; i > 0; --i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * (i - 1))));
}

void ByteWriter::appendInt32(std::int32_t value) { appendBigEndian(static_cast<std::uint32_t>(value), 4); }

void ByteWriter::appendInt16(std::int16_t value) { appendBigEndian(static_cast<std::uint16_t>(value), 2); }

void ByteWriter::appendInt64(std::int64_t value) { appendBigEndian(static_cast<std::uint64_t>(value), 8); }

void ByteWriter::appendText(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }

void ByteWriter::appendText16(std::string_view text, std::size_t maxBytes) {
  const std::size_t limit = std::min(maxBytes, kMaxField);
  std::size_t kept = text.size() <= limit ? text.size() : 0;
  while (kept < text.size()) {
    const std::size_t next = kept + gbkCharLength(text, kept);
    if (next > limit) break;
    kept = next;
  }
  appendInt16(static_cast<std::int16_t>(kept));
  appendText(text.substr(0, kept));
}

void ByteWriter::appendBytes16(const Bytes& bytes) {
  const std::size_t kept = std::min(bytes.size(), kMaxField);
  appendInt16(static_cast<std::int16_t>(kept));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
}

}  // namespace taoke
