#include "web/fetch_page_obj.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "http/loopback_server.h"
#include "util/gbk_text.h"

namespace taoke {
namespace {

using testing::LoopbackServer;
using testing::Reply;

constexpr const char* objUserAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

struct ObjWireCase {
  const char* name;
  std::function<void(FetchPageObjRequest&)> adjust;
  std::string expectedRequest;  // "{host}" and "{url}" stand for the server's address and the URL
  std::string expectedHeaders;  // the caller's extraHeaders afterwards
};

void PrintTo(const ObjWireCase& c, std::ostream* os) { *os << c.name; }

class FetchPageObjWireTest : public ::testing::TestWithParam<ObjWireCase> {};

std::string filled(std::string text, const LoopbackServer& server) {
  return replaceAll(replaceAll(text, "{host}", server.address()), "{url}", server.url("/p"));
}

TEST_P(FetchPageObjWireTest, SetsHeadersOneByOne) {
  const ObjWireCase& c = GetParam();
  for (LoopbackServer::Scheme scheme : {LoopbackServer::Scheme::Http, LoopbackServer::Scheme::Https}) {
    LoopbackServer server(scheme);
    server.enqueue(Reply::http("200 OK", "", "ok"));
    FetchPageObjRequest request;
    request.url = server.url("/p");
    c.adjust(request);
    EXPECT_EQ(textOf(fetchPageObj(request)), "ok");
    EXPECT_EQ(server.lastRequest(), filled(c.expectedRequest, server));
    EXPECT_EQ(request.extraHeaders, filled(c.expectedHeaders, server));
  }
}

const std::string objDefaults =
    "Accept: */*\r\nReferer: {url}\r\nAccept-Language: zh-cn\r\n" + std::string(objUserAgent) + "\r\n";
const std::string objDefaultBlock =
    "Accept: */*\r\nReferer: {url}\r\nAccept-Language: zh-cn\r\n" + std::string(objUserAgent);

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageObjWireTest,
    ::testing::Values(
        ObjWireCase{"Defaults", [](FetchPageObjRequest&) {},
                    "GET /p HTTP/1.1\r\nHost: {host}\r\n" + objDefaults + "\r\n", objDefaultBlock},
        ObjWireCase{"PostAddsContentType", [](FetchPageObjRequest& r) { r.method = 1; },
                    "POST /p HTTP/1.1\r\nHost: {host}\r\n" + objDefaults +
                        "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 0\r\n\r\n",
                    objDefaultBlock + "\r\nContent-Type: application/x-www-form-urlencoded"},
        ObjWireCase{"MethodOutOfRangeIsGet", [](FetchPageObjRequest& r) { r.method = 12; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\n" + objDefaults + "\r\n", objDefaultBlock},
        ObjWireCase{"CallerRefererSuppressesDefault", [](FetchPageObjRequest& r) { r.extraHeaders = "referer: x"; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\nReferer: x\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n" +
                        std::string(objUserAgent) + "\r\n\r\n",
                    "Referer: x\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n" + std::string(objUserAgent)},
        ObjWireCase{"KeepAliveSkipped", [](FetchPageObjRequest& r) { r.extraHeaders = "Connection: keep-alive"; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\n" + objDefaults + "\r\n",
                    "Connection: keep-alive\r\n" + objDefaultBlock},
        ObjWireCase{"CookieTextKeepsItsSpace", [](FetchPageObjRequest& r) { r.cookies = "Cookie: a=1"; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\nCookie:  a=1\r\n" + objDefaults + "\r\n", objDefaultBlock},
        ObjWireCase{"EmptyCookiesStillSendCookieHeader", [](FetchPageObjRequest& r) { r.cookies = ""; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\nCookie:\r\n" + objDefaults + "\r\n", objDefaultBlock},
        ObjWireCase{"CallerCookieLineReplacesCookies",
                    [](FetchPageObjRequest& r) { r.cookies = "a=1"; r.extraHeaders = "Cookie: b=2"; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\nCookie: b=2\r\n" + objDefaults + "\r\n",
                    "Cookie: b=2\r\n" + objDefaultBlock},
        ObjWireCase{"PostTextAsUtf8",
                    [](FetchPageObjRequest& r) { r.method = 1; r.postText = "q=中"; r.addDefaultHeaders = false; },
                    "POST /p HTTP/1.1\r\nHost: {host}\r\nContent-Length: 5\r\n\r\nq=\xE4\xB8\xAD", ""},
        ObjWireCase{"SingleLineWithoutDefaults",
                    [](FetchPageObjRequest& r) { r.extraHeaders = "x-one:  1 "; r.addDefaultHeaders = false; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\nX-One: 1\r\n\r\n", "X-One:  1 "},
        ObjWireCase{"RefusedHeaderLeftOut",
                    [](FetchPageObjRequest& r) { r.extraHeaders = "Bad\x01Name: 1\r\nX-Good: 2"; r.addDefaultHeaders = false; },
                    "GET /p HTTP/1.1\r\nHost: {host}\r\nX-Good: 2\r\n\r\n", "Bad\x01Name: 1\r\nX-Good: 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageObjAnswer, NoRedirectReportsTheRedirect) {
  LoopbackServer server;
  server.enqueue(Reply::redirect("302 Found", "https://item.jd.com/100.html", "Set-Cookie: s=1; Path=/\r\n"));
  FetchPageObjRequest request;
  request.url = server.url("/short");
  request.noRedirect = true;
  EXPECT_EQ(textOf(fetchPageObj(request)), "moved");
  EXPECT_EQ(request.statusCode, 302);
  EXPECT_TRUE(containsText(request.responseHeaders, "Location: https://item.jd.com/100.html\r\n"));
  EXPECT_FALSE(startsWithText(request.responseHeaders, "HTTP/"));
  EXPECT_EQ(request.receivedCookies, "s=1");
}

TEST(FetchPageObjAnswer, RedirectCookieCarriedOnlyWhenNoCookiesGiven) {
  for (bool cookiesGiven : {false, true}) {
    LoopbackServer server;
    server.enqueue(Reply::redirect("302 Found", "/next", "Set-Cookie: hop=1; Path=/\r\n"));
    server.enqueue(Reply::http("200 OK", "", "done"));
    FetchPageObjRequest request;
    request.url = server.url("/start");
    if (cookiesGiven) request.cookies = "mine=2";
    EXPECT_EQ(textOf(fetchPageObj(request)), "done");
    ASSERT_EQ(server.requests().size(), 2u);
    const std::string second = server.requests()[1];
    EXPECT_EQ(containsText(second, "Cookie: hop=1\r\n"), !cookiesGiven);
    EXPECT_EQ(containsText(second, "Cookie: mine=2\r\n"), cookiesGiven);
  }
}

struct ObjCookieCase {
  const char* name;
  std::string setCookieLines;
  std::optional<std::string> cookies;
  std::string received;
};

void PrintTo(const ObjCookieCase& c, std::ostream* os) { *os << c.name; }

class FetchPageObjCookieTest : public ::testing::TestWithParam<ObjCookieCase> {};

TEST_P(FetchPageObjCookieTest, ReceivedCookiesStartEmpty) {
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", GetParam().setCookieLines, ""));
  FetchPageObjRequest request;
  request.url = server.url();
  request.cookies = GetParam().cookies;
  request.receivedCookies = "stale=1";
  fetchPageObj(request);
  EXPECT_EQ(request.receivedCookies, GetParam().received);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageObjCookieTest,
    ::testing::Values(ObjCookieCase{"NoneReceived", "", std::nullopt, ""},
                      ObjCookieCase{"NoneReceivedWithSent", "", "a=1", "a=1"},
                      ObjCookieCase{"Folded", "Set-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\n", std::nullopt, "a=1; b=2"},
                      ObjCookieCase{"Merged", "Set-Cookie: a=9\r\n", "a=1; c=3", "a=9; c=3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageObjFailure, UnreachableHostGivesEmptyEverything) {
  int port;
  {
    LoopbackServer closed;
    port = closed.port();
  }
  FetchPageObjRequest request;
  request.url = "http://127.0.0.1:" + std::to_string(port) + "/";
  request.cookies = "a=1";
  request.statusCode = 7;
  request.responseHeaders = "old";
  EXPECT_TRUE(fetchPageObj(request).empty());
  EXPECT_EQ(request.statusCode, 0);
  EXPECT_EQ(request.responseHeaders, "");
  EXPECT_EQ(request.receivedCookies, "a=1");
}

TEST(FetchPageObjFailure, BrokenBodyGivesEmptyBody) {
  LoopbackServer server;
  server.enqueue(Reply::raw("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\npartial").close());
  FetchPageObjRequest request;
  request.url = server.url();
  EXPECT_TRUE(fetchPageObj(request).empty());
  EXPECT_EQ(request.statusCode, 0);
}

struct ObjCompositionCase {
  const char* name;
  std::function<void(FetchPageObjRequest&)> adjust;
  std::function<void(const TransportRequest&)> check;
};

void PrintTo(const ObjCompositionCase& c, std::ostream* os) { *os << c.name; }

class FetchPageObjCompositionTest : public ::testing::TestWithParam<ObjCompositionCase> {};

TEST_P(FetchPageObjCompositionTest, PassesTheSwitches) {
  FetchPageObjRequest request;
  request.url = "http://shop.example/";
  GetParam().adjust(request);
  bool called = false;
  fetchPageObj(request, [&](const TransportRequest& wire) {
    called = true;
    GetParam().check(wire);
    return TransportResponse{TransportOutcome::Complete, "HTTP/1.1 200 OK\r\n\r\n", {}};
  });
  EXPECT_TRUE(called);
}

bool hasLine(const TransportRequest& wire, const std::string& line) {
  return std::find(wire.headerLines.begin(), wire.headerLines.end(), line) != wire.headerLines.end();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageObjCompositionTest,
    ::testing::Values(
        ObjCompositionCase{"TimeoutOmittedIsFifteenSeconds", [](FetchPageObjRequest&) {},
                           [](const TransportRequest& w) {
                             EXPECT_EQ(w.connectTimeoutMs, 15000);
                             EXPECT_EQ(w.stallTimeoutMs, 15000);
                           }},
        ObjCompositionCase{"MinusOneKeepsObjectsOwn", [](FetchPageObjRequest& r) { r.timeoutSeconds = -1; },
                           [](const TransportRequest& w) {
                             EXPECT_EQ(w.connectTimeoutMs, 60000);
                             EXPECT_EQ(w.stallTimeoutMs, 30000);
                           }},
        ObjCompositionCase{"TimeoutFive", [](FetchPageObjRequest& r) { r.timeoutSeconds = 5; },
                           [](const TransportRequest& w) { EXPECT_EQ(w.stallTimeoutMs, 5000); }},
        ObjCompositionCase{"ProxyTextAsGiven", [](FetchPageObjRequest& r) { r.proxy = "127.0.0.1:8888"; },
                           [](const TransportRequest& w) { EXPECT_EQ(w.proxy, "127.0.0.1:8888"); }},
        ObjCompositionCase{"ProxyAuthorisationHeader",
                           [](FetchPageObjRequest& r) { r.proxy = "p:1"; r.proxyUser = "u"; r.proxyPassword = "p"; },
                           [](const TransportRequest& w) {
                             EXPECT_TRUE(hasLine(w, "Proxy-Authorization: Basic dTpw"));
                             EXPECT_EQ(w.proxyUser, "");
                           }},
        ObjCompositionCase{"ServerCredentialsTarget",
                           [](FetchPageObjRequest& r) {
                             r.proxy = "p:1";
                             r.proxyUser = "u";
                             r.proxyPassword = "p";
                             r.credentialsFor = 0;
                           },
                           [](const TransportRequest& w) {
                             EXPECT_FALSE(hasLine(w, "Proxy-Authorization: Basic dTpw"));
                             EXPECT_EQ(w.serverUser, "u");
                           }},
        ObjCompositionCase{"NoRedirect", [](FetchPageObjRequest& r) { r.noRedirect = true; },
                           [](const TransportRequest& w) { EXPECT_FALSE(w.followRedirects); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageObjAnswer, HttpsProxyCredentialsGoOnTheTunnelOnly) {
  LoopbackServer proxy;
  proxy.enqueue(Reply::http("403 Forbidden", "", ""));
  FetchPageObjRequest request;
  request.url = "https://shop.example/";
  request.proxy = proxy.address();
  request.proxyUser = "u";
  request.proxyPassword = "p";
  fetchPageObj(request);
  EXPECT_TRUE(startsWithText(proxy.lastRequest(), "CONNECT shop.example:443 HTTP/1.1\r\n"));
  EXPECT_TRUE(containsText(proxy.lastRequest(), "Proxy-Authorization: Basic dTpw\r\n"));
}

}  // namespace
}  // namespace taoke
