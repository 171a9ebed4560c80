// The functions the robot host calls: the manifest, Initialize, the two menu entries and one export
// per event. Each event export copies its text arguments (null becomes empty) so that handlers may
// rewrite them without touching the host's buffers, and runs its handler inside the export guard.
#include <cstdint>
#include <string>

#include "convert/group_message_pipeline.h"
#include "plugin/export_abi.h"
#include "plugin/export_guard.h"
#include "plugin/fatal_error.h"
#include "plugin/group_join_request_handler.h"
#include "plugin/group_notice_handler.h"
#include "plugin/host_api.h"
#include "plugin/plugin_manifest.h"
#include "private/private_message_handler.h"
#include "settings/settings_window.h"

namespace {

std::string copyText(const char* text) { return text ? std::string(text) : std::string(); }

}  // namespace

TAOKE_EXPORT const char* TAOKE_CALL AppInfo() { return taoke::pluginManifest(); }

TAOKE_EXPORT int32_t TAOKE_CALL Initialize(int32_t authCode, int32_t second) {
  return taoke::guardExport([&] {
    taoke::hostApi().setAuthCode(authCode);
    taoke::hostApi().setInitArg2(second);
    taoke::installFatalErrorHook();
    return 0;
  });
}

TAOKE_EXPORT int32_t TAOKE_CALL _menuA() {
  return taoke::guardExport([] {
    taoke::openSettingsWindow();
    return 0;
  });
}

TAOKE_EXPORT int32_t TAOKE_CALL _menuB() { return 0; }

TAOKE_EXPORT int32_t TAOKE_CALL _eventStartup() { return 0; }

TAOKE_EXPORT int32_t TAOKE_CALL _eventExit() { return 0; }

TAOKE_EXPORT int32_t TAOKE_CALL _eventEnable() { return 0; }

TAOKE_EXPORT int32_t TAOKE_CALL _eventDisable() { return 0; }

TAOKE_EXPORT int32_t TAOKE_CALL _eventPrivateMsg(int64_t robot, int32_t messageType, int32_t, int32_t,
                                                 int64_t first, int64_t second, const char*,
                                                 const char* message, const char*, int32_t) {
  return taoke::guardExport([&] {
    std::string messageCopy = copyText(message);
    return taoke::privateMessageHandler(robot, messageType, first, second, messageCopy);
  });
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventGroupMsg(int64_t robot, int32_t, int32_t, int32_t, int64_t group, int64_t,
                                               const char*, const char* message, const char*, int32_t) {
  return taoke::guardExport([&] {
    std::string messageCopy = copyText(message);
    return taoke::groupMessagePipeline(robot, group, messageCopy);
  });
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventDiscussMsg(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, const char*,
                                                 const char*, const char*, int32_t) {
  return 0;
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventPushMsgEvent(int64_t robot, int32_t noticeType, int32_t word4, int32_t word5,
                                                   int64_t group, int64_t actor, int64_t number, const char* text1,
                                                   const char* text2, int32_t lastWord) {
  return taoke::guardExport([&] {
    std::string text1Copy = copyText(text1);
    std::string text2Copy = copyText(text2);
    return taoke::groupNoticeHandler(robot, noticeType, word4, word5, group, actor, number, text1Copy, text2Copy,
                                     lastWord);
  });
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventSystem_GroupAdmin(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t) {
  return 0;
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventSystem_GroupMemberDecrease(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t,
                                                                 int64_t) {
  return 0;
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventSystem_GroupMemberIncrease(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t,
                                                                 int64_t) {
  return 0;
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventFriendEvent(int64_t, int32_t, int32_t, int32_t, int64_t, const char*) { return 0; }

TAOKE_EXPORT int32_t TAOKE_CALL _eventRequest_AddFriend(int64_t, int32_t, int32_t, int32_t, int64_t, const char*,
                                                        const char*, const char*) {
  return 0;
}

TAOKE_EXPORT int32_t TAOKE_CALL _eventRequest_AddGroup(int64_t robot, int32_t requestType, int32_t word4,
                                                       int32_t word5, int64_t number1, int64_t number2,
                                                       const char* text1, const char* text2, const char* request) {
  return taoke::guardExport([&] {
    std::string text1Copy = copyText(text1);
    std::string text2Copy = copyText(text2);
    std::string requestCopy = copyText(request);
    return taoke::groupJoinRequestHandler(robot, requestType, word4, word5, number1, number2, text1Copy, text2Copy,
                                          requestCopy);
  });
}
