#include "plugin/record_text.h"

#include "util/base64.h"

namespace taoke {

Bytes decodeRecordText(std::string_view base64) { return base64Decode(base64).value_or(Bytes{}); }

std::string encodeRecordText(const Bytes& bytes) { return base64Encode(bytes); }

}  // namespace taoke
