// The operator's marks around a converted Taobao token.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// 编辑框_前符号 + token + 编辑框_后符号, read at this moment (a change applies to the next token).
std::string markedToken(std::string_view token);

}  // namespace taoke
