// unescapeText on arbitrary web answers.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "util/unescape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string resolved = taoke::unescapeText(text);
  if (resolved.find('\0') != std::string::npos) std::abort();
  return 0;
}
