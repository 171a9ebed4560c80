// Taobao share tokens in a group message become the operator's own tokens.
#pragma once

#include <string>

namespace taoke {

// Converts every token between "￥" marks, then between "$" marks, then between "(" and ")",
// through the affiliate service's token conversion, falling back to the universal API when the
// service apologises. Rewrites the message in place.
void convertTaobaoTokens(std::string& message);

}  // namespace taoke
