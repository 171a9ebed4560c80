#include "convert/service_urls.h"

#include "convert/query_value.h"
#include "settings/working_settings.h"
#include "web/service_hosts.h"

namespace taoke {
namespace {

std::string affiliateUrl(int port, std::string_view path) {
  return "https://" + std::string(affiliateServiceHost) + ":" + std::to_string(port) +
         std::string(path);
}

}  // namespace

std::string tokenConversionUrl(std::string_view token) {
  return affiliateUrl(affiliateServicePort, "/api/open_gaoyongzhuanlian_tkl.ashx") + "?appkey=" +
         readText("编辑框_appKey") + "&sid=" + readText("编辑框_SID") + "&pid=" +
         readText("编辑框_PID") + "&tkl=" + queryValue(token) + "&signurl=5";
}

std::string universalTokenUrl(std::string_view token) {
  return "http://" + std::string(universalApiHost) + ":" + std::to_string(universalApiPort) +
         "/api/zhushou_tkl_wan_taokouling.ashx?appkey=" + readText("编辑框_万能appkey") +
         "&sid=" + readText("编辑框_万能sid") + "&pid=" + readText("编辑框_万能pid") +
         "&relationId=&taokouling=" + queryValue(token) + "&title=&pict_url=&member_sid=";
}

std::string taobaoShortLinkUrl(std::string_view couponLink) {
  return affiliateUrl(affiliateServicePort, "/api/open_shorturl_taobao_get.ashx") + "?appkey=" +
         readText("编辑框_appKey") + "&sid=" + readText("编辑框_SID") + "&content=" +
         queryValue(couponLink);
}

std::string productSearchUrl(std::string_view encodedWords) {
  return affiliateUrl(affiliateSearchPort, "/api/api_quanwang.ashx") + "?appkey=" +
         readText("编辑框_appKey") + "&page=1&page_size=1&sort=new&q=" + std::string(encodedWords) +
         "&type=2&youquan=1";
}

std::string productLookupUrl(std::string_view productId) {
  return affiliateUrl(affiliateServicePort, "/api/open_gaoyongzhuanlian.ashx") + "?appkey=" +
         readText("编辑框_appKey") + "&sid=" + readText("编辑框_SID") + "&pid=" +
         readText("编辑框_PID") + "&num_iid=" + queryValue(productId) + "&signurl=5";
}

std::string jdConversionUrl(std::string_view productId) {
  // Only the colon of the product address is percent-encoded, as the tool expects.
  return "https://" + std::string(jdAffiliateToolHost) + "/cps/zl?content=https%3A//" +
         std::string(jdProductPageHost) + "/" + queryValue(productId) +
         ".html&shareSource=1_2_1";
}

std::string shoppingPageUrl(std::string_view encodedWords) {
  return "http://" + std::string(shoppingPageHost) + "/taoke/index.php?input=2&r=l&kw=" +
         std::string(encodedWords);
}

}  // namespace taoke
