// JD short links in a group message become the operator's purchase links.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Follows every JD short link to its product, has JD's affiliate tool (with the cookies of
// 编辑框_京东) make the operator's purchase link and puts it in the link's place. When the last
// link of the message gets no purchase link, the whole message is emptied.
void convertJdLinks(std::string& message);

// The product id in a redirect target: each marker present ("sku=", the product-page host,
// "wareId=") overrides the ones before it; no marker gives the empty id.
std::string jdProductId(std::string_view redirectTarget);

}  // namespace taoke
