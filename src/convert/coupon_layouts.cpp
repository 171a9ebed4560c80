#include "convert/coupon_layouts.h"

#include "settings/working_settings.h"

namespace taoke {

std::string couponReplyLayout(const ProductDetails& product, const std::string& markedToken,
                              const std::string& shortLink) {
  return product.title + "\r\n" + product.description + "\r\n原   价:" + product.listPrice +
         "元\r\n券后价:" + product.couponPrice + "元\r\n优惠券信息:" + product.couponInfo +
         "\r\n优惠券开始时间:" + product.couponStart + "\r\n优惠券结束时间:" + product.couponEnd +
         "\r\n淘口令:" + markedToken + "\r\n淘宝链接:" + shortLink + "\r\n" +
         readText("编辑框_找到私聊回复");
}

std::string noCouponReplyLayout(const ProductDetails& product, const std::string& markedToken,
                                const std::string& shortLink) {
  return product.title + "\r\n" + product.description + "\r\n价格:" + product.listPrice +
         "元\r\n淘口令:" + markedToken + "\r\n淘宝链接:" + shortLink + "\r\n" +
         readText("编辑框_无私聊回复");
}

}  // namespace taoke
