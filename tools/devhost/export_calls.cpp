#include "export_calls.h"

#include <cstring>
#include <string_view>

namespace taoke::devhost {
namespace {

using Message = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, const char*, const char*,
                            const char*, int32_t);
using Push = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, int64_t, const char*, const char*,
                         int32_t);
using Admin = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t);
using Member = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, int64_t);
using FriendEvent = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, const char*);
using AddFriend = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, const char*, const char*, const char*);
using AddGroup = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, const char*, const char*,
                             const char*);

const char* const kMessageParameters = "robot type word4 word5 number1 number2 text1 message text3 word13";

}  // namespace

const std::vector<ExportDescription>& hostExports() {
  static const std::vector<ExportDescription> exports = {
      {"AppInfo", "", ""},
      {"Initialize", "ii", "authCode second"},
      {"_menuA", "", ""},
      {"_menuB", "", ""},
      {"_eventStartup", "", ""},
      {"_eventExit", "", ""},
      {"_eventEnable", "", ""},
      {"_eventDisable", "", ""},
      {"_eventPrivateMsg", "LiiiLLsssi", kMessageParameters},
      {"_eventGroupMsg", "LiiiLLsssi", kMessageParameters},
      {"_eventDiscussMsg", "LiiiLLsssi", kMessageParameters},
      {"_eventPushMsgEvent", "LiiiLLLssi", "robot noticeType word4 word5 group qq number text1 text2 word14"},
      {"_eventSystem_GroupAdmin", "LiiiLL", "robot type word4 word5 group qq"},
      {"_eventSystem_GroupMemberDecrease", "LiiiLLL", "robot type word4 word5 group qq actor"},
      {"_eventSystem_GroupMemberIncrease", "LiiiLLL", "robot type word4 word5 group qq actor"},
      {"_eventFriendEvent", "LiiiLs", "robot type word4 word5 qq text"},
      {"_eventRequest_AddFriend", "LiiiLsss", "robot type word4 word5 qq text1 text2 text3"},
      {"_eventRequest_AddGroup", "LiiiLLsss", "robot requestType word4 word5 group qq text1 text2 request"},
  };
  return exports;
}

const ExportDescription* findExport(const std::string& name) {
  for (const ExportDescription& description : hostExports()) {
    if (name == description.name) return &description;
  }
  return nullptr;
}

std::optional<std::int64_t> callExport(const PluginLibrary& plugin, const ExportDescription& description,
                                       const std::vector<ExportArgument>& a) {
  void* address = plugin.find(description.name);
  if (address == nullptr) return std::nullopt;
  auto n32 = [&](std::size_t i) { return static_cast<int32_t>(a[i].number); };
  auto n64 = [&](std::size_t i) { return static_cast<int64_t>(a[i].number); };
  auto s = [&](std::size_t i) { return a[i].isNull ? nullptr : a[i].text.c_str(); };
  const std::string_view kinds = description.kinds;
  const std::string_view name = description.name;
  if (name == "AppInfo") {
    const char* manifest = reinterpret_cast<const char* (*)()>(address)();
    return manifest ? static_cast<std::int64_t>(std::strlen(manifest)) : 0;
  }
  if (kinds.empty()) return reinterpret_cast<int32_t (*)()>(address)();
  if (kinds == "ii") return reinterpret_cast<int32_t (*)(int32_t, int32_t)>(address)(n32(0), n32(1));
  if (kinds == "LiiiLLsssi") {
    return reinterpret_cast<Message>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), n64(5), s(6), s(7), s(8), n32(9));
  }
  if (kinds == "LiiiLLLssi") {
    return reinterpret_cast<Push>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), n64(5), n64(6), s(7), s(8), n32(9));
  }
  if (kinds == "LiiiLL") return reinterpret_cast<Admin>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), n64(5));
  if (kinds == "LiiiLLL") {
    return reinterpret_cast<Member>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), n64(5), n64(6));
  }
  if (kinds == "LiiiLs") return reinterpret_cast<FriendEvent>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), s(5));
  if (kinds == "LiiiLsss") {
    return reinterpret_cast<AddFriend>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), s(5), s(6), s(7));
  }
  return reinterpret_cast<AddGroup>(address)(n64(0), n32(1), n32(2), n32(3), n64(4), n64(5), s(6), s(7), s(8));
}

}  // namespace taoke::devhost
