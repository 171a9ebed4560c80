// The engines' method numbers: 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE,
// 7 CONNECT; any other number means GET.
#pragma once

#include <string>

namespace taoke {

inline constexpr int methodPost = 1;

std::string verbOf(int method);

}  // namespace taoke
