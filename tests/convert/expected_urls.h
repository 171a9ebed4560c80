// The request URLs the plug-in is expected to send, as the stand-in services receive them, for the
// operator settings of PluginScenario. Values from messages and answers are passed already encoded.
#pragma once

#include <string>
#include <string_view>

#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {

inline std::string tokenConversionUrl(std::string_view encodedToken) {
  return "https://api.zhetaoke.com:10001/api/open_gaoyongzhuanlian_tkl.ashx?appkey=" +
         std::string(operatorAppKey) + "&sid=" + operatorSid + "&pid=" + operatorPid + "&tkl=" +
         std::string(encodedToken) + "&signurl=5";
}

inline std::string universalTokenUrl(std::string_view encodedToken) {
  return "http://wanneng.example:10000/api/zhushou_tkl_wan_taokouling.ashx?appkey=wkey&sid=wsid"
         "&pid=wpid&relationId=&taokouling=" +
         std::string(encodedToken) + "&title=&pict_url=&member_sid=";
}

inline std::string taobaoShortLinkUrl(std::string_view encodedCouponLink) {
  return "https://api.zhetaoke.com:10001/api/open_shorturl_taobao_get.ashx?appkey=" +
         std::string(operatorAppKey) + "&sid=" + operatorSid + "&content=" +
         std::string(encodedCouponLink);
}

inline std::string productSearchUrl(std::string_view encodedWords) {
  return "https://api.zhetaoke.com:10003/api/api_quanwang.ashx?appkey=" +
         std::string(operatorAppKey) + "&page=1&page_size=1&sort=new&q=" +
         std::string(encodedWords) + "&type=2&youquan=1";
}

inline std::string productLookupUrl(std::string_view productId) {
  return "https://api.zhetaoke.com:10001/api/open_gaoyongzhuanlian.ashx?appkey=" +
         std::string(operatorAppKey) + "&sid=" + operatorSid + "&pid=" + operatorPid +
         "&num_iid=" + std::string(productId) + "&signurl=5";
}

inline std::string jdConversionUrl(std::string_view productId) {
  return "https://qwd.jd.com/cps/zl?content=https%3A//item.jd.com/" + std::string(productId) +
         ".html&shareSource=1_2_1";
}

inline std::string jdLandingRedirectUrl(std::string_view code) {
  return "https://u.jd.com/jda?e=&p=AyIGZRprFQ&t=W1dCFBBFC14NXAZTWEdKShhB&code=" +
         std::string(code);
}

inline constexpr const char* suningUrl =
    "https://open.suning.com/api/http/sopRequest/suning.netalliance.bacthcustomlink.query";

// The coupon link as it goes into a content value: its own "?", "=" and "&" encoded.
inline std::string encodedCouponLink(std::string_view seed) {
  std::string link = couponLink(seed), encoded;
  for (char c : link) {
    if (c == '?') encoded += "%3F";
    else if (c == '=') encoded += "%3D";
    else if (c == '&') encoded += "%26";
    else encoded += c;
  }
  return encoded;
}

}  // namespace taoke::test
