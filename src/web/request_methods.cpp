#include "web/request_methods.h"

#include <array>

namespace taoke {

std::string verbOf(int method) {
  static constexpr std::array<const char*, 8> verbs = {"GET",     "POST",   "HEAD",  "PUT",
                                                       "OPTIONS", "DELETE", "TRACE", "CONNECT"};
  return method >= 0 && method < static_cast<int>(verbs.size()) ? verbs[method] : "GET";
}

}  // namespace taoke
