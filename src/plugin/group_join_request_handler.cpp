#include "plugin/group_join_request_handler.h"

#include "plugin/host_api.h"
#include "settings/working_settings.h"

namespace taoke {

int groupJoinRequestHandler(std::int64_t robot, std::int32_t requestType, std::int32_t, std::int32_t, std::int64_t,
                            std::int64_t, std::string&, std::string&, std::string& request) {
  if (!windowCreated()) return 0;
  if (requestType != 1 && requestType != 2) return 0;
  if (readCheck("选择框_自动同意入群")) hostApi().setGroupAddRequest(robot, request, 0, 0, "");
  return 0;
}

}  // namespace taoke
