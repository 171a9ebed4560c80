// KeyValuePack::parse on arbitrary push-event details; whatever it accepts must serialise and parse
// back to the same pairs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "plugin/key_value_pack.h"
#include "plugin/record_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text = (data[0] & 1) ? std::string(reinterpret_cast<const char*>(data + 1), size - 1)
                                         : taoke::encodeRecordText(taoke::Bytes(data + 1, data + size));
  taoke::KeyValuePack pack;
  if (!pack.parse(text)) return 0;
  taoke::KeyValuePack again;
  if (!again.parse(pack.serialize()) || again.pairs() != pack.pairs()) __builtin_trap();
  pack.get("MsgFile");
  return 0;
}
