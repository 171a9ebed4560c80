#include "convert/query_value.h"

namespace taoke {
namespace {

bool changesQueryStructure(unsigned char byte) {
  switch (byte) {
    case '%': case '&': case '#': case '+': case '=': case '?': case ' ':
      return true;
    default:
      return byte < 0x20 || byte == 0x7F;
  }
}

}  // namespace

std::string queryValue(std::string_view value) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(value.size());
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (changesQueryStructure(byte)) {
      encoded += '%';
      encoded += hexDigits[byte >> 4];
      encoded += hexDigits[byte & 0x0F];
    } else {
      encoded += c;
    }
  }
  return encoded;
}

}  // namespace taoke
