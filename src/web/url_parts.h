// An absolute http or https URL split into the parts a request is made of, and the request target
// in the form it takes on the wire.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taoke {

struct UrlParts {
  bool secure = false;  // https
  std::string host;     // as written, without user information or port
  int port = 80;
  std::string target;   // path and query, "/" when the URL has neither; no fragment
};

// std::nullopt when the scheme is not http or https (ASCII case ignored), the host is empty or holds
// spaces, control or non-ASCII bytes, or the port is not a number from 1 to 65535.
std::optional<UrlParts> splitUrl(std::string_view url);

// The target as it can stand in a request line: a space, a control character or a non-ASCII GBK
// character becomes the percent-encoded UTF-8 bytes of that character; every other byte stays.
std::string wireTarget(std::string_view target);

}  // namespace taoke
