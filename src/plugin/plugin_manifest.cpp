#include "plugin/plugin_manifest.h"

namespace taoke {
namespace {

#define TAOKE_EVENT(id, type, name, function) \
  "{\"id\":" #id ",\"type\":" #type ",\"name\":\"" name "\",\"function\":\"" function "\",\"priority\":30000}"

// Members and objects in the host's fixed order; written out at compile time, never built at run time.
constexpr char kManifest[] =
    "{\"ret\":1,\"apiver\":2018,\"appid\":\"com.lumora.testapp\",\"name\":\"Tarnel转链应用\","
    "\"version\":\"1.0.0\",\"version_id\":1,\"author\":\"Marven\","
    "\"description\":\"Tarnel样例应用(v2018应用机制)\","
    "\"event\":["
    TAOKE_EVENT(1001, 1001, "TN启动事件", "_eventStartup") ","
    TAOKE_EVENT(1002, 1002, "TN关闭事件", "_eventExit") ","
    TAOKE_EVENT(1003, 1003, "应用已被启用", "_eventEnable") ","
    TAOKE_EVENT(1004, 1004, "应用将被停用", "_eventDisable") ","
    TAOKE_EVENT(1, 166, "私聊消息处理", "_eventPrivateMsg") ","
    TAOKE_EVENT(2, 82, "群消息处理", "_eventGroupMsg") ","
    TAOKE_EVENT(3, 83, "讨论组消息处理", "_eventDiscussMsg") ","
    TAOKE_EVENT(4, 101, "推送消息事件", "_eventPushMsgEvent") ","
    TAOKE_EVENT(5, 102, "群管理变动事件处理", "_eventSystem_GroupAdmin") ","
    TAOKE_EVENT(6, 103, "群成员减少事件处理", "_eventSystem_GroupMemberDecrease") ","
    TAOKE_EVENT(7, 104, "群成员增加事件处理", "_eventSystem_GroupMemberIncrease") ","
    TAOKE_EVENT(8, 201, "好友事件处理", "_eventFriendEvent") ","
    TAOKE_EVENT(9, 301, "好友添加请求处理", "_eventRequest_AddFriend") ","
    TAOKE_EVENT(10, 302, "群添加请求处理", "_eventRequest_AddGroup")
    "],"
    "\"menu\":["
    "{\"name\":\"设置A\",\"function\":\"_menuA\"},"
    "{\"name\":\"查看好友/群/讨论组列表\",\"function\":\"_menuB\"}"
    "],"
    "\"auth\":[101,102,103,104,105,110,111,112,113,114,115]}";

#undef TAOKE_EVENT

}  // namespace

const char* pluginManifest() { return kManifest; }

}  // namespace taoke
