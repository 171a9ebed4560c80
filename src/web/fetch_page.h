// fetchPage: the plug-in's main HTTP engine. One synchronous request; the answer comes back as GBK
// text (a page declaring another charset in a meta tag is converted), and every step that fails
// writes its numbered status text.
#pragma once

#include <string>

#include "util/gbk_text.h"
#include "web/transport.h"

namespace taoke {

// The call's arguments with their defaults; fields marked in/out or out are written back.
struct FetchPageRequest {
  std::string url;
  int method = 0;                // 0 GET, 1 POST, 2 HEAD, ... 7 CONNECT; others GET
  std::string postText;          // body when postBytes is empty
  std::string cookies;           // in/out: a cookie list, or a text that already holds "Cookie:"
  std::string receivedCookies;   // in/out: received cookies are appended to what it holds
  std::string extraHeaders;      // the caller's header lines, separated by "\r\n"
  std::string responseHeaders;   // out: raw response head, status line first
  bool noRedirect = false;
  std::string user;              // Basic authentication for the server, when both are set
  std::string password;
  std::string proxy;             // "host:port"; empty for a direct connection
  std::string proxyUser;         // Basic authentication for the proxy, when both are set
  std::string proxyPassword;
  int timeoutSeconds = 0;        // every step's timeout; below 1 means 30 seconds
  std::string location;          // out: the value of a "Location: " response header
  std::string status;            // out: "200 OK" and the like, or the text of the failed step
  Bytes responseBytes;           // out: the body as received
  bool mergeReceivedCookies = true;
  bool addDefaultHeaders = true;
  Bytes postBytes;               // body as bytes; wins over postText when not empty
  bool normaliseHeaderNames = true;
};

// The body as GBK text; "" after any failure.
std::string fetchPage(FetchPageRequest& request, const Transport& transport = performTransport);

// The common call: only the URL and the method.
std::string fetchPage(const std::string& url, int method = 0);

}  // namespace taoke
