// TAOKE_CONNECT_TO: comma-separated "HOST:PORT:CONNECT_HOST:CONNECT_PORT" entries that send the
// connection for HOST:PORT to another address (an empty HOST or PORT matches any). The URL, the
// Host header and the TLS name stay as built; only the TCP destination changes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taoke {

struct ConnectToRule {
  std::string host;         // "" matches any host
  std::string port;         // "" matches any port
  std::string connectHost;  // "" keeps the host
  std::string connectPort;  // "" keeps the port
};

// The well-formed entries of the text, in order; a malformed entry (not four fields, a port that is
// not a number from 1 to 65535, spaces or control bytes) is left out. At most 64 entries are read.
std::vector<ConnectToRule> parseConnectTo(std::string_view text);

// The rules of the TAOKE_CONNECT_TO environment variable, read at each call.
std::vector<ConnectToRule> connectToRulesFromEnvironment();

// An entry written back as "HOST:PORT:CONNECT_HOST:CONNECT_PORT".
std::string connectToText(const ConnectToRule& rule);

}  // namespace taoke
