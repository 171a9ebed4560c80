#include "convert/group_message_pipeline.h"

#include <cctype>
#include <climits>
#include <string_view>
#include <vector>

#include "convert/conversion_stage.h"
#include "convert/keyword_replies.h"
#include "plugin/host_api.h"
#include "settings/config_file.h"
#include "settings/settings_window.h"
#include "settings/working_settings.h"
#include "util/gbk_text.h"
#include "web/service_hosts.h"

namespace taoke {
namespace {

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

bool holdsTokenOrLink(const std::string& message) {
  return containsText(message, "￥") || containsText(message, "$") ||
         (containsText(message, "(") && containsText(message, ")")) ||
         containsText(message, taobaoShortLinkPrefix) || containsText(message, jdShortLinkHost) ||
         containsText(message, suningShortLinkPrefix);
}

void forwardToGroups(std::int64_t robot, const std::string& message,
                     const std::vector<std::string>& forwardGroups) {
  for (const std::string& entry : forwardGroups) {
    hostApi().sendGroupMsg(robot, forwardGroupNumber(entry),
                           message + "\r\n" + readText("编辑框_小尾巴"));
    appendLog("发送成功" + entry + "\r\n");
  }
}

void convertAndForward(std::int64_t robot, std::string& message) {
  const std::vector<std::string> forwardGroups =
      splitConfigList(readConfigValue("转发群", "转发群号"));
  const ReplacementPairs pairs{splitConfigList(readConfigValue("替换关键词", "被替换")),
                               splitConfigList(readConfigValue("替换关键词", "替换"))};
  // The window stays responsive, and the operator's changes count from here on.
  pumpWait(100);
  const bool blocked = readCheck("选择框_开始转链") && runConversionStage(message, pairs);
  if (readCheck("选择框_转发全部消息")) forwardToGroups(robot, message, forwardGroups);
  if (!blocked && holdsTokenOrLink(message)) {
    mirrorSend(message);
    forwardToGroups(robot, message, forwardGroups);
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
