// The portable rules under the transport: connect-to entries, proxy texts, URL parts, header lines.
#include <gtest/gtest.h>

#include <ostream>

#include "web/connect_to.h"
#include "web/headers.h"
#include "web/proxy_list.h"
#include "web/url_parts.h"

namespace taoke {
namespace {

struct ConnectToCase {
  const char* name;
  std::string text;
  std::vector<std::string> rules;  // written back
};

void PrintTo(const ConnectToCase& c, std::ostream* os) { *os << c.name; }

class ConnectToTest : public ::testing::TestWithParam<ConnectToCase> {};

TEST_P(ConnectToTest, KeepsOnlyWellFormedEntries) {
  std::vector<std::string> written;
  for (const ConnectToRule& rule : parseConnectTo(GetParam().text)) written.push_back(connectToText(rule));
  EXPECT_EQ(written, GetParam().rules);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectToTest,
    ::testing::Values(
        ConnectToCase{"One", "api.zhetaoke.com:10001:127.0.0.1:4000", {"api.zhetaoke.com:10001:127.0.0.1:4000"}},
        ConnectToCase{"AnyHostAnyPort", "::127.0.0.1:4000, u.jd.com::127.0.0.1:4001",
                      {"::127.0.0.1:4000", "u.jd.com::127.0.0.1:4001"}},
        ConnectToCase{"BracketedAddress", "h:80:[::1]:8080", {"h:80:[::1]:8080"}},
        ConnectToCase{"TooFewFields", "h:80:127.0.0.1", {}},
        ConnectToCase{"TooManyFields", "h:80:127.0.0.1:1:2", {}},
        ConnectToCase{"PortNotNumber", "h:http:127.0.0.1:1", {}},
        ConnectToCase{"PortOutOfRange", "h:80:127.0.0.1:65536", {}},
        ConnectToCase{"ControlByte", "h\n:80:127.0.0.1:1", {}},
        ConnectToCase{"BadEntrySkippedGoodKept", "bad,h:1:127.0.0.1:2,,", {"h:1:127.0.0.1:2"}},
        ConnectToCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConnectTo, ReadsAtMostSixtyFourEntries) {
  std::string text;
  for (int index = 0; index < 100; ++index) text += "h" + std::to_string(index) + ":1:127.0.0.1:2,";
  EXPECT_EQ(parseConnectTo(text).size(), 64u);
}

struct ProxyCase {
  const char* name;
  std::string text, scheme, expected;
};

void PrintTo(const ProxyCase& c, std::ostream* os) { *os << c.name; }

class ProxyForSchemeTest : public ::testing::TestWithParam<ProxyCase> {};

TEST_P(ProxyForSchemeTest, PicksTheEntryForTheScheme) {
  EXPECT_EQ(proxyForScheme(GetParam().text, GetParam().scheme), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProxyForSchemeTest,
    ::testing::Values(ProxyCase{"AllSchemes", "127.0.0.1:8888", "https", "127.0.0.1:8888"},
                      ProxyCase{"HttpOnlyForHttp", "http=127.0.0.1:8888", "http", "127.0.0.1:8888"},
                      ProxyCase{"HttpOnlyNotForHttps", "http=127.0.0.1:8888", "https", ""},
                      ProxyCase{"List", "http=a:1;https=b:2", "https", "b:2"},
                      ProxyCase{"SchemeCaseIgnored", "HTTP=a:1", "http", "a:1"},
                      ProxyCase{"Empty", "", "http", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProxyTextFor, FollowsTheUrlsScheme) {
  EXPECT_EQ(proxyTextFor("127.0.0.1:8888", true), "127.0.0.1:8888");
  EXPECT_EQ(proxyTextFor("127.0.0.1:8888", false), "http=127.0.0.1:8888");
  EXPECT_EQ(proxyTextFor("", false), "");
}

struct SplitCase {
  const char* name;
  std::string url;
  bool valid;
  bool secure;
  std::string host;
  int port;
  std::string target;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitUrlTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitUrlTest, SplitsOrRefuses) {
  const SplitCase& c = GetParam();
  const std::optional<UrlParts> parts = splitUrl(c.url);
  ASSERT_EQ(parts.has_value(), c.valid);
  if (!parts) return;
  EXPECT_EQ(parts->secure, c.secure);
  EXPECT_EQ(parts->host, c.host);
  EXPECT_EQ(parts->port, c.port);
  EXPECT_EQ(parts->target, c.target);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitUrlTest,
    ::testing::Values(SplitCase{"Https", "https://api.zhetaoke.com:10001/api/a.ashx?x=1", true, true,
                                "api.zhetaoke.com", 10001, "/api/a.ashx?x=1"},
                      SplitCase{"DefaultPorts", "http://h", true, false, "h", 80, "/"},
                      SplitCase{"SchemeCase", "HTTPS://h/", true, true, "h", 443, "/"},
                      SplitCase{"UserInformationDropped", "http://u:p@h:81/x", true, false, "h", 81, "/x"},
                      SplitCase{"FragmentDropped", "http://h/x#y", true, false, "h", 80, "/x"},
                      SplitCase{"Ipv6", "http://[::1]:8080/", true, false, "[::1]", 8080, "/"},
                      SplitCase{"EmptyPort", "http://h:/", false},
                      SplitCase{"PortZero", "http://h:0/", false},
                      SplitCase{"SpaceInHost", "http://a b/", false},
                      SplitCase{"OtherScheme", "file:///etc/passwd", false},
                      SplitCase{"NoScheme", "h/x", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct TargetCase {
  const char* name;
  std::string target, wire;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class WireTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(WireTargetTest, EncodesOnlyWhatCannotStandInARequestLine) {
  EXPECT_EQ(wireTarget(GetParam().target), GetParam().wire);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WireTargetTest,
    ::testing::Values(TargetCase{"Plain", "/a/b?c=d&e=%41", "/a/b?c=d&e=%41"},
                      TargetCase{"Space", "/a b", "/a%20b"},
                      TargetCase{"Controls", "/a\r\nb\x7F", "/a%0D%0Ab%7F"},
                      TargetCase{"Chinese", "/中", "/%E4%B8%AD"},
                      TargetCase{"FullWidthYuan", "/￥", "/%EF%BF%A5"},
                      TargetCase{"PunctuationKept", "/{}|\\^`\"<>", "/{}|\\^`\"<>"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeaderLineCase {
  const char* name;
  std::string line;
  bool sendable;
};

void PrintTo(const HeaderLineCase& c, std::ostream* os) { *os << c.name; }

class SendableHeaderLineTest : public ::testing::TestWithParam<HeaderLineCase> {};

TEST_P(SendableHeaderLineTest, RefusesLinesThatCouldSmuggleAnother) {
  EXPECT_EQ(isSendableHeaderLine(GetParam().line), GetParam().sendable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendableHeaderLineTest,
    ::testing::Values(HeaderLineCase{"Plain", "Accept: */*", true},
                      HeaderLineCase{"EmptyValue", "Cookie:", true},
                      HeaderLineCase{"TabInValue", "X: a\tb", true},
                      HeaderLineCase{"ChineseValue", "Referer: 中文", true},
                      HeaderLineCase{"LineFeedInValue", "Cookie: a=1\nHost: evil", false},
                      HeaderLineCase{"CarriageReturnInValue", "Cookie: a=1\rX", false},
                      HeaderLineCase{"NoColon", "Accept", false},
                      HeaderLineCase{"EmptyName", ": x", false},
                      HeaderLineCase{"SpaceInName", "Bad Name: x", false},
                      HeaderLineCase{"ChineseName", "名字: x", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
