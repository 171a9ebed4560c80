#include "web/url_parser.h"

#include "util/gbk_text.h"
#include "web/text_markers.h"

namespace taoke {

namespace {

struct LoweredUrl {
  std::string text;    // lower-cased, ending with "/", with a scheme
  std::string scheme;  // "https://" or "http://"
};

LoweredUrl lowered(std::string_view url) {
  LoweredUrl result{foldAscii(url), "http://"};
  if (!endsWithText(result.text, "/")) result.text += "/";
  if (startsWithText(result.text, "https://")) {
    result.scheme = "https://";
  } else if (!containsText(result.text, "http://")) {
    result.text = "http://" + result.text;
  }
  return result;
}

std::string authorityOf(const LoweredUrl& url) { return textBetween(url.text, url.scheme, "/"); }

// A whole number of at most nine digits; 0 for anything else.
int numberOrZero(std::string_view text) {
  if (text.empty() || text.size() > 9) return 0;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::string urlHost(std::string_view url, bool keepPort) {
  const std::string authority = authorityOf(lowered(url));
  if (keepPort || !containsText(authority, ":")) return authority;
  return textLeftOf(authority, ":");
}

int urlPort(std::string_view url) {
  const LoweredUrl parts = lowered(url);
  const std::string authority = authorityOf(parts);
  const int colon = findLastText(authority, ":", authority.size());
  if (colon < 1) return startsWithText(parts.text, "https") ? 443 : 80;
  return numberOrZero(std::string_view(authority).substr(colon));
}

std::string urlPath(std::string_view url) {
  const int hostAt = findText(url, urlHost(url), 1, true);
  if (hostAt < 1) return "/";
  const int slash = findText(url, "/", hostAt);
  return slash < 1 ? "/" : std::string(url.substr(slash - 1));
}

}  // namespace taoke
