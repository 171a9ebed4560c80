// Short links of one platform found in a message by one execution of the link pattern.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taoke {

// The links that `prefix` (placed in the pattern unchanged) followed by exactly `wordCharacters`
// word characters forms in the message, in order, repeats included.
std::vector<std::string> findShortLinks(const std::string& message, std::string_view prefix,
                                        int wordCharacters);

}  // namespace taoke
