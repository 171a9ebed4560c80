// Host, port and path of a URL as the WinInet-style engine needs them separately. A URL without
// "http://" or "https://" is taken as http.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// The lower-cased host, with ":" and its port when `keepPort` is true and the URL names one.
std::string urlHost(std::string_view url, bool keepPort = false);

// The port the URL names; else 443 for https and 80 otherwise. 0 when the port is not a number.
int urlPort(std::string_view url);

// The path with its query, in the URL's own letter case; "/" when there is none.
std::string urlPath(std::string_view url);

}  // namespace taoke
