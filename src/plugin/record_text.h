// The text form of the host's byte arrays and record streams: standard Base64 on one line.
#pragma once

#include <string>
#include <string_view>

#include "util/gbk_text.h"

namespace taoke {

// Line breaks are accepted; text that is not valid Base64 gives no bytes.
Bytes decodeRecordText(std::string_view base64);
std::string encodeRecordText(const Bytes& bytes);

}  // namespace taoke
