#include "convert/keyword_replies.h"

#include "convert/service_urls.h"
#include "settings/working_settings.h"
#include "util/url_encoding.h"
#include "web/fetch_page.h"

namespace taoke {

void shoppingPageReply(const std::string& message, const ReplyChannel& channel) {
  if (!readCheck("选择框_网页搜索词")) return;
  const std::optional<std::string> words = keywordQuery(message, readText("编辑框_网页搜索词"));
  if (!words) return;
  if (channel.privateChat) appendLog("发现私聊选购消息\r\n");
  const std::string page = shoppingPageUrl(urlEncode(*words, false, true));
  // The page address is percent-encoded once more as a whole (its own escapes included).
  const std::string shortLink =
      fetchPage(readText("编辑框_短链前缀") + urlEncode(page) + readText("编辑框_短链后缀"));
  const std::string link = readCheck("选择框_搜券短链接") ? shortLink : page;
  const std::string header = channel.privateChat ? "为您找到\r\n" : "为您找到：\r\n";
  channel.send(header + *words + "的选购页面\r\n" + link + "\r\n" + readText("编辑框_找到私聊回复"));
}

}  // namespace taoke
