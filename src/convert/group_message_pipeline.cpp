#include "convert/group_message_pipeline.h"

#include <cctype>
#include <climits>
#include <string_view>
#include <vector>

#include "convert/jd_links.h"
#include "convert/keyword_replies.h"
#include "convert/suning_links.h"
#include "convert/taobao_links.h"
#include "convert/taobao_tokens.h"
#include "plugin/host_api.h"
#include "settings/config_file.h"
#include "settings/settings_window.h"
#include "settings/working_settings.h"
#include "util/gbk_text.h"
#include "web/service_hosts.h"

namespace taoke {
namespace {

struct ConfigLists {
  std::vector<std::string> forwardGroups;
  std::vector<std::string> replacedWords;
  std::vector<std::string> replacementWords;
};

std::vector<std::string> blockedWords() {
  return splitConfigList(readConfigValue("不转发", "不转发关键词"));
}

bool isWatchedGroup(std::int64_t group) {
  const std::string number = std::to_string(group);
  for (const std::string& item : readList("列表框_监控群")) {
    if (item == number) return true;
  }
  return false;
}

// A forward-group entry read as a decimal number: leading white space skipped, an optional sign,
// digits up to the first non-digit; no digits give 0, and too many digits stop at the type's limit.
std::int64_t forwardGroupNumber(std::string_view entry) {
  std::size_t at = 0;
  while (at < entry.size() && std::isspace(static_cast<unsigned char>(entry[at]))) ++at;
  bool negative = false;
  if (at < entry.size() && (entry[at] == '+' || entry[at] == '-')) negative = entry[at++] == '-';
  std::int64_t magnitude = 0;
  for (; at < entry.size() && entry[at] >= '0' && entry[at] <= '9'; ++at) {
    const int digit = entry[at] - '0';
    if (magnitude > (INT64_MAX - digit) / 10) return negative ? INT64_MIN : INT64_MAX;
    magnitude = magnitude * 10 + digit;
  }
  return negative ? -magnitude : magnitude;
}

// Pairs apply in list order, so a later pair sees what the earlier ones made. A replaced word
// without a replacement at the same position (a hand-edited file) is skipped.
void applyReplacements(std::string& message, const ConfigLists& lists) {
  const std::size_t pairs = std::min(lists.replacedWords.size(), lists.replacementWords.size());
  for (std::size_t i = 0; i < pairs; ++i) {
    message = replaceAll(message, lists.replacedWords[i], lists.replacementWords[i]);
  }
}

// An empty entry occurs in every non-empty message.
bool containsBlockedWord(const std::string& message) {
  for (const std::string& word : blockedWords()) {
    if (word.empty() ? !message.empty() : containsText(message, word, true)) {
      appendLog("发现屏蔽关键词，此消息屏蔽\r\n");
      return true;
    }
  }
  return false;
}

bool holdsTokenOrLink(const std::string& message) {
  return containsText(message, "￥") || containsText(message, "$") ||
         (containsText(message, "(") && containsText(message, ")")) ||
         containsText(message, taobaoShortLinkPrefix) || containsText(message, jdShortLinkHost) ||
         containsText(message, suningShortLinkPrefix);
}

void forwardToGroups(std::int64_t robot, const std::string& message, const ConfigLists& lists) {
  for (const std::string& entry : lists.forwardGroups) {
    hostApi().sendGroupMsg(robot, forwardGroupNumber(entry),
                           message + "\r\n" + readText("编辑框_小尾巴"));
    appendLog("发送成功" + entry + "\r\n");
  }
}

void convertAndForward(std::int64_t robot, std::string& message) {
  ConfigLists lists;
  lists.forwardGroups = splitConfigList(readConfigValue("转发群", "转发群号"));
  lists.replacedWords = splitConfigList(readConfigValue("替换关键词", "被替换"));
  lists.replacementWords = splitConfigList(readConfigValue("替换关键词", "替换"));
  bool blocked = false;

  pumpWait(100);

  if (readCheck("选择框_开始转链")) {
    applyReplacements(message, lists);
    convertTaobaoTokens(message);
    convertTaobaoLinks(message);
    convertJdLinks(message);
    convertSuningLinks(message);
    blocked = containsBlockedWord(message);
  }
  if (readCheck("选择框_转发全部消息")) forwardToGroups(robot, message, lists);
  if (!blocked && holdsTokenOrLink(message)) {
    mirrorSend(message);
    forwardToGroups(robot, message, lists);
  }
}

void runKeywordReplies(std::int64_t robot, std::int64_t group, const std::string& message) {
  const ReplyChannel channel{false, [robot, group](const std::string& reply) {
                               hostApi().sendGroupMsg(robot, group, reply);
                             }};
  shoppingPageReply(message, channel);
  productSearchReply(message, channel);
  couponTokenReply(message, channel);
}

}  // namespace

int groupMessagePipeline(std::int64_t robot, std::int64_t group, std::string& message) {
  if (isWatchedGroup(group)) convertAndForward(robot, message);
  runKeywordReplies(robot, group, message);
  return 0;
}

}  // namespace taoke
