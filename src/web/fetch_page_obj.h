// fetchPageObj: the request-object engine. Headers are set one by one, a Referer is added, the
// numeric status is reported and the body comes back as bytes, untouched. No status texts: a
// failure shows as an empty body, empty headers and status 0.
#pragma once

#include <optional>
#include <string>

#include "util/gbk_text.h"
#include "web/transport.h"

namespace taoke {

// The call's arguments with their defaults; fields marked in/out or out are written back.
struct FetchPageObjRequest {
  std::string url;
  int method = 0;                      // 0 GET, 1 POST, 2 HEAD, ... 7 CONNECT; others GET
  std::string postText;                // body (sent as UTF-8) when postBytes is empty
  std::optional<std::string> cookies;  // in/out; whether it is given at all matters
  std::string receivedCookies;         // out: cookies of the response, merged with cookies
  std::string extraHeaders;            // in/out: receives the defaults and is normalised in place
  std::string responseHeaders;         // out: "Name: value\r\n" lines, no status line
  int statusCode = 0;                  // out
  bool noRedirect = false;
  Bytes postBytes;                     // body; wins over postText when not empty
  std::string proxy;                   // "host:port"; empty for none
  int timeoutSeconds = 0;              // -1 the object's own (60 s connect, 30 s receive); below 1 15 s
  std::string proxyUser;
  std::string proxyPassword;
  int credentialsFor = 1;              // 1 the proxy, 0 the server
  bool mergeReceivedCookies = true;
  bool addDefaultHeaders = true;
  bool normaliseHeaderNames = true;
};

Bytes fetchPageObj(FetchPageObjRequest& request, const Transport& transport = performTransport);

// The common call: a GET of the URL with every default.
Bytes fetchPageObj(const std::string& url);

}  // namespace taoke
