// Taobao short links in a group message become the operator's own short links.
#pragma once

#include <string>

namespace taoke {

// Converts every Taobao short link into the operator's coupon link and that into a short link.
// An answer that apologises ("很抱歉") without a coupon link empties the whole message.
void convertTaobaoLinks(std::string& message);

}  // namespace taoke
