// The transport on libcurl: a fresh easy handle per call, HTTP/1.1 only, no connection reuse, no
// certificate or host-name checks, and no header of curl's own except Host and Content-Length.
#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "util/gbk_text.h"
#include "web/connect_to.h"
#include "web/headers.h"
#include "web/proxy_list.h"
#include "web/transport.h"

namespace taoke {

namespace {

// A response head larger than this is not an answer the plug-in can use.
constexpr std::size_t maxHeadBytes = 256 * 1024;

struct CurlHandleCloser {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlListFreer {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlHandle = std::unique_ptr<CURL, CurlHandleCloser>;
using CurlList = std::unique_ptr<curl_slist, CurlListFreer>;

struct Collected {
  std::string head;
  bool headComplete = false;
  bool headTooLarge = false;
  Bytes body;
  bool bodyTooLarge = false;
};

// Each response of a redirect chain (and each interim 1xx) starts a new head; the last one stays.
std::size_t collectHeader(char* data, std::size_t size, std::size_t count, void* context) {
  Collected& collected = *static_cast<Collected*>(context);
  const std::string_view line(data, size * count);
  if (startsWithText(line, "HTTP/")) {
    collected.head.clear();
    collected.headComplete = false;
  }
  if (collected.head.size() + line.size() > maxHeadBytes) {
    collected.headTooLarge = true;
    return 0;
  }
  collected.head += line;
  if (line == "\r\n" || line == "\n") collected.headComplete = true;
  return line.size();
}

std::size_t collectBody(char* data, std::size_t size, std::size_t count, void* context) {
  Collected& collected = *static_cast<Collected*>(context);
  const std::size_t length = size * count;
  const std::size_t room = maxBodyBytes - collected.body.size();
  collected.body.insert(collected.body.end(), data, data + std::min(length, room));
  if (length > room) {
    collected.bodyTooLarge = true;
    return 0;
  }
  return length;
}

bool appendTo(CurlList& list, const std::string& line) {
  curl_slist* extended = curl_slist_append(list.get(), line.c_str());
  if (extended == nullptr) return false;
  list.release();
  list.reset(extended);
  return true;
}

bool hasHeader(const std::vector<std::string>& lines, std::string_view name) {
  for (const std::string& line : lines)
    if (startsWithText(line, std::string(name) + ":", true)) return true;
  return false;
}

// curl drops a header whose value is empty unless it is written "Name;"; it then sends "Name:".
std::string curlHeaderEntry(const std::string& line) {
  if (headerLineValue(line).empty()) return line.substr(0, findText(line, ":") - 1) + ";";
  return line;
}

// The engine's lines, then an empty entry for every header curl would otherwise add by itself.
std::optional<CurlList> headerList(const TransportRequest& request) {
  CurlList list;
  for (const std::string& line : request.headerLines)
    if (!appendTo(list, curlHeaderEntry(line))) return std::nullopt;
  for (const char* name : {"Accept", "Expect", "Transfer-Encoding", "Content-Type"}) {
    if (!hasHeader(request.headerLines, name) && !appendTo(list, std::string(name) + ":")) return std::nullopt;
  }
  return list;
}

std::optional<CurlList> connectToList() {
  CurlList list;
  for (const ConnectToRule& rule : connectToRulesFromEnvironment())
    if (!appendTo(list, connectToText(rule))) return std::nullopt;
  return list;
}

std::string curlUrl(const TransportRequest& request) {
  return std::string(request.secure ? "https://" : "http://") + request.host + ":" +
         std::to_string(request.port) + request.target;
}

long wholeSeconds(int milliseconds) { return std::max(1L, (static_cast<long>(milliseconds) + 999) / 1000); }

void setMethodAndBody(CURL* curl, const TransportRequest& request) {
  if (request.method == "HEAD") {
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    return;
  }
  if (request.body) {
    static const char noBytes = 0;
    const char* data = request.body->empty() ? &noBytes : reinterpret_cast<const char*>(request.body->data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, data);
  }
  const bool curlDefault = request.method == (request.body ? "POST" : "GET");
  if (!curlDefault) curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
}

void setSwitches(CURL* curl, const TransportRequest& request) {
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(curl, CURLOPT_PROXY_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(curl, CURLOPT_PROXY_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, wholeSeconds(request.stallTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, static_cast<long>(maxRedirects));
  // Only the cookie engine of this handle, in memory: it ends with the call.
  if (request.carryRedirectCookies && !hasHeader(request.headerLines, "Cookie")) {
    curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
  }
  // An empty proxy also keeps curl from taking one from the environment.
  const std::string proxy = proxyForScheme(request.proxy, request.secure ? "https" : "http");
  const std::string proxyUrl = proxy.empty() ? "" : "http://" + proxy;
  curl_easy_setopt(curl, CURLOPT_PROXY, proxyUrl.c_str());
  curl_easy_setopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  if (!request.serverUser.empty()) {
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
    curl_easy_setopt(curl, CURLOPT_USERNAME, request.serverUser.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, request.serverPassword.c_str());
  }
  if (!request.proxyUser.empty()) {
    curl_easy_setopt(curl, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
    curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, request.proxyUser.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, request.proxyPassword.c_str());
  }
}

bool isRedirectHead(const std::string& head) {
  const int code = statusCodeOf(head);
  return (code == 301 || code == 302 || code == 303 || code == 307 || code == 308) &&
         containsText(head, "\r\nLocation:", true);
}

TransportOutcome failureOutcome(CURL* curl, const TransportRequest& request, Collected& collected) {
  if (collected.bodyTooLarge) return TransportOutcome::BodyTooLarge;
  // A redirect head followed by a failure belongs to a hop that did not answer.
  if (collected.headComplete && !(request.followRedirects && isRedirectHead(collected.head))) {
    return TransportOutcome::BodyBroken;
  }
  collected.head.clear();
  collected.body.clear();
  long requestBytes = 0;
  curl_easy_getinfo(curl, CURLINFO_REQUEST_SIZE, &requestBytes);
  return requestBytes > 0 ? TransportOutcome::NoResponse : TransportOutcome::NotSent;
}

}  // namespace

TransportResponse performTransport(const TransportRequest& request) {
  TransportResponse response;
  CurlHandle curl(curl_easy_init());
  std::optional<CurlList> headers = headerList(request);
  std::optional<CurlList> connectTo = connectToList();
  if (!curl || !headers || !connectTo) return response;

  const std::string url = curlUrl(request);
  Collected collected;
  curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
  setSwitches(curl.get(), request);
  setMethodAndBody(curl.get(), request);
  curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers->get());
  curl_easy_setopt(curl.get(), CURLOPT_CONNECT_TO, connectTo->get());
  curl_easy_setopt(curl.get(), CURLOPT_HEADERFUNCTION, collectHeader);
  curl_easy_setopt(curl.get(), CURLOPT_HEADERDATA, &collected);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, collectBody);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &collected);

  const CURLcode result = curl_easy_perform(curl.get());
  response.outcome = result == CURLE_OK && collected.headComplete
                         ? TransportOutcome::Complete
                         : failureOutcome(curl.get(), request, collected);
  response.rawHeaders = std::move(collected.head);
  response.body = std::move(collected.body);
  return response;
}

}  // namespace taoke
