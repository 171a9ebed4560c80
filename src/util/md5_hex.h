// MD5 digests as hexadecimal text, as the request signatures use them.
#pragma once

#include <string>
#include <string_view>

#include "util/gbk_text.h"

namespace taoke {

// The digest of the text's GBK bytes (of its UTF-8 form when `utf8`) as 32 hexadecimal digits,
// lower case unless `upperCase`; with `middle16` only digits 9 to 24. "" when hashing fails.
std::string md5Hex(std::string_view text, bool utf8 = false, bool upperCase = false, bool middle16 = false);

// The same for a bytes value.
std::string md5HexOfBytes(const Bytes& bytes, bool upperCase = false, bool middle16 = false);

}  // namespace taoke
