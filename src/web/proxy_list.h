// Proxy texts in the platform's form: entries separated by ';' or spaces, each "host:port" for
// every scheme or "scheme=host:port" for one scheme ("http=127.0.0.1:8888").
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// The proxy text an engine hands to the platform: `proxy` itself for an https URL, "http=" and
// `proxy` for an http URL; "" for a direct connection.
std::string proxyTextFor(std::string_view proxy, bool secure);

// The "host:port" of the entry that serves `scheme` ("http" or "https"), or "" when none does.
std::string proxyForScheme(std::string_view proxyText, std::string_view scheme);

}  // namespace taoke
