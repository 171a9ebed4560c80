#include "web/proxy_list.h"

#include "util/gbk_text.h"

namespace taoke {

std::string proxyTextFor(std::string_view proxy, bool secure) {
  if (proxy.empty()) return "";
  return secure ? std::string(proxy) : "http=" + std::string(proxy);
}

std::string proxyForScheme(std::string_view proxyText, std::string_view scheme) {
  const std::string entries = replaceAll(proxyText, ";", " ");
  for (const std::string& item : splitText(entries, " ")) {
    const std::string entry = trimText(item);
    if (entry.empty()) continue;
    const int equals = findText(entry, "=");
    if (equals < 1) return entry;
    if (equalsText(entry.substr(0, equals - 1), scheme, true)) return entry.substr(equals);
  }
  return "";
}

}  // namespace taoke
