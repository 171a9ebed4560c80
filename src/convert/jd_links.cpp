#include "convert/jd_links.h"

#include "convert/service_urls.h"
#include "convert/short_link_matches.h"
#include "settings/working_settings.h"
#include "util/gbk_text.h"
#include "util/url_encoding.h"
#include "web/fetch_page_obj.h"
#include "web/headers.h"
#include "web/service_hosts.h"
#include "web/text_markers.h"

namespace taoke {
namespace {

// The response headers of the redirect page, which is not followed.
std::string redirectHeaders(const std::string& url) {
  FetchPageObjRequest request;
  request.url = url;
  request.noRedirect = true;
  fetchPageObj(request);
  return request.responseHeaders;
}

// The affiliate tool's answer, sent with the operator's cookies.
std::string conversionAnswer(const std::string& url, const std::string& cookies) {
  FetchPageObjRequest request;
  request.url = url;
  request.cookies = cookies;
  return textOf(fetchPageObj(request));
}

// The purchase link for one short link, or the empty text when any step fails.
std::string purchaseLink(const std::string& shortLink) {
  const std::string landingPage = textOf(fetchPageObj(shortLink));
  const std::string redirectUrl = textBetween(landingPage, "var hrl='", "'");
  const std::string productId = jdProductId(headerValue(redirectHeaders(redirectUrl), "Location"));
  const std::string cookies = readText("编辑框_京东");
  const std::string answer = urlDecode(conversionAnswer(jdConversionUrl(productId), cookies), true);
  appendLog("正在转链中\r\n");
  return textBetween(answer, "n抢购链接：", "\\n");
}

}  // namespace

std::string jdProductId(std::string_view redirectTarget) {
  const std::string target(redirectTarget);
  const std::string productPage = std::string(jdProductPageHost) + "/";
  std::string productId;
  if (containsText(target, "sku=")) productId = textBetween(target, "sku=", "&q=");
  if (containsText(target, productPage)) productId = textBetween(target, productPage, ".html");
  if (containsText(target, "wareId=")) productId = textBetween(target, "wareId=", "&cu");
  return productId;
}

void convertJdLinks(std::string& message) {
  if (!containsText(message, jdShortLinkHost)) return;
  const std::vector<std::string> links =
      findShortLinks(message, "https://" + std::string(jdShortLinkHost) + "/", 6);
  appendLog("发现京东链接\r\n");
  std::string lastPurchaseLink;
  for (const std::string& link : links) {
    appendLog("获取京东链接成功" + link + "\r\n");
    lastPurchaseLink = purchaseLink(link);
    appendLog("获取京东返利链接成功\r\n" + lastPurchaseLink + "\r\n");
    message = replaceAll(message, link, lastPurchaseLink);
  }
  if (lastPurchaseLink.empty()) {
    message.clear();
    appendLog("京东转链获取失败，口令为空\r\n");
  }
}

}  // namespace taoke
