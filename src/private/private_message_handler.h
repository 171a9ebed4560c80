// Private messages of the host's message type 2 that begin with a keyword get the keyword replies.
#pragma once

#include <cstdint>
#include <string>

namespace taoke {

// `first` and `second` are the event's two 64-bit numbers (words 6-7 and 8-9), in event order.
int privateMessageHandler(std::int64_t robot, std::int32_t messageType, std::int64_t first,
                          std::int64_t second, std::string& message);

}  // namespace taoke
