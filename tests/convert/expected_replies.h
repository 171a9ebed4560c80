// The reply texts the plug-in is expected to send for the stand-in services' answers, for the
// operator settings of PluginScenario.
#pragma once

#include <string>
#include <string_view>

#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {

inline constexpr const char* foundClosing = "祝购物愉快";
inline constexpr const char* notFoundClosing = "暂无优惠券";
inline constexpr const char* shortLinkPrefix = "http://dwz.demo/api.php?url=";
inline constexpr const char* shortLinkSuffix = "&format=text";

// The product members a stand-in answer carries for a seed (a token sent to the token conversion,
// or a product id sent to the lookup).
struct StandinProduct {
  std::string title;
  std::string description;
  std::string token;  // between the yen marks
  std::string shortLink;
};

inline StandinProduct productOfToken(std::string_view token) {
  const std::string title = "精选好物" + derived(token, 4);
  return {title, "限时特惠 " + title, convertedToken(token), taobaoShortLink(couponLink(token))};
}

inline StandinProduct productOfId(std::string_view id, std::string title) {
  return {title, "限时特惠 " + title, derived(id, 11), taobaoShortLink(couponLink(id))};
}

inline std::string couponReply(const StandinProduct& p) {
  return p.title + "\r\n" + p.description + "\r\n原   价:59.90元\r\n券后价:39.90元\r\n优惠券信息:满59元减20元" +
         "\r\n优惠券开始时间:2026-12-01\r\n优惠券结束时间:2026-12-31\r\n淘口令:￥" + p.token +
         "￥\r\n淘宝链接:" + p.shortLink + "\r\n" + foundClosing;
}

inline std::string noCouponReply(const StandinProduct& p) {
  return p.title + "\r\n" + p.description + "\r\n价格:59.90元\r\n淘口令:￥" + p.token +
         "￥\r\n淘宝链接:" + p.shortLink + "\r\n" + notFoundClosing;
}

}  // namespace taoke::test
