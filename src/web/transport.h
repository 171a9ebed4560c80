// The one HTTP exchange under the three engines: the engines compose the request (every header
// line, the body, the switches) and the platform's HTTP client carries it out. Nothing is kept
// between calls: no connection, no cookie, no cache.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "util/gbk_text.h"

namespace taoke {

// Bodies beyond this size are not collected: one bad answer must not exhaust the host's memory.
inline constexpr std::size_t maxBodyBytes = 64u * 1024u * 1024u;
// Redirects followed within one call.
inline constexpr int maxRedirects = 10;

struct TransportRequest {
  std::string method = "GET";
  bool secure = false;
  std::string host;
  int port = 80;
  std::string target = "/";              // path and query as they go in the request line
  std::vector<std::string> headerLines;  // "Name: value", sent as they are, in order
  std::optional<Bytes> body;             // when present (even empty), sent with Content-Length
  std::string proxy;                     // proxy text (see proxy_list.h); "" for a direct connection
  std::string serverUser, serverPassword;  // Basic authentication, when a user is set
  std::string proxyUser, proxyPassword;
  bool followRedirects = true;
  // Cookies set by the answers of the call's own redirects are sent on its next hops.
  bool carryRedirectCookies = false;
  int connectTimeoutMs = 30000;  // name resolution, connect and TLS handshake
  int stallTimeoutMs = 30000;    // no byte sent or received for this long
};

enum class TransportOutcome {
  Complete,
  NoSession,     // the client could not be set up
  NotSent,       // no connection, or the request could not be sent
  NoResponse,    // sent, but no complete response head came back
  BodyBroken,    // the head came back, the body broke off
  BodyTooLarge,  // the body was cut at maxBodyBytes
};

struct TransportResponse {
  TransportOutcome outcome = TransportOutcome::NoSession;
  // The head of the final response as received: status line and header lines, each ended by
  // "\r\n", then an empty line. Empty when no head came back.
  std::string rawHeaders;
  Bytes body;
};

using Transport = std::function<TransportResponse(const TransportRequest&)>;

// The platform's HTTP client (libcurl, WinHTTP, ...).
TransportResponse performTransport(const TransportRequest& request);

}  // namespace taoke
