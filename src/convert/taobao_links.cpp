#include "convert/taobao_links.h"

#include "convert/service_urls.h"
#include "convert/short_link_matches.h"
#include "settings/working_settings.h"
#include "util/gbk_text.h"
#include "util/url_encoding.h"
#include "web/fetch_page.h"
#include "web/service_hosts.h"
#include "web/text_markers.h"

namespace taoke {

void convertTaobaoLinks(std::string& message) {
  if (!containsText(message, taobaoShortLinkPrefix)) return;
  appendLog("发现淘宝链接\r\n");
  for (const std::string& link : findShortLinks(message, taobaoShortLinkPrefix, 7)) {
    appendLog("淘宝原链接\r\n" + link + "\r\n");
    const std::string answer = urlDecode(fetchPage(tokenConversionUrl(link)), true);
    appendLog("淘宝正在转链\r\n");
    const std::string couponLink = textBetween(answer, "coupon_click_url\":\"", "\",\"item_url");
    if (!couponLink.empty()) {
      const std::string shortLink = textBetween(
          urlDecode(fetchPage(taobaoShortLinkUrl(couponLink)), true), "shorturl\":\"", "\"}");
      appendLog("淘宝转链成功\r\n" + shortLink + "\r\n");
      message = replaceAll(message, link, shortLink);
    } else if (containsText(answer, "很抱歉")) {
      message.clear();
    }
  }
}

}  // namespace taoke
