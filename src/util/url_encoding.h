// Percent-encoding of query values and decoding of percent-encoded web answers.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Every byte of the text (its UTF-8 form when `utf8`) becomes "%" and two upper-case hex digits;
// with `keepUnreserved`, "-", ".", digits and ASCII letters stay as they are. A space is "%20".
std::string urlEncode(std::string_view text, bool keepUnreserved = false, bool utf8 = false);

// "%" and two hex digits (either case) become that byte; "+" stays "+"; a "%" without two hex
// digits after it is copied as it is. With `utf8` the decoded bytes are read as UTF-8 and
// converted to GBK. The result ends at a decoded zero byte.
std::string urlDecode(std::string_view text, bool utf8 = false);

}  // namespace taoke
