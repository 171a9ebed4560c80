#include "web/fetch_page_inet.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "http/loopback_server.h"
#include "util/gbk_text.h"
#include "web/url_parser.h"

namespace taoke {
namespace {

using testing::LoopbackServer;
using testing::Reply;

struct UrlCase {
  const char* name;
  std::string url;
  std::string host, hostWithPort;
  int port;
  std::string path;
};

void PrintTo(const UrlCase& c, std::ostream* os) { *os << c.name; }

class UrlParserTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UrlParserTest, SplitsHostPortAndPath) {
  const UrlCase& c = GetParam();
  EXPECT_EQ(urlHost(c.url), c.host);
  EXPECT_EQ(urlHost(c.url, true), c.hostWithPort);
  EXPECT_EQ(urlPort(c.url), c.port);
  EXPECT_EQ(urlPath(c.url), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlParserTest,
    ::testing::Values(UrlCase{"Https", "https://myhost/x", "myhost", "myhost", 443, "/x"},
                      UrlCase{"Http", "http://myhost/x", "myhost", "myhost", 80, "/x"},
                      UrlCase{"NoScheme", "myhost/x", "myhost", "myhost", 80, "/x"},
                      UrlCase{"ExplicitPort", "http://myhost:8080/x", "myhost", "myhost:8080", 8080, "/x"},
                      UrlCase{"CaseOfHostAndPath", "HTTP://MyHost:81/Q", "myhost", "myhost:81", 81, "/Q"},
                      UrlCase{"NoPath", "http://myhost", "myhost", "myhost", 80, "/"},
                      UrlCase{"QueryStays", "http://myhost/a?b=1", "myhost", "myhost", 80, "/a?b=1"},
                      UrlCase{"PortNotANumber", "http://myhost:8o/x", "myhost", "myhost:8o", 0, "/x"},
                      UrlCase{"HttpsWithPort", "https://open.suning.com:8443/api", "open.suning.com",
                              "open.suning.com:8443", 8443, "/api"}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr const char* inetUserAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n";

struct InetWireCase {
  const char* name;
  std::function<void(FetchPageInetRequest&)> adjust;
  std::string expectedRequest;  // "{host}" and "{url}" stand for the server's address and the URL
};

void PrintTo(const InetWireCase& c, std::ostream* os) { *os << c.name; }

class FetchPageInetWireTest : public ::testing::TestWithParam<InetWireCase> {};

TEST_P(FetchPageInetWireTest, SendsTheCompletedHeaderText) {
  for (LoopbackServer::Scheme scheme : {LoopbackServer::Scheme::Http, LoopbackServer::Scheme::Https}) {
    LoopbackServer server(scheme);
    server.enqueue(Reply::http("200 OK", "", "ok"));
    FetchPageInetRequest request;
    request.url = server.url("/api/Q");
    GetParam().adjust(request);
    EXPECT_EQ(textOf(fetchPageInet(request)), "ok");
    EXPECT_EQ(server.lastRequest(), replaceAll(replaceAll(GetParam().expectedRequest, "{host}", server.address()),
                                               "{url}", request.url));
  }
}

const std::string inetDefaults = "Accept: */*\r\nReferer: {url}\r\nAccept-Language: zh-cn\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageInetWireTest,
    ::testing::Values(
        InetWireCase{"PlainGet", [](FetchPageInetRequest&) {},
                     "GET /api/Q HTTP/1.1\r\nHost: {host}\r\n" + std::string(inetUserAgent) + inetDefaults + "\r\n"},
        InetWireCase{"GetSendsNoBody", [](FetchPageInetRequest& r) { r.postText = "ignored"; },
                     "GET /api/Q HTTP/1.1\r\nHost: {host}\r\n" + std::string(inetUserAgent) + inetDefaults + "\r\n"},
        InetWireCase{"SuningStylePost",
                     [](FetchPageInetRequest& r) {
                       r.method = 1;
                       r.postText = "{\"a\":1}";
                       r.extraHeaders = "Content-Type: application/json; charset=utf-8\r\nuser-agent: suning-sdk\r\n";
                     },
                     "POST /api/Q HTTP/1.1\r\nHost: {host}\r\nContent-Type: application/json; charset=utf-8\r\n"
                     "User-Agent: suning-sdk\r\n" + inetDefaults + "Content-Length: 7\r\n\r\n{\"a\":1}"},
        InetWireCase{"PostDefaultsWithContentType", [](FetchPageInetRequest& r) { r.method = 1; },
                     "POST /api/Q HTTP/1.1\r\nHost: {host}\r\n" + std::string(inetUserAgent) + inetDefaults +
                         "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 0\r\n\r\n"},
        InetWireCase{"BareCookies", [](FetchPageInetRequest& r) { r.cookies = "a=1"; },
                     "GET /api/Q HTTP/1.1\r\nHost: {host}\r\n" + std::string(inetUserAgent) + inetDefaults +
                         "Cookie: a=1\r\n\r\n"},
        InetWireCase{"CookieText", [](FetchPageInetRequest& r) { r.cookies = "Cookie: a=1"; },
                     "GET /api/Q HTTP/1.1\r\nHost: {host}\r\n" + std::string(inetUserAgent) + inetDefaults +
                         "Cookie: a=1\r\n\r\n"},
        InetWireCase{"EmptyCookiesAddNoLine", [](FetchPageInetRequest& r) { r.cookies = ""; },
                     "GET /api/Q HTTP/1.1\r\nHost: {host}\r\n" + std::string(inetUserAgent) + inetDefaults + "\r\n"},
        InetWireCase{"AgentLineWithoutNormalisation",
                     [](FetchPageInetRequest& r) {
                       r.extraHeaders = "user-agent: X";
                       r.normaliseHeaderNames = false;
                       r.addDefaultHeaders = false;
                     },
                     "GET /api/Q HTTP/1.1\r\nHost: {host}\r\nuser-agent: X\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageInet, PostFillsCallersBytesAndHeaders) {
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", "", "{}"));
  FetchPageInetRequest request;
  request.url = server.url("/api");
  request.method = 1;
  request.postText = "中文";
  request.extraHeaders = "content-type: application/json";
  fetchPageInet(request);
  EXPECT_EQ(request.postBytes, bytesOf("中文"));
  EXPECT_EQ(request.extraHeaders, "Content-Type: application/json\r\nAccept: */*\r\nReferer: " + request.url +
                                      "\r\nAccept-Language: zh-cn");
  EXPECT_TRUE(endsWithText(server.lastRequest(), "\r\n\r\n中文"));
}

TEST(FetchPageInet, UrlWithoutSchemeIsHttp) {
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", "", "plain"));
  FetchPageInetRequest request;
  request.url = server.address() + "/x";
  EXPECT_EQ(textOf(fetchPageInet(request)), "plain");
}

TEST(FetchPageInet, CookiesGivenSwitchRedirectCookiesOff) {
  for (bool cookiesGiven : {false, true}) {
    LoopbackServer server;
    server.enqueue(Reply::redirect("302 Found", "/next", "Set-Cookie: hop=1; Path=/\r\n"));
    server.enqueue(Reply::http("200 OK", "", "done"));
    FetchPageInetRequest request;
    request.url = server.url("/start");
    if (cookiesGiven) request.cookies = "";
    EXPECT_EQ(textOf(fetchPageInet(request)), "done");
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(containsText(server.requests()[1], "Cookie: hop=1\r\n"), !cookiesGiven);
  }
}

struct InetAnswerCase {
  const char* name;
  std::function<Reply()> reply;
  std::optional<std::string> cookies;
  std::string body, receivedCookies;
  std::function<void(const std::string&)> checkHead;
};

void PrintTo(const InetAnswerCase& c, std::ostream* os) { *os << c.name; }

class FetchPageInetAnswerTest : public ::testing::TestWithParam<InetAnswerCase> {};

TEST_P(FetchPageInetAnswerTest, CollectsBodyHeadAndCookies) {
  const InetAnswerCase& c = GetParam();
  LoopbackServer server;
  server.enqueue(c.reply());
  FetchPageInetRequest request;
  request.url = server.url();
  request.cookies = c.cookies;
  request.receivedCookies = "stale=1";
  EXPECT_EQ(textOf(fetchPageInet(request)), c.body);
  EXPECT_EQ(request.receivedCookies, c.receivedCookies);
  c.checkHead(request.responseHeaders);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageInetAnswerTest,
    ::testing::Values(
        InetAnswerCase{"CookiesFoldedWholly", [] { return Reply::http("200 OK", "Set-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\n", "x"); },
                       std::nullopt, "x", "a=1; b=2",
                       [](const std::string& head) { EXPECT_TRUE(startsWithText(head, "HTTP/1.1 200 OK\r\n")); }},
        InetAnswerCase{"MergedWithSent", [] { return Reply::http("200 OK", "Set-Cookie: b=3\r\n", "x"); }, "a=1",
                       "x", "b=3; a=1", [](const std::string&) {}},
        InetAnswerCase{"HeadBeyondBuffer",
                       [] {
                         return Reply::http("200 OK", "Set-Cookie: a=1\r\nX-Padding: " + std::string(6000, 'p') + "\r\n", "body");
                       },
                       std::nullopt, "body", "",
                       [](const std::string& head) { EXPECT_EQ(head, std::string(5000, ' ')); }},
        InetAnswerCase{"ResetMidBodyKeepsWhatWasRead",
                       [] { return Reply::raw("HTTP/1.1 200 OK\r\nContent-Length: 99\r\n\r\npart").stall(200).reset(); },
                       std::nullopt, "part", "",
                       [](const std::string& head) { EXPECT_TRUE(startsWithText(head, "HTTP/1.1 200 OK\r\n")); }},
        InetAnswerCase{"NotHttpGivesNothing", [] { return Reply::raw("220 smtp.example ESMTP\r\n"); }, "a=1", "", "a=1",
                       [](const std::string& head) { EXPECT_EQ(head, ""); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageInet, RefusedConnectionGivesEmptyBody) {
  int port;
  {
    LoopbackServer closed;
    port = closed.port();
  }
  FetchPageInetRequest request;
  request.url = "http://127.0.0.1:" + std::to_string(port) + "/";
  request.responseHeaders = "old";
  EXPECT_TRUE(fetchPageInet(request).empty());
  EXPECT_EQ(request.responseHeaders, "");
}

TEST(FetchPageInet, UnusablePortChangesNothing) {
  FetchPageInetRequest request;
  request.url = "http://myhost:70000/x";
  request.extraHeaders = "accept: x";
  bool sent = false;
  EXPECT_TRUE(fetchPageInet(request, [&](const TransportRequest&) {
                sent = true;
                return TransportResponse{};
              }).empty());
  EXPECT_FALSE(sent);
  EXPECT_EQ(request.extraHeaders, "accept: x");
}

TEST(FetchPageInet, ProxyTextFormsAndTimeouts) {
  for (const char* url : {"http://myhost/x", "https://myhost/x"}) {
    FetchPageInetRequest request;
    request.url = url;
    request.proxy = "127.0.0.1:8888";
    fetchPageInet(request, [&](const TransportRequest& wire) {
      EXPECT_EQ(wire.proxy, wire.secure ? "127.0.0.1:8888" : "http=127.0.0.1:8888");
      EXPECT_EQ(wire.connectTimeoutMs, 60000);
      EXPECT_EQ(wire.stallTimeoutMs, 30000);
      return TransportResponse{};
    });
  }
}

}  // namespace
}  // namespace taoke
