// Marker cutters: web answers and chat messages are cut apart by searching for marker texts.
// Positions are 1-based GBK byte positions; a search never matches from the second byte of a
// double-byte character.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// The text between the first `left` found from `start` (0 and 1 mean the first byte) and the next
// `right` after it; "" when either is missing. In both markers "#引号" stands for a double quote.
std::string textBetween(std::string_view text, std::string_view left, std::string_view right,
                        int start = 1, bool caseInsensitive = false);

// The text before `marker`. A start of 0 or more searches forward from that position; a negative
// start searches backwards with the bounds `textRightOf` uses (-1 as its 0, -n as its n).
std::string textLeftOf(std::string_view text, std::string_view marker, int start = 0,
                       bool caseInsensitive = false);

// The text after `marker`. A start n of 0 or more takes the last occurrence lying entirely within
// the first (length - n - 1) bytes, so an occurrence ending on the final byte is not seen; -1
// searches forward from the first byte, -n forward from position n.
std::string textRightOf(std::string_view text, std::string_view marker, int start = 0,
                        bool caseInsensitive = false);

}  // namespace taoke
