#include "convert/keyword_replies.h"

#include "convert/coupon_layouts.h"
#include "convert/service_urls.h"
#include "convert/token_marks.h"
#include "settings/working_settings.h"
#include "util/json_doc.h"
#include "util/unescape.h"
#include "util/url_encoding.h"
#include "web/fetch_page.h"
#include "web/text_markers.h"

namespace taoke {
namespace {

// The product answer is unescaped as a whole before it is read. An escaped double quote inside a
// title then breaks the JSON; such an answer is read as it came instead.
void parseProductAnswer(JsonDoc& doc, const std::string& answer) {
  if (!doc.parse(unescapeText(answer))) doc.parse(answer);
}

}  // namespace

void productSearchReply(const std::string& message, const ReplyChannel& channel) {
  if (!readCheck("选择框_搜单商品")) return;
  const std::optional<std::string> words = keywordQuery(message, readText("编辑框_搜单商品"));
  if (!words) return;

  const std::string found =
      urlDecode(fetchPage(productSearchUrl(urlEncode(*words, false, true))), true);
  if (channel.privateChat) appendLog("发现私聊购买消息\r\n");
  JsonDoc search;
  search.parse(found);
  const std::string productId = search.getText("content[0].tao_id");

  JsonDoc product;
  parseProductAnswer(product, urlDecode(fetchPage(productLookupUrl(productId)), true));
  const ProductDetails details{
      product.getText("content[0].title"),
      product.getText("content[0].jianjie"),
      product.getText("content[0].size"),
      product.getText("content[0].quanhou_jiage"),
      product.getText("content[0].coupon_info"),
      product.getText("content[0].coupon_start_time"),
      product.getText("content[0].coupon_end_time"),
  };
  const std::string token =
      markedToken(textBetween(product.getText("content[0].tkl"), "￥", "￥"));
  const std::string couponLink = product.getText("content[0].coupon_click_url");

  JsonDoc shortLinkAnswer;
  shortLinkAnswer.parse(fetchPage(taobaoShortLinkUrl(couponLink)));
  channel.send(couponReplyLayout(details, token, shortLinkAnswer.getText("shorturl")));
}

}  // namespace taoke
