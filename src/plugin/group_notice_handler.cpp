#include "plugin/group_notice_handler.h"

#include "plugin/host_api.h"
#include "plugin/key_value_pack.h"

namespace taoke {

std::string noticeDescription(std::int32_t noticeType, std::int64_t group, std::int64_t actor,
                              std::int64_t number, const std::string& text1) {
  const std::string g = std::to_string(group);
  const std::string q = std::to_string(actor);
  const std::string n = std::to_string(number);
  switch (noticeType) {
    case 1: return "群：" + g + " QQ：" + q + " 群名片变更为：" + text1;
    case 2: return "群：" + g + " QQ：" + q + " 发布了新公告：" + text1;
    case 3: return "群：" + g + " QQ：" + q + (number != 0 ? " 开启了全员禁言" : " 关闭了全员禁言");
    case 4:
      return "群：" + g + " QQ：" + q + " 被管理QQ：" + n + " " + (text1 == "0" ? "解除禁言" : "禁言：" + text1 + "秒");
    case 5: return "群：" + g + " QQ：" + q + (number == 4294967295LL ? " 已禁止群内匿名聊天" : " 已允许群内匿名聊天");
    case 6: return "群：" + g + " QQ：" + q + " 已禁言匿名用户[" + text1 + "] " + n + "秒";
    case 7: return "群：" + g + " QQ：" + q + text1;
    case 8: return "群：" + g + " Tips：" + text1;
    case 9: return "群：" + g + " QQ：" + q + " " + text1;
    default: return "";
  }
}

int groupNoticeHandler(std::int64_t, std::int32_t noticeType, std::int32_t, std::int32_t, std::int64_t group,
                       std::int64_t actor, std::int64_t number, std::string& text1, std::string& text2,
                       std::int32_t) {
  // The description goes nowhere: the plug-in only reads its notices.
  [[maybe_unused]] const std::string description = noticeDescription(noticeType, group, actor, number, text1);
  if (noticeType == 9 && !text2.empty()) {
    KeyValuePack details;
    details.parse(text2);
    FileRecord uploadedFile;
    HostApi::decodeFileRecord(details.get("MsgFile"), uploadedFile);
  }
  return 0;
}

}  // namespace taoke
