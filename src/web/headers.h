// Header-block operations: a header block is GBK lines "Name: value" separated by "\r\n".
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace taoke {

// Upper-cases the first letter of every '-'-separated piece of each header name (nothing else
// changes), drops lines without ':' and joins the kept lines with "\r\n", without a final one.
std::string normaliseHeaders(std::string_view block);

// The value of the first line that begins with `name` (case-sensitive; a longer header name that
// begins with it also ends the search): the text after the last "name: " in that line, or "".
std::string headerValue(std::string_view block, std::string_view name);

// One header line split at its first ':' and trimmed; "" for a line without ':'.
std::string headerLineName(std::string_view line);
std::string headerLineValue(std::string_view line);

// Whether a line can go on the wire as one request header: a name of visible ASCII characters, a
// ':' and a value without control characters other than tab (so no line can smuggle in another).
bool isSendableHeaderLine(std::string_view line);

// A default request header of the request-object and WinInet engines: added to a caller's header
// text, after "\r\n", only when `searched` is absent from it (case-insensitive).
struct DefaultHeader {
  const char* searched;
  std::string_view text;  // the Referer line gets the URL after it
  bool postOnly;
};

// Appends each default header that the caller's text lacks, in table order.
void appendDefaultHeaders(std::string& headers, std::span<const DefaultHeader> defaults, bool isPost,
                          std::string_view url);

// The status code of a response head such as "HTTP/1.1 302 Found\r\n..."; 0 when there is none.
int statusCodeOf(std::string_view responseHead);

}  // namespace taoke
