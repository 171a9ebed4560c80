// URL splitting, request targets, the URL parser and connect-to entries on arbitrary texts: no
// crash, and a request target never carries a space, a control byte or a non-ASCII byte.
#include <cstdlib>
#include <string>

#include "web/connect_to.h"
#include "web/url_parser.h"
#include "web/url_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto parts = taoke::splitUrl(text)) {
    if (parts->host.empty() || parts->port < 1 || parts->port > 65535) std::abort();
  }
  for (unsigned char byte : taoke::wireTarget(text))
    if (byte <= 0x20 || byte >= 0x7F) std::abort();
  taoke::urlHost(text, true);
  taoke::urlPort(text);
  taoke::urlPath(text);
  for (const taoke::ConnectToRule& rule : taoke::parseConnectTo(text)) taoke::connectToText(rule);
  return 0;
}
