// base64Decode on arbitrary host record texts.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "util/base64.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Raw bytes survive encoding and decoding.
  const taoke::Bytes raw(data, data + size);
  if (taoke::base64Decode(taoke::base64Encode(raw)) != raw) std::abort();
  // Whatever decodes, decodes the same once written in canonical form.
  if (const auto decoded = taoke::base64Decode(text)) {
    if (taoke::base64Decode(taoke::base64Encode(*decoded)) != decoded) std::abort();
  }
  return 0;
}
