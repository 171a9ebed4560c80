// urlDecode on arbitrary web answers, in both modes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "util/url_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string bytes = taoke::urlDecode(text, false);
  // Decoding never grows the text and never yields a zero byte.
  if (bytes.size() > text.size() || bytes.find('\0') != std::string::npos) std::abort();
  const std::string gbk = taoke::urlDecode(text, true);
  if (gbk.find('\0') != std::string::npos) std::abort();
  // Percent-encoding and decoding again gives the decoded bytes back.
  if (taoke::urlDecode(taoke::urlEncode(bytes), false) != bytes) std::abort();
  return 0;
}
