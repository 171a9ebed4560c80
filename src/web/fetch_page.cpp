#include "web/fetch_page.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "util/charset.h"
#include "util/regex_obj.h"
#include "web/cookies.h"
#include "web/headers.h"
#include "web/proxy_list.h"
#include "web/request_methods.h"
#include "web/text_markers.h"
#include "web/url_parts.h"

namespace taoke {

namespace {

constexpr const char* urlFailed = "701 解析URL地址失败!";
constexpr const char* sessionFailed = "702 创建WinHttp会话失败!";
constexpr const char* headersRefused = "710 设置协议头失败!";
constexpr const char* sendFailed = "711 发送请求失败!";
constexpr const char* noResponse = "712 服务器未响应!";
constexpr const char* readFailed = "713 读取数据失败!";

struct DefaultHeaderLine {
  const char* searched;
  const char* line;
  bool postOnly;
};

constexpr std::array<DefaultHeaderLine, 6> defaultHeaders = {{
    {"User-Agent: ", "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n", false},
    {"Accept: ", "Accept: text/html, application/xhtml+xml, */*\r\n", false},
    {"Accept-Encoding: ", "Accept-Encoding: gbk, GB2312\r\n", false},
    {"Accept-Language: ", "Accept-Language: zh-cn\r\n", false},
    {"Content-Type:", "Content-Type: application/x-www-form-urlencoded\r\n", true},
    {"Cache-Control: ", "Cache-Control: no-cache\r\n", false},
}};

// The meta tag that declares a page's charset, looked for in the first 1024 bytes.
constexpr const char* metaCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";
constexpr std::size_t metaCharsetWindow = 1024;

// Below 1 second means 30 seconds; the ceiling keeps the milliseconds in range.
int timeoutMs(int seconds) {
  constexpr int longestSeconds = 24 * 3600;
  return seconds < 1 ? 30000 : std::min(seconds, longestSeconds) * 1000;
}

std::string composeHeaders(const FetchPageRequest& request) {
  std::string block = request.extraHeaders.empty() ? "" : request.extraHeaders + "\r\n";
  if (request.addDefaultHeaders) {
    for (const DefaultHeaderLine& header : defaultHeaders) {
      if (header.postOnly && request.method != methodPost) continue;
      if (!containsText(block, header.searched, true)) block += header.line;
    }
  }
  if (request.normaliseHeaderNames) block = normaliseHeaders(block);
  if (containsText(block, "Connection") && headerValue(block, "Connection") == "keep-alive") {
    block = replaceAll(block, "Connection: keep-alive\r\n", "");
  }
  if (!containsText(block, "Cookie:", true) && !request.cookies.empty()) {
    block += containsText(request.cookies, "Cookie:", true) ? "\r\n" + request.cookies + "\r\n"
                                                            : "\r\nCookie: " + request.cookies + "\r\n";
  }
  return block;
}

// The block's lines as the client adds them; std::nullopt when one of them cannot be a header.
std::optional<std::vector<std::string>> headerLinesOf(const std::string& block) {
  std::vector<std::string> lines;
  for (std::string& line : splitText(block, "\r\n")) {
    if (line.empty()) continue;
    if (!isSendableHeaderLine(line)) return std::nullopt;
    lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<Bytes> bodyOf(const FetchPageRequest& request) {
  if (!request.postBytes.empty()) return request.postBytes;
  if (!request.postText.empty()) return bytesOf(request.postText);
  if (request.method == methodPost) return Bytes();
  return std::nullopt;
}

std::string textUpToZero(const Bytes& bytes) {
  std::string text = textOf(bytes);
  // A zero byte ends the text wherever it stands, even after a lead byte: a byte-level search.
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

// A page that declares a charset other than gbk or gb2312 in a meta tag is decoded from it.
std::string pageText(const Bytes& body) {
  std::string text = textUpToZero(body);
  RegexObj meta;
  if (!meta.create(metaCharsetPattern, std::string_view(text).substr(0, std::min(text.size(), metaCharsetWindow)))) {
    return text;
  }
  const std::string charset = meta.subMatchText(1, 1);
  if (charset.empty() || charset == "gbk" || charset == "gb2312") return text;
  return decodeCharset(body, charset);
}

std::string statusOf(const std::string& head) {
  const int lineEnd = findText(head, "\r\n", 10);
  return lineEnd < 1 ? midText(head, 10, static_cast<int>(head.size())) : midText(head, 10, lineEnd - 10);
}

// Set-Cookie lines are folded into receivedCookies; the last "Location: " line names the target.
void readResponseHead(FetchPageRequest& request) {
  const std::vector<std::string> lines = splitText(request.responseHeaders, "\r\n");
  request.receivedCookies = collectSetCookies(lines, request.receivedCookies);
  for (const std::string& line : lines) {
    if (startsWithText(line, "Location: ", true)) request.location = line.substr(10);
  }
  request.receivedCookies = withoutTrailingSeparator(request.receivedCookies);
  if (request.mergeReceivedCookies && !request.cookies.empty()) {
    request.receivedCookies = mergeCookies(request.cookies, request.receivedCookies);
  }
}

}  // namespace

std::string fetchPage(FetchPageRequest& request, const Transport& transport) {
  const std::optional<UrlParts> url = splitUrl(request.url);
  if (!url) {
    request.status = urlFailed;
    return "";
  }
  const std::optional<std::vector<std::string>> headerLines = headerLinesOf(composeHeaders(request));
  if (!headerLines) {
    request.status = headersRefused;
    return "";
  }

  TransportRequest wire;
  wire.method = verbOf(request.method);
  wire.secure = url->secure;
  wire.host = url->host;
  wire.port = url->port;
  wire.target = wireTarget(url->target);
  wire.headerLines = *headerLines;
  wire.body = bodyOf(request);
  wire.proxy = proxyTextFor(request.proxy, url->secure);
  if (!request.user.empty() && !request.password.empty()) {
    wire.serverUser = request.user;
    wire.serverPassword = request.password;
  }
  if (!request.proxyUser.empty() && !request.proxyPassword.empty()) {
    wire.proxyUser = request.proxyUser;
    wire.proxyPassword = request.proxyPassword;
  }
  wire.followRedirects = !request.noRedirect;
  wire.connectTimeoutMs = wire.stallTimeoutMs = timeoutMs(request.timeoutSeconds);

  TransportResponse response = transport(wire);
  switch (response.outcome) {
    case TransportOutcome::NoSession:
      request.status = sessionFailed;
      return "";
    case TransportOutcome::NotSent:
      request.status = sendFailed;
      return "";
    case TransportOutcome::NoResponse:
      request.status = noResponse;
      return "";
    case TransportOutcome::Complete:
    case TransportOutcome::BodyBroken:
    case TransportOutcome::BodyTooLarge:
      break;
  }

  request.responseHeaders = textUpToZero(bytesOf(response.rawHeaders));
  request.status = statusOf(request.responseHeaders);
  // A cut body is reported even though the head came back: the answer is incomplete.
  if (response.outcome == TransportOutcome::BodyTooLarge) request.status = readFailed;
  readResponseHead(request);
  request.responseBytes = std::move(response.body);
  return pageText(request.responseBytes);
}

std::string fetchPage(const std::string& url, int method) {
  FetchPageRequest request;
  request.url = url;
  request.method = method;
  return fetchPage(request);
}

}  // namespace taoke
