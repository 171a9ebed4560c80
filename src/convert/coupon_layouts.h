// The reply texts of the product search and the coupon-token reply.
#pragma once

#include <string>

namespace taoke {

struct ProductDetails {
  std::string title;
  std::string description;  // jianjie
  std::string listPrice;    // size
  std::string couponPrice;  // quanhou_jiage
  std::string couponInfo;
  std::string couponStart;
  std::string couponEnd;
};

// Title, description, prices, coupon, the marked token and the short link, closed by
// 编辑框_找到私聊回复.
std::string couponReplyLayout(const ProductDetails& product, const std::string& markedToken,
                              const std::string& shortLink);

// Title, description, price, the marked token and the short link, closed by 编辑框_无私聊回复.
std::string noCouponReplyLayout(const ProductDetails& product, const std::string& markedToken,
                                const std::string& shortLink);

}  // namespace taoke
