#include "web/fetch_page_obj.h"

#include <algorithm>
#include <array>
#include <vector>

#include "util/base64.h"
#include "util/charset.h"
#include "web/cookies.h"
#include "web/headers.h"
#include "web/request_methods.h"
#include "web/text_markers.h"
#include "web/url_parts.h"

namespace taoke {

namespace {

constexpr std::array<DefaultHeader, 5> defaultHeaders = {{
    {"Accept:", "Accept: */*", false},
    {"Referer:", "Referer: ", false},
    {"Accept-Language:", "Accept-Language: zh-cn", false},
    {"User-Agent:", "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)", false},
    {"Content-Type:", "Content-Type: application/x-www-form-urlencoded", true},
}};

struct Header {
  std::string name;
  std::string value;
};

// Setting a header that is already set replaces its value, as the request object does.
void setHeader(std::vector<Header>& headers, std::string name, std::string value) {
  if (name.empty()) return;
  for (Header& header : headers) {
    if (equalsText(header.name, name, true)) {
      header.value = std::move(value);
      return;
    }
  }
  headers.push_back({std::move(name), std::move(value)});
}

void setHeaderLine(std::vector<Header>& headers, const std::string& line) {
  setHeader(headers, headerLineName(line), headerLineValue(line));
}

int timeoutMs(int seconds, int ownMs) {
  constexpr int longestSeconds = 24 * 3600;
  if (seconds == -1) return ownMs;
  return seconds < 1 ? 15000 : std::min(seconds, longestSeconds) * 1000;
}

void completeHeaders(FetchPageObjRequest& request) {
  if (request.addDefaultHeaders) {
    appendDefaultHeaders(request.extraHeaders, defaultHeaders, request.method == methodPost, request.url);
  }
  if (request.normaliseHeaderNames) request.extraHeaders = normaliseHeaders(request.extraHeaders);
}

bool hasProxyCredentials(const FetchPageObjRequest& request) {
  return !request.proxy.empty() && !request.proxyUser.empty();
}

// Proxy credentials for an https URL go on the tunnel request, never to the server itself.
bool proxyTunnelled(const FetchPageObjRequest& request) { return startsWithText(request.url, "https://", true); }

std::vector<Header> requestHeaders(FetchPageObjRequest& request) {
  std::vector<Header> headers;
  if (hasProxyCredentials(request) && request.credentialsFor == 1 && !proxyTunnelled(request)) {
    setHeader(headers, "Proxy-Authorization",
              "Basic " + base64Encode(bytesOf(request.proxyUser + ":" + request.proxyPassword)));
  }
  if (request.cookies) {
    std::string& cookies = *request.cookies;
    if (containsText(cookies, "Cookie:", true)) cookies = replaceAll(cookies, "Cookie:", "", true);
    setHeader(headers, "Cookie", cookies);
  }
  if (!containsText(request.extraHeaders, "\r\n")) {
    setHeaderLine(headers, request.extraHeaders);
  } else {
    for (const std::string& line : splitText(request.extraHeaders, "\r\n")) {
      if (line.empty()) continue;
      if (headerLineName(line) == "Connection" && headerLineValue(line) == "keep-alive") continue;
      setHeaderLine(headers, line);
    }
  }
  return headers;
}

std::optional<Bytes> bodyOf(const FetchPageObjRequest& request) {
  if (!request.postBytes.empty()) return request.postBytes;
  if (!request.postText.empty()) return bytesOf(gbkToUtf8(request.postText));
  if (request.method == methodPost) return Bytes();
  return std::nullopt;
}

// The object's header text: every line of the head after the status line, each ended by "\r\n".
std::string headerLinesOf(const std::string& head) {
  std::string lines;
  const std::vector<std::string> all = splitText(head, "\r\n");
  for (std::size_t index = 1; index < all.size(); ++index) {
    if (!all[index].empty()) lines += all[index] + "\r\n";
  }
  return lines;
}

}  // namespace

Bytes fetchPageObj(FetchPageObjRequest& request, const Transport& transport) {
  completeHeaders(request);
  const std::vector<Header> headers = requestHeaders(request);

  TransportResponse response;
  response.outcome = TransportOutcome::NotSent;
  if (const std::optional<UrlParts> url = splitUrl(request.url)) {
    TransportRequest wire;
    wire.method = verbOf(request.method);
    wire.secure = url->secure;
    wire.host = url->host;
    wire.port = url->port;
    wire.target = wireTarget(url->target);
    // A header the object refuses is left out; the others still go.
    for (const Header& header : headers) {
      std::string line = header.name + ": " + header.value;
      if (isSendableHeaderLine(line)) wire.headerLines.push_back(std::move(line));
    }
    wire.body = bodyOf(request);
    wire.proxy = request.proxy;
    if (hasProxyCredentials(request) && request.credentialsFor == 0) {
      wire.serverUser = request.proxyUser;
      wire.serverPassword = request.proxyPassword;
    }
    if (hasProxyCredentials(request) && request.credentialsFor == 1 && proxyTunnelled(request)) {
      wire.proxyUser = request.proxyUser;
      wire.proxyPassword = request.proxyPassword;
    }
    wire.followRedirects = !request.noRedirect;
    wire.carryRedirectCookies = !request.cookies.has_value();
    wire.connectTimeoutMs = timeoutMs(request.timeoutSeconds, 60000);
    wire.stallTimeoutMs = timeoutMs(request.timeoutSeconds, 30000);
    response = transport(wire);
  }

  Bytes body;
  request.responseHeaders.clear();
  request.statusCode = 0;
  if (response.outcome == TransportOutcome::Complete || response.outcome == TransportOutcome::BodyTooLarge) {
    body = std::move(response.body);
    request.responseHeaders = headerLinesOf(response.rawHeaders);
    request.statusCode = statusCodeOf(response.rawHeaders);
  }
  request.receivedCookies =
      withoutTrailingSeparator(collectSetCookies(splitText(request.responseHeaders, "\r\n"), ""));
  if (request.mergeReceivedCookies && request.cookies) {
    request.receivedCookies = mergeCookies(*request.cookies, request.receivedCookies);
  }
  return body;
}

Bytes fetchPageObj(const std::string& url) {
  FetchPageObjRequest request;
  request.url = url;
  return fetchPageObj(request);
}

}  // namespace taoke
