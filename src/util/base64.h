// Standard Base64 (alphabet A-Z a-z 0-9 + /, "=" padding) as the host's record texts and the
// web requests use it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "util/gbk_text.h"

namespace taoke {

// One line without line breaks; no bytes give "".
std::string base64Encode(const Bytes& bytes);

// CR, LF, space and tab are skipped; the final group may be padded with "=" or left unpadded.
// Any other character outside the alphabet, misplaced padding or a lone final character gives
// std::nullopt. "" gives no bytes.
std::optional<Bytes> base64Decode(std::string_view text);

}  // namespace taoke
