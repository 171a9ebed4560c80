// Cookie texts: items "name=value" joined by "; ". Received "Set-Cookie" lines are folded into one
// such text and merged with the cookies that were sent.
#pragma once

#include <string>
#include <vector>

namespace taoke {

// Appends the first name=value pair of every "Set-Cookie: " line, trimmed and followed by "; ",
// to `cookies`; when a pair was appended, the final "; " is removed again. Attributes are dropped.
std::string collectSetCookies(const std::vector<std::string>& headerLines, std::string cookies);

// Removes one trailing "; " left by a fold, if there is one.
std::string withoutTrailingSeparator(std::string cookies);

// Received items first, then the sent items whose name was not received; items whose value is
// "deleted" and exact repeats are dropped. Both arguments are trimmed in place, and one that then
// ends with ';' gets a space appended.
std::string mergeCookies(std::string& sent, std::string& received);

}  // namespace taoke
