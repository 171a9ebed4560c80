#include "private/private_message_handler.h"

#include "convert/keyword_replies.h"
#include "plugin/host_api.h"

namespace taoke {

int privateMessageHandler(std::int64_t robot, std::int32_t messageType, std::int64_t first,
                          std::int64_t second, std::string& message) {
  if (messageType != 2) return 0;
  // The answer goes back through the group's temporary session: the robot, then the event's
  // second number (words 8-9), then its first (words 6-7).
  const ReplyChannel channel{true, [robot, first, second](const std::string& reply) {
                               hostApi().sendGroupTmpMsg(robot, second, first, reply);
                             }};
  couponTokenReply(message, channel);
  productSearchReply(message, channel);
  shoppingPageReply(message, channel);
  return 0;
}

}  // namespace taoke
