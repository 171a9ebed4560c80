// Feeds one of HostApi's record decoders (chosen by TAOKE_FUZZ_DECODER at build time) with
// arbitrary host answers: mostly well-formed Base64 of arbitrary record bytes, which reaches deep
// into the record layouts, and sometimes the raw input as the host's text itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "plugin/host_api.h"
#include "plugin/record_text.h"

namespace {

using taoke::Bytes;
using taoke::HostApi;

std::string hostText(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return "";
  if (data[0] & 1) return std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  return taoke::encodeRecordText(Bytes(data + 1, data + size));
}

template <class Result, class Output>
void decode(Result (*decoder)(const std::string&, Output&), const std::uint8_t* data, std::size_t size) {
  Output output{};
  decoder(hostText(data, size), output);
}

template <class Output>
void decode(bool (*decoder)(const std::string&, Output&, bool), const std::uint8_t* data, std::size_t size) {
  Output output{};
  decoder(hostText(data, size), output, false);
  decoder(hostText(data, size), output, true);
}

template <class Output>
void decode(bool (*decoder)(const Bytes&, Output&), const std::uint8_t* data, std::size_t size) {
  Output output{};
  decoder(Bytes(data, data + size), output);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  decode(&HostApi::TAOKE_FUZZ_DECODER, data, size);
  return 0;
}
