#include "util/md5_hex.h"

#include "util/charset.h"
#include "util/md5.h"

namespace taoke {
namespace {

std::string hexOfDigest(std::string_view bytes, bool upperCase, bool middle16) {
  const std::optional<Md5Digest> digest = md5Digest(bytes);
  if (!digest) return {};
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::uint8_t byte : *digest) {
    hex.push_back(kHexDigits[byte >> 4]);
    hex.push_back(kHexDigits[byte & 0x0F]);
  }
  if (!upperCase) hex = foldAscii(hex);
  return middle16 ? hex.substr(8, 16) : hex;
}

}  // namespace

std::string md5Hex(std::string_view text, bool utf8, bool upperCase, bool middle16) {
  return utf8 ? hexOfDigest(gbkToUtf8(text), upperCase, middle16) : hexOfDigest(text, upperCase, middle16);
}

std::string md5HexOfBytes(const Bytes& bytes, bool upperCase, bool middle16) {
  return hexOfDigest(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), upperCase,
                     middle16);
}

}  // namespace taoke
