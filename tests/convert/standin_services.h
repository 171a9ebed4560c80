// The stand-in services (tools/standins/standins.py) run as a child process for one test or one
// benchmark: they listen on 127.0.0.1, TAOKE_CONNECT_TO points every service host at them, and
// every request they receive can be read back in arrival order.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taoke::test {

struct StandinRequest {
  std::string scheme;  // "http" or "https"
  std::string method;
  std::string host;    // the Host header as sent
  std::string target;  // path and query, bytes as sent
  std::string url;     // scheme://host + target
  std::string path;
  std::vector<std::pair<std::string, std::string>> query;    // decoded, bytes as sent
  std::vector<std::pair<std::string, std::string>> headers;  // in the order sent
  std::string body;

  // The first value of the query key or header name ("" when absent); header names ignore case.
  std::string queryValue(std::string_view key) const;
  std::string header(std::string_view name) const;
  std::vector<std::string> queryKeys() const;
};

class StandinServices {
 public:
  // Starts the services (and, with `mirrorPeer`, their mirror peer on 127.0.0.1:19730) and waits
  // until they listen. Also sets TAOKE_CONNECT_TO for this process.
  explicit StandinServices(bool mirrorPeer = false);
  ~StandinServices();
  StandinServices(const StandinServices&) = delete;
  StandinServices& operator=(const StandinServices&) = delete;

  const std::string& connectTo() const { return connectTo_; }
  int httpsPort() const { return httpsPort_; }
  int httpPort() const { return httpPort_; }

  std::vector<StandinRequest> requests() const;
  std::vector<std::string> requestUrls() const;
  // What the stand-in mirror peer has received, concatenated.
  std::string mirrorBytes() const;
  // Makes one service misbehave until reset: services tkl shorturl search lookup wan jd-landing
  // jd-redirect jd-zl suning dwz; modes normal refuse timeout html truncated huge wronglen.
  void setMode(std::string_view service, std::string_view mode) const;
  // Forgets recorded requests, mirror bytes and modes.
  void reset() const;

 private:
  std::string control(std::string_view pathAndQuery, bool post = false) const;

  int pid_ = -1;
  int httpsPort_ = 0;
  int httpPort_ = 0;
  std::string connectTo_;
  std::string directory_;
};

// JSON strings from the stand-ins carry bytes as the code points U+0000-U+00FF; this gives the bytes.
std::string bytesFromLatin1Json(std::string_view utf8);

}  // namespace taoke::test
