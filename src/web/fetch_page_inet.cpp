#include "web/fetch_page_inet.h"

#include <array>
#include <vector>

#include "web/cookies.h"
#include "web/headers.h"
#include "web/proxy_list.h"
#include "web/request_methods.h"
#include "web/text_markers.h"
#include "web/url_parser.h"
#include "web/url_parts.h"

namespace taoke {

namespace {

constexpr const char* defaultUserAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
// WinInet's own limits: 60 seconds to connect, 30 seconds per receive.
constexpr int connectTimeoutMs = 60000;
constexpr int receiveTimeoutMs = 30000;

constexpr std::array<DefaultHeader, 4> defaultHeaders = {{
    {"Accept:", "Accept: */*", false},
    {"Referer:", "Referer: ", false},
    {"Accept-Language:", "Accept-Language: zh-cn", false},
    {"Content-Type:", "Content-Type: application/x-www-form-urlencoded", true},
}};

// The agent named by the caller's headers, else the default one.
std::string userAgentOf(const std::string& headers) {
  if (!containsText(headers, "User-Agent:", true)) return defaultUserAgent;
  const std::string named = trimText(textBetween(headers + "\r\n", "User-Agent:", "\r\n"));
  return named.empty() ? headerLineValue(headers) : named;
}

void completeHeaders(FetchPageInetRequest& request, int method) {
  if (request.addDefaultHeaders) {
    if (request.extraHeaders.empty()) request.extraHeaders = "Accept: */*";
    appendDefaultHeaders(request.extraHeaders, defaultHeaders, method == methodPost, request.url);
  }
  if (request.cookies && !request.cookies->empty()) {
    request.extraHeaders += containsText(*request.cookies, "Cookie:") ? "\r\n" + *request.cookies
                                                                     : "\r\nCookie: " + *request.cookies;
  }
}

// The header text's sendable lines, with the agent's line when the text names none.
std::vector<std::string> wireHeaderLines(const std::string& headers, const std::string& agent) {
  std::vector<std::string> lines;
  bool namesAgent = false;
  for (std::string& line : splitText(headers, "\r\n")) {
    if (!isSendableHeaderLine(line)) continue;
    namesAgent = namesAgent || equalsText(headerLineName(line), "User-Agent", true);
    lines.push_back(std::move(line));
  }
  const std::string agentLine = "User-Agent: " + agent;
  if (!namesAgent && isSendableHeaderLine(agentLine)) lines.insert(lines.begin(), agentLine);
  return lines;
}

std::string responseHeadOf(const TransportResponse& response) {
  if (response.rawHeaders.size() < inetHeadBufferBytes) return response.rawHeaders;
  return std::string(inetHeadBufferBytes, ' ');
}

}  // namespace

Bytes fetchPageInet(FetchPageInetRequest& request, const Transport& transport) {
  const std::string host = urlHost(request.url);
  const int namedPort = urlPort(request.url);
  const bool secure = startsWithText(foldAscii(request.url), "https://");
  // Port 0 is the platform's "default port" of the scheme; beyond 65535 no connection is made.
  if (host.empty() || namedPort > 65535) return {};
  const int port = namedPort == 0 ? (secure ? 443 : 80) : namedPort;

  if (request.normaliseHeaderNames) request.extraHeaders = normaliseHeaders(request.extraHeaders);
  const int method = verbOf(request.method) == "GET" ? 0 : request.method;
  const std::string agent = userAgentOf(request.extraHeaders);
  completeHeaders(request, method);

  TransportRequest wire;
  wire.method = verbOf(method);
  wire.secure = secure;
  wire.host = host;
  wire.port = port;
  wire.target = wireTarget(urlPath(request.url));
  wire.headerLines = wireHeaderLines(request.extraHeaders, agent);
  if (method != 0) {
    if (request.postBytes.empty()) request.postBytes = bytesOf(request.postText);
    wire.body = request.postBytes;
  }
  wire.proxy = proxyTextFor(request.proxy, secure);
  wire.followRedirects = !request.noRedirect;
  wire.carryRedirectCookies = !request.cookies.has_value();
  wire.connectTimeoutMs = connectTimeoutMs;
  wire.stallTimeoutMs = receiveTimeoutMs;
  TransportResponse response = transport(wire);

  // A failed send yields nothing; a failed read keeps what was read before it.
  const bool answered = response.outcome == TransportOutcome::Complete ||
                        response.outcome == TransportOutcome::BodyBroken ||
                        response.outcome == TransportOutcome::BodyTooLarge;
  Bytes body = answered ? std::move(response.body) : Bytes();
  request.responseHeaders = answered ? responseHeadOf(response) : "";
  request.receivedCookies =
      withoutTrailingSeparator(collectSetCookies(splitText(request.responseHeaders, "\r\n"), ""));
  if (request.mergeReceivedCookies && request.cookies) {
    request.receivedCookies = mergeCookies(*request.cookies, request.receivedCookies);
  }
  return body;
}

Bytes fetchPageInetPost(const std::string& url, const std::string& postText, const std::string& extraHeaders) {
  FetchPageInetRequest request;
  request.url = url;
  request.method = methodPost;
  request.postText = postText;
  request.extraHeaders = extraHeaders;
  return fetchPageInet(request);
}

}  // namespace taoke
