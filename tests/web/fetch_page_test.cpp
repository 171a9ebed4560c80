#include "web/fetch_page.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "http/loopback_server.h"
#include "util/gbk_text.h"

namespace taoke {
namespace {

using testing::LoopbackServer;
using testing::Reply;

constexpr const char* defaultUserAgent =
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n";
constexpr const char* defaultAccept = "Accept: text/html, application/xhtml+xml, */*\r\n";
constexpr const char* defaultLanguageLines = "Accept-Encoding: gbk, GB2312\r\nAccept-Language: zh-cn\r\n";
constexpr const char* defaultCacheControl = "Cache-Control: no-cache\r\n";
constexpr const char* defaultContentType = "Content-Type: application/x-www-form-urlencoded\r\n";

std::string plainDefaults() {
  return std::string(defaultUserAgent) + defaultAccept + defaultLanguageLines + defaultCacheControl;
}

std::string postDefaults() {
  return std::string(defaultUserAgent) + defaultAccept + defaultLanguageLines + defaultContentType +
         defaultCacheControl;
}

// ---- What goes on the wire -------------------------------------------------------------------

struct WireCase {
  const char* name;
  std::string path;
  std::function<void(FetchPageRequest&)> adjust;
  std::string expected;  // "{host}" stands for the server's address
};

void PrintTo(const WireCase& c, std::ostream* os) { *os << c.name; }

class FetchPageWireTest : public ::testing::TestWithParam<WireCase> {};

TEST_P(FetchPageWireTest, SendsExactlyTheComposedRequest) {
  const WireCase& c = GetParam();
  for (LoopbackServer::Scheme scheme : {LoopbackServer::Scheme::Http, LoopbackServer::Scheme::Https}) {
    LoopbackServer server(scheme);
    server.enqueue(Reply::http("200 OK", "", "ok"));
    FetchPageRequest request;
    request.url = server.url(c.path);
    c.adjust(request);
    EXPECT_EQ(fetchPage(request), "ok");
    EXPECT_EQ(server.lastRequest(), replaceAll(c.expected, "{host}", server.address()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageWireTest,
    ::testing::Values(
        WireCase{"PlainGet", "/", [](FetchPageRequest&) {},
                 "GET / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"},
        WireCase{"PostWithoutBody", "/p", [](FetchPageRequest& r) { r.method = 1; },
                 "POST /p HTTP/1.1\r\nHost: {host}\r\n" + postDefaults() + "Content-Length: 0\r\n\r\n"},
        WireCase{"MethodNineIsGet", "/", [](FetchPageRequest& r) { r.method = 9; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"},
        WireCase{"MethodMinusOneIsGet", "/", [](FetchPageRequest& r) { r.method = -1; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"},
        WireCase{"PostTextAsGbkBytes", "/", [](FetchPageRequest& r) { r.method = 1; r.postText = "k=中"; },
                 "POST / HTTP/1.1\r\nHost: {host}\r\n" + postDefaults() + "Content-Length: 4\r\n\r\nk=中"},
        WireCase{"PostBytesWinOverText", "/",
                 [](FetchPageRequest& r) { r.method = 1; r.postText = "text"; r.postBytes = bytesOf("bytes"); },
                 "POST / HTTP/1.1\r\nHost: {host}\r\n" + postDefaults() + "Content-Length: 5\r\n\r\nbytes"},
        WireCase{"PutWithBody", "/", [](FetchPageRequest& r) { r.method = 3; r.postText = "x"; },
                 "PUT / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "Content-Length: 1\r\n\r\nx"},
        WireCase{"CallerUserAgentSuppressesDefault", "/", [](FetchPageRequest& r) { r.extraHeaders = "user-agent: X"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nUser-Agent: X\r\n" + std::string(defaultAccept) +
                     defaultLanguageLines + defaultCacheControl + "\r\n"},
        WireCase{"AcceptWithoutSpaceKeepsDefault", "/", [](FetchPageRequest& r) { r.extraHeaders = "Accept:text/plain"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nAccept:text/plain\r\n" + plainDefaults() + "\r\n"},
        WireCase{"CallerContentTypeForPost", "/",
                 [](FetchPageRequest& r) { r.method = 1; r.extraHeaders = "Content-Type:application/json"; },
                 "POST / HTTP/1.1\r\nHost: {host}\r\nContent-Type:application/json\r\n" + plainDefaults() +
                     "Content-Length: 0\r\n\r\n"},
        WireCase{"KeepAliveBeforeAnotherLineRemoved", "/",
                 [](FetchPageRequest& r) { r.extraHeaders = "Connection: keep-alive\r\nX-A: 1"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nX-A: 1\r\n" + plainDefaults() + "\r\n"},
        WireCase{"KeepAliveAsLastLineStays", "/",
                 [](FetchPageRequest& r) {
                   r.extraHeaders = "X-A: 1\r\nConnection: keep-alive";
                   r.addDefaultHeaders = false;
                 },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nX-A: 1\r\nConnection: keep-alive\r\n\r\n"},
        WireCase{"BareCookiesGetCookieLine", "/", [](FetchPageRequest& r) { r.cookies = "a=1; b=2"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "Cookie: a=1; b=2\r\n\r\n"},
        WireCase{"CookieTextAddedUnchanged", "/", [](FetchPageRequest& r) { r.cookies = "Cookie: a=1"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "Cookie: a=1\r\n\r\n"},
        WireCase{"CallerCookieLineWins", "/",
                 [](FetchPageRequest& r) { r.extraHeaders = "cookie: z=9"; r.cookies = "a=1"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nCookie: z=9\r\n" + plainDefaults() + "\r\n"},
        WireCase{"NoDefaultsNoNormalisation", "/",
                 [](FetchPageRequest& r) {
                   r.extraHeaders = "x-a: 1\r\n\r\nx-b:2";
                   r.addDefaultHeaders = false;
                   r.normaliseHeaderNames = false;
                 },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nx-a: 1\r\nx-b:2\r\n\r\n"},
        WireCase{"ServerCredentials", "/", [](FetchPageRequest& r) { r.user = "u"; r.password = "p"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\nAuthorization: Basic dTpw\r\n" + plainDefaults() + "\r\n"},
        WireCase{"CredentialsNeedBothParts", "/", [](FetchPageRequest& r) { r.user = "u"; },
                 "GET / HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"},
        WireCase{"TargetCharactersEncodedAsUtf8", "/a b/中?q=文&r=%41#frag", [](FetchPageRequest&) {},
                 "GET /a%20b/%E4%B8%AD?q=%E6%96%87&r=%41 HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"},
        WireCase{"QueryWithoutPath", "?q=1", [](FetchPageRequest&) {},
                 "GET /?q=1 HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"},
        WireCase{"DotSegmentsKept", "/a/../b", [](FetchPageRequest&) {},
                 "GET /a/../b HTTP/1.1\r\nHost: {host}\r\n" + plainDefaults() + "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- What the engine hands to the client ----------------------------------------------------

struct CompositionCase {
  const char* name;
  std::string url;
  std::function<void(FetchPageRequest&)> adjust;
  std::function<void(const TransportRequest&)> check;
};

void PrintTo(const CompositionCase& c, std::ostream* os) { *os << c.name; }

class FetchPageCompositionTest : public ::testing::TestWithParam<CompositionCase> {};

TEST_P(FetchPageCompositionTest, PassesTheSwitches) {
  const CompositionCase& c = GetParam();
  FetchPageRequest request;
  request.url = c.url;
  c.adjust(request);
  bool called = false;
  fetchPage(request, [&](const TransportRequest& wire) {
    called = true;
    c.check(wire);
    return TransportResponse{TransportOutcome::Complete, "HTTP/1.1 200 OK\r\n\r\n", {}};
  });
  EXPECT_TRUE(called);
}

void expectTimeouts(const TransportRequest& wire, int milliseconds) {
  EXPECT_EQ(wire.connectTimeoutMs, milliseconds);
  EXPECT_EQ(wire.stallTimeoutMs, milliseconds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageCompositionTest,
    ::testing::Values(
        CompositionCase{"TimeoutZeroIsThirtySeconds", "http://h/", [](FetchPageRequest&) {},
                        [](const TransportRequest& w) { expectTimeouts(w, 30000); }},
        CompositionCase{"NegativeTimeoutIsThirtySeconds", "http://h/", [](FetchPageRequest& r) { r.timeoutSeconds = -4; },
                        [](const TransportRequest& w) { expectTimeouts(w, 30000); }},
        CompositionCase{"TimeoutFive", "http://h/", [](FetchPageRequest& r) { r.timeoutSeconds = 5; },
                        [](const TransportRequest& w) { expectTimeouts(w, 5000); }},
        CompositionCase{"HugeTimeoutStaysInRange", "http://h/", [](FetchPageRequest& r) { r.timeoutSeconds = 2000000000; },
                        [](const TransportRequest& w) { expectTimeouts(w, 24 * 3600 * 1000); }},
        CompositionCase{"HttpsProxyTextUnchanged", "https://h/", [](FetchPageRequest& r) { r.proxy = "127.0.0.1:8888"; },
                        [](const TransportRequest& w) { EXPECT_EQ(w.proxy, "127.0.0.1:8888"); }},
        CompositionCase{"HttpProxyTextForHttpOnly", "http://h/", [](FetchPageRequest& r) { r.proxy = "127.0.0.1:8888"; },
                        [](const TransportRequest& w) { EXPECT_EQ(w.proxy, "http=127.0.0.1:8888"); }},
        CompositionCase{"NoProxy", "http://h/", [](FetchPageRequest&) {},
                        [](const TransportRequest& w) { EXPECT_EQ(w.proxy, ""); }},
        CompositionCase{"ProxyCredentials", "http://h/",
                        [](FetchPageRequest& r) { r.proxy = "p:1"; r.proxyUser = "pu"; r.proxyPassword = "pp"; },
                        [](const TransportRequest& w) {
                          EXPECT_EQ(w.proxyUser, "pu");
                          EXPECT_EQ(w.proxyPassword, "pp");
                        }},
        CompositionCase{"RedirectsFollowedByDefault", "http://h/", [](FetchPageRequest&) {},
                        [](const TransportRequest& w) { EXPECT_TRUE(w.followRedirects); }},
        CompositionCase{"NoRedirect", "http://h/", [](FetchPageRequest& r) { r.noRedirect = true; },
                        [](const TransportRequest& w) { EXPECT_FALSE(w.followRedirects); }},
        CompositionCase{"NoAutomaticCookies", "http://h/", [](FetchPageRequest& r) { r.cookies = "a=1"; },
                        [](const TransportRequest& w) { EXPECT_FALSE(w.carryRedirectCookies); }},
        CompositionCase{"HttpsPortAndHost", "HTTPS://Shop.Example:8443/x", [](FetchPageRequest&) {},
                        [](const TransportRequest& w) {
                          EXPECT_TRUE(w.secure);
                          EXPECT_EQ(w.host, "Shop.Example");
                          EXPECT_EQ(w.port, 8443);
                          EXPECT_EQ(w.target, "/x");
                        }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Failures before anything is sent ------------------------------------------------------

struct RefusedCase {
  const char* name;
  std::function<void(FetchPageRequest&)> adjust;
  std::string status;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class FetchPageRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(FetchPageRefusedTest, WritesTheStepsTextAndSendsNothing) {
  FetchPageRequest request;
  request.url = "http://h/";
  request.responseHeaders = "untouched";
  GetParam().adjust(request);
  bool sent = false;
  EXPECT_EQ(fetchPage(request, [&](const TransportRequest&) {
              sent = true;
              return TransportResponse{};
            }),
            "");
  EXPECT_FALSE(sent);
  EXPECT_EQ(request.status, GetParam().status);
  EXPECT_EQ(request.responseHeaders, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageRefusedTest,
    ::testing::Values(
        RefusedCase{"NotHttp", [](FetchPageRequest& r) { r.url = "ftp://h/"; }, "701 解析URL地址失败!"},
        RefusedCase{"NoHost", [](FetchPageRequest& r) { r.url = "http:///x"; }, "701 解析URL地址失败!"},
        RefusedCase{"PortOutOfRange", [](FetchPageRequest& r) { r.url = "http://h:70000/"; }, "701 解析URL地址失败!"},
        RefusedCase{"PortNotANumber", [](FetchPageRequest& r) { r.url = "http://h:8o/"; }, "701 解析URL地址失败!"},
        RefusedCase{"ChineseHost", [](FetchPageRequest& r) { r.url = "http://淘宝/"; }, "701 解析URL地址失败!"},
        RefusedCase{"LineBreakInCookies", [](FetchPageRequest& r) { r.cookies = "a=1\nX-Injected: 1"; },
                    "710 设置协议头失败!"},
        RefusedCase{"LineWithoutColon", [](FetchPageRequest& r) {
                      r.extraHeaders = "no colon here";
                      r.normaliseHeaderNames = false;
                    },
                    "710 设置协议头失败!"}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutcomeCase {
  const char* name;
  TransportOutcome outcome;
  std::string status, result;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

class FetchPageOutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(FetchPageOutcomeTest, MapsTheClientsOutcomeToTheStatusText) {
  FetchPageRequest request;
  request.url = "http://h/";
  const std::string result = fetchPage(request, [](const TransportRequest&) {
    return TransportResponse{GetParam().outcome, "HTTP/1.1 200 OK\r\n\r\n", bytesOf("partial")};
  });
  EXPECT_EQ(result, GetParam().result);
  EXPECT_EQ(request.status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageOutcomeTest,
    ::testing::Values(OutcomeCase{"NoSession", TransportOutcome::NoSession, "702 创建WinHttp会话失败!", ""},
                      OutcomeCase{"NotSent", TransportOutcome::NotSent, "711 发送请求失败!", ""},
                      OutcomeCase{"NoResponse", TransportOutcome::NoResponse, "712 服务器未响应!", ""},
                      OutcomeCase{"BodyBroken", TransportOutcome::BodyBroken, "200 OK", "partial"},
                      OutcomeCase{"BodyTooLarge", TransportOutcome::BodyTooLarge, "713 读取数据失败!", "partial"},
                      OutcomeCase{"Complete", TransportOutcome::Complete, "200 OK", "partial"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Answers ---------------------------------------------------------------------------------

TEST(FetchPageAnswer, FollowsRedirectsAndReportsTheFinalResponse) {
  LoopbackServer server;
  server.enqueue(Reply::redirect("302 Found", "/next", "Set-Cookie: hop=1\r\n"));
  server.enqueue(Reply::http("200 OK", "Set-Cookie: final=2\r\n", "final page"));
  FetchPageRequest request;
  request.url = server.url("/start");
  EXPECT_EQ(fetchPage(request), "final page");
  EXPECT_EQ(request.status, "200 OK");
  EXPECT_TRUE(startsWithText(request.responseHeaders, "HTTP/1.1 200 OK\r\n"));
  EXPECT_TRUE(endsWithText(request.responseHeaders, "\r\n\r\n"));
  EXPECT_EQ(request.location, "");
  EXPECT_EQ(request.receivedCookies, "final=2");
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_TRUE(startsWithText(server.requests()[1], "GET /next HTTP/1.1\r\n"));
  // Cookies live only in the caller's variables: the hop's cookie is not sent on.
  EXPECT_FALSE(containsText(server.requests()[1], "hop=1"));
}

TEST(FetchPageAnswer, NoRedirectReturnsTheRedirectWithItsLocation) {
  LoopbackServer server;
  server.enqueue(Reply::redirect("302 Found", "http://elsewhere.example/x"));
  FetchPageRequest request;
  request.url = server.url("/start");
  request.noRedirect = true;
  EXPECT_EQ(fetchPage(request), "moved");
  EXPECT_EQ(request.status, "302 Found");
  EXPECT_EQ(request.location, "http://elsewhere.example/x");
  EXPECT_EQ(textOf(request.responseBytes), "moved");
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST(FetchPageAnswer, RedirectLoopEndsAfterBoundedHops) {
  LoopbackServer server;
  server.setFallback(Reply::redirect("302 Found", "/again"));
  FetchPageRequest request;
  request.url = server.url("/again");
  fetchPage(request);
  EXPECT_LE(server.requests().size(), 11u);
}

struct CookieCase {
  const char* name;
  std::string setCookieLines, cookies, receivedBefore, receivedAfter, cookiesAfter;
};

void PrintTo(const CookieCase& c, std::ostream* os) { *os << c.name; }

class FetchPageCookieTest : public ::testing::TestWithParam<CookieCase> {};

TEST_P(FetchPageCookieTest, FoldsAndMergesReceivedCookies) {
  const CookieCase& c = GetParam();
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", c.setCookieLines, ""));
  FetchPageRequest request;
  request.url = server.url();
  request.cookies = c.cookies;
  request.receivedCookies = c.receivedBefore;
  fetchPage(request);
  EXPECT_EQ(request.receivedCookies, c.receivedAfter);
  EXPECT_EQ(request.cookies, c.cookiesAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageCookieTest,
    ::testing::Values(
        CookieCase{"TwoLines", "Set-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\n", "", "", "a=1; b=2", ""},
        CookieCase{"AfterCallersValue", "Set-Cookie: a=1\r\nSet-Cookie: b=2; HttpOnly\r\n", "", "x=0; ", "x=0; a=1; b=2", ""},
        CookieCase{"CallersSeparatorRemovedWithoutNewCookies", "", "", "x=0; ", "x=0", ""},
        CookieCase{"MergedWithSent", "Set-Cookie: b=9\r\nSet-Cookie: c=deleted\r\n", "a=1; b=2; c=3", "", "b=9; a=1",
                   "a=1; b=2; c=3"},
        CookieCase{"SentTrimmedInPlace", "", " a=1; ", "", "a=1", "a=1; "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageAnswer, MergingCanBeSwitchedOff) {
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", "Set-Cookie: b=9\r\n", ""));
  FetchPageRequest request;
  request.url = server.url();
  request.cookies = "a=1";
  request.mergeReceivedCookies = false;
  fetchPage(request);
  EXPECT_EQ(request.receivedCookies, "b=9");
}

// The meta tag is seen only within the first 1024 bytes of the page.
struct CharsetCase {
  const char* name;
  std::size_t tagOffset;
  std::string tag;
  std::string body;      // after the tag
  std::string expected;  // after the padding and the tag
};

void PrintTo(const CharsetCase& c, std::ostream* os) { *os << c.name; }

class FetchPageCharsetTest : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(FetchPageCharsetTest, DecodesDeclaredCharsetOnlyNearTheStart) {
  const CharsetCase& c = GetParam();
  const std::string head = std::string(c.tagOffset, ' ') + c.tag;
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", "Content-Type: text/html\r\n", head + c.body));
  FetchPageRequest request;
  request.url = server.url();
  EXPECT_EQ(fetchPage(request), head + c.expected);
  EXPECT_EQ(textOf(request.responseBytes), head + c.body);
}

const std::string utf8Chinese = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageCharsetTest,
    ::testing::Values(
        CharsetCase{"Utf8AtByte1000", 1000, "<meta charset=\"utf-8\">", utf8Chinese, "中文"},
        CharsetCase{"Utf8AtByte1100", 1100, "<meta charset=\"utf-8\">", utf8Chinese, utf8Chinese},
        CharsetCase{"ContentTypeForm", 0, "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
                    utf8Chinese, "中文"},
        CharsetCase{"GbkUnchanged", 0, "<meta charset=gbk>", "中文", "中文"},
        CharsetCase{"Gb2312Unchanged", 0, "<meta charset=gb2312>", "中文", "中文"},
        CharsetCase{"GbkInCapitalsDecodedToTheSame", 0, "<meta charset=GBK>", "中文", "中文"},
        CharsetCase{"NoTagRawBytes", 0, "{\"k\":1}", utf8Chinese, utf8Chinese}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageAnswer, TextEndsAtZeroByteButBytesAreWhole) {
  LoopbackServer server;
  server.enqueue(Reply::http("200 OK", "", std::string("ab\0cd", 5)));
  FetchPageRequest request;
  request.url = server.url();
  EXPECT_EQ(fetchPage(request), "ab");
  EXPECT_EQ(request.responseBytes.size(), 5u);
}

TEST(FetchPageAnswer, ChunkedBodyIsReassembled) {
  LoopbackServer server;
  server.enqueue(Reply::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n" +
                            testing::chunkedBody(std::string(5000, 'x'), 1000)));
  FetchPageRequest request;
  request.url = server.url();
  EXPECT_EQ(fetchPage(request), std::string(5000, 'x'));
  EXPECT_EQ(request.status, "200 OK");
}

TEST(FetchPageAnswer, ConnectToSendsNamedServiceToLoopback) {
  for (LoopbackServer::Scheme scheme : {LoopbackServer::Scheme::Http, LoopbackServer::Scheme::Https}) {
    LoopbackServer server(scheme);
    server.enqueue(Reply::http("200 OK", "", "service"));
    testing::ScopedConnectTo connectTo("other.example::127.0.0.1:1," + server.connectToEntry("api.zhetaoke.com", 10001));
    const std::string scheme_text = scheme == LoopbackServer::Scheme::Https ? "https" : "http";
    EXPECT_EQ(fetchPage(scheme_text + "://api.zhetaoke.com:10001/api/x.ashx?a=1"), "service");
    EXPECT_TRUE(startsWithText(server.lastRequest(),
                               "GET /api/x.ashx?a=1 HTTP/1.1\r\nHost: api.zhetaoke.com:10001\r\n"));
  }
}

TEST(FetchPageAnswer, HttpUrlGoesThroughProxyInAbsoluteForm) {
  LoopbackServer proxy;
  proxy.enqueue(Reply::http("200 OK", "", "via proxy"));
  FetchPageRequest request;
  request.url = "http://shop.example/item?id=1";
  request.proxy = proxy.address();
  EXPECT_EQ(fetchPage(request), "via proxy");
  EXPECT_TRUE(startsWithText(proxy.lastRequest(), "GET http://shop.example/item?id=1 HTTP/1.1\r\nHost: shop.example\r\n"));
}

TEST(FetchPageAnswer, HttpsUrlTunnelsThroughProxy) {
  LoopbackServer proxy;
  proxy.enqueue(Reply::http("403 Forbidden", "", ""));
  FetchPageRequest request;
  request.url = "https://shop.example/item";
  request.proxy = proxy.address();
  EXPECT_EQ(fetchPage(request), "");
  EXPECT_TRUE(startsWithText(proxy.lastRequest(), "CONNECT shop.example:443 HTTP/1.1\r\n"));
}

// ---- Failures on the network -----------------------------------------------------------------

int closedPort() {
  LoopbackServer server;
  return server.port();
}

TEST(FetchPageFailure, RefusedConnectionIsASendFailure) {
  FetchPageRequest request;
  request.url = "http://127.0.0.1:" + std::to_string(closedPort()) + "/";
  request.responseHeaders = "untouched";
  request.receivedCookies = "kept";
  EXPECT_EQ(fetchPage(request), "");
  EXPECT_EQ(request.status, "711 发送请求失败!");
  EXPECT_EQ(request.responseHeaders, "untouched");
  EXPECT_EQ(request.receivedCookies, "kept");
}

struct BrokenAnswerCase {
  const char* name;
  std::function<Reply()> reply;
  std::string result, status;
};

void PrintTo(const BrokenAnswerCase& c, std::ostream* os) { *os << c.name; }

class FetchPageBrokenAnswerTest : public ::testing::TestWithParam<BrokenAnswerCase> {};

TEST_P(FetchPageBrokenAnswerTest, GivesTheStepsTextAndResult) {
  const BrokenAnswerCase& c = GetParam();
  for (LoopbackServer::Scheme scheme : {LoopbackServer::Scheme::Http, LoopbackServer::Scheme::Https}) {
    LoopbackServer server(scheme);
    server.enqueue(c.reply());
    FetchPageRequest request;
    request.url = server.url();
    request.timeoutSeconds = 1;
    EXPECT_EQ(fetchPage(request), c.result);
    EXPECT_EQ(request.status, c.status);
  }
}

const std::string tenBytesOfHundred = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789";

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageBrokenAnswerTest,
    ::testing::Values(
        BrokenAnswerCase{"NoAnswerInTime", [] { return Reply().stall(3000); }, "", "712 服务器未响应!"},
        BrokenAnswerCase{"ClosedWithoutAnswer", [] { return Reply().close(); }, "", "712 服务器未响应!"},
        BrokenAnswerCase{"StatusLineNotHttp", [] { return Reply::raw("SSH-2.0-OpenSSH_9.2\r\n\r\n"); }, "",
                         "712 服务器未响应!"},
        BrokenAnswerCase{"HeadCutShort", [] { return Reply::raw("HTTP/1.1 200 OK\r\nContent-"); }, "",
                         "712 服务器未响应!"},
        // The status of the head overwrites the read failure: the partial body comes back.
        BrokenAnswerCase{"ResetMidBody", [] { return Reply::raw(tenBytesOfHundred).stall(200).reset(); }, "0123456789", "200 OK"},
        BrokenAnswerCase{"ClosedMidBody", [] { return Reply::raw(tenBytesOfHundred).close(); }, "0123456789", "200 OK"},
        BrokenAnswerCase{"StalledMidBody", [] { return Reply::raw(tenBytesOfHundred).stall(3000); }, "0123456789",
                         "200 OK"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchPageFailure, BodyBeyondLimitIsCutAndReported) {
  LoopbackServer server;
  server.enqueue(Reply::raw("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n").sendRepeated('a', maxBodyBytes + 4096));
  FetchPageRequest request;
  request.url = server.url();
  const std::string result = fetchPage(request);
  EXPECT_EQ(result.size(), maxBodyBytes);
  EXPECT_EQ(request.responseBytes.size(), maxBodyBytes);
  EXPECT_EQ(request.status, "713 读取数据失败!");
  EXPECT_TRUE(startsWithText(request.responseHeaders, "HTTP/1.1 200 OK\r\n"));
}

}  // namespace
}  // namespace taoke
