#include "convert/keyword_replies.h"

#include "convert/coupon_layouts.h"
#include "convert/service_urls.h"
#include "convert/token_marks.h"
#include "settings/working_settings.h"
#include "util/unescape.h"
#include "util/url_encoding.h"
#include "web/fetch_page.h"
#include "web/text_markers.h"

namespace taoke {
namespace {

// A string member of the conversion answer that another string member follows.
std::string answerMember(const std::string& answer, std::string_view name) {
  return textBetween(answer, std::string(name) + "\":\"", "\",\"");
}

}  // namespace

void couponTokenReply(const std::string& message, const ReplyChannel& channel) {
  if (!readCheck("选择框_私聊领券")) return;
  const std::optional<std::string> words = keywordQuery(message, readText("编辑框_私聊领券"));
  if (!words) return;
  if (channel.privateChat) appendLog("发现私聊搜券消息\r\n");
  const std::string shareToken = textBetween(*words, "这行话", "转移至");
  if (channel.privateChat) appendLog("发现私聊口令：" + shareToken);

  const std::string answer = urlDecode(fetchPage(tokenConversionUrl(shareToken)), true);
  const std::string token = markedToken(textBetween(answer, "tkl\":\"￥", "￥\"}]}"));
  appendLog("转换口令完成：" + token);
  const std::string couponLink = textBetween(answer, "coupon_click_url\":\"", "\",\"item_url");
  const std::string shortLink =
      textBetween(urlDecode(fetchPage(taobaoShortLinkUrl(couponLink)), true), "shorturl\":\"", "\"}");

  const ProductDetails details{
      unescapeText(answerMember(answer, "title")),
      unescapeText(answerMember(answer, "jianjie")),
      answerMember(answer, "size"),
      answerMember(answer, "quanhou_jiage"),
      answerMember(answer, "coupon_info"),
      answerMember(answer, "coupon_start_time"),
      answerMember(answer, "coupon_end_time"),
  };
  if (shareToken.empty()) {
    channel.send("遇到未知口令，请联系Marven");
  } else if (!answerMember(answer, "coupon_id").empty()) {
    channel.send(couponReplyLayout(details, token, shortLink));
  } else {
    channel.send(noCouponReplyLayout(details, token, shortLink));
  }
}

}  // namespace taoke
