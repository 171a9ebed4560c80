// Values that come from a chat message or a web answer and go into a service URL's query.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Percent-encodes the bytes that would change the query's structure: "%", "&", "#", "+", "=", "?",
// the space and the control bytes (0x00-0x1F, 0x7F). Every other byte, GBK characters included,
// stays as it is. No GBK trail byte falls in that set, so characters are never split.
std::string queryValue(std::string_view value);

}  // namespace taoke
