// fetchPageInet: the WinInet-style engine. Host, port and path come from the URL parser; the
// caller's headers are normalised before the defaults are added, the user agent is taken from them,
// and passing cookies at all switches automatic cookies off. The body comes back as bytes.
#pragma once

#include <optional>
#include <string>

#include "util/gbk_text.h"
#include "web/transport.h"

namespace taoke {

// The call's arguments with their defaults; fields marked in/out or out are written back.
struct FetchPageInetRequest {
  std::string url;                     // without "http://" or "https://" it is taken as http
  int method = 0;                      // 0 GET, 1 POST, 2 HEAD, ... 7 CONNECT; others GET
  std::string postText;                // body when postBytes is empty
  std::optional<std::string> cookies;  // given at all: automatic cookies are off
  std::string receivedCookies;         // out
  std::string extraHeaders;            // in/out: normalised, completed and given the cookie line
  std::string responseHeaders;         // out: raw response head, status line first
  bool noRedirect = false;
  Bytes postBytes;                     // in/out: filled with postText's bytes when a body is sent
  std::string proxy;                   // "host:port"; empty for a direct connection
  bool mergeReceivedCookies = true;
  bool addDefaultHeaders = true;
  bool normaliseHeaderNames = true;
};

// The header head is read into 5000 bytes: a longer one comes back as 5000 spaces.
inline constexpr std::size_t inetHeadBufferBytes = 5000;

Bytes fetchPageInet(FetchPageInetRequest& request, const Transport& transport = performTransport);

// The common call: a POST of `postText` with the caller's header lines.
Bytes fetchPageInetPost(const std::string& url, const std::string& postText, const std::string& extraHeaders);

}  // namespace taoke
