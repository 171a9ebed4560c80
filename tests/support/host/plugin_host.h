// PluginHost: the plug-in as the robot host runs it, for end-to-end tests. It loads the development
// host library build/libTNOffer.so and the plug-in build/libtaoke.so with dlopen (from the
// TAOKE_BUILD_DIR directory, else the current directory, which is the build directory when ctest
// runs the tests), points the plug-in at that host library, reads the manifest and calls Initialize.
//
//   PluginHost host;                                   // loaded and initialised, authorisation code kAuthCode
//   host.addLoginAccount(10001);                       // what TN_getLoginQQList answers
//   host.addGroup(20001, "测试群");                     // what TN_getGroupList answers
//   host.menuA();                                      // opens the headless settings window
//   host.uiSetCheck("选择框_开始转链", 1);
//   host.groupMessage(10001, 20001, "hello");
//   for (const HostCall& call : host.takeCalls("TN_sendGroupMsg"))
//     EXPECT_EQ(call.text("text"), "...");
//
// Texts are GBK std::strings both ways, as the plug-in sees them. Each recorded host call carries
// every argument by its parameter name (authCode, robot, group, qq, text, ...; see
// plugin/host_functions.h for the names of every function).
//
// The two libraries stay loaded for the whole test process (a plug-in library is never unloaded
// while its host runs); each PluginHost forgets the host's data and the recorded calls when it is
// made, and closes the settings window when it goes, so tests do not see each other's state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host_call.h"

namespace taoke::testing {

inline constexpr std::int32_t kAuthCode = 1234;

class PluginHost {
 public:
  explicit PluginHost(std::int32_t authCode = kAuthCode);
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // The host's data, answered by the list functions.
  void addLoginAccount(std::int64_t account);
  void addGroup(std::int64_t group, const std::string& name);
  void addMember(std::int64_t group, std::int64_t account, const std::string& nick, const std::string& card);
  void addFriend(std::int64_t account, const std::string& name);
  // A fixed answer of a text function ("TN_getGroupList", ...), also to give a malformed one.
  void setAnswer(const std::string& function, const std::string& text);

  // Host calls made since the last take, in order; the filtered form drops other functions' calls.
  std::vector<HostCall> takeCalls();
  std::vector<HostCall> takeCalls(std::string_view function);

  // The exports of the host's interface, word for word (texts may be null).
  const char* appInfo();
  std::int32_t initialize(std::int32_t authCode, std::int32_t second);
  std::int32_t menuA();
  std::int32_t menuB();
  std::int32_t eventStartup();
  std::int32_t eventExit();
  std::int32_t eventEnable();
  std::int32_t eventDisable();
  std::int32_t eventPrivateMsg(std::int64_t robot, std::int32_t messageType, std::int32_t word4, std::int32_t word5,
                               std::int64_t first, std::int64_t second, const char* text1, const char* message,
                               const char* text3, std::int32_t lastWord);
  std::int32_t eventGroupMsg(std::int64_t robot, std::int32_t word3, std::int32_t word4, std::int32_t word5,
                             std::int64_t group, std::int64_t number, const char* text1, const char* message,
                             const char* text3, std::int32_t lastWord);
  std::int32_t eventDiscussMsg(std::int64_t robot, std::int32_t word3, std::int32_t word4, std::int32_t word5,
                               std::int64_t discuss, std::int64_t number, const char* text1, const char* message,
                               const char* text3, std::int32_t lastWord);
  std::int32_t eventPushMsgEvent(std::int64_t robot, std::int32_t noticeType, std::int32_t word4, std::int32_t word5,
                                 std::int64_t group, std::int64_t actor, std::int64_t number, const char* text1,
                                 const char* text2, std::int32_t lastWord);
  std::int32_t eventSystemGroupAdmin(std::int64_t robot, std::int32_t word3, std::int32_t word4, std::int32_t word5,
                                     std::int64_t group, std::int64_t qq);
  std::int32_t eventSystemGroupMemberDecrease(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                              std::int32_t word5, std::int64_t group, std::int64_t qq,
                                              std::int64_t actor);
  std::int32_t eventSystemGroupMemberIncrease(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                              std::int32_t word5, std::int64_t group, std::int64_t qq,
                                              std::int64_t actor);
  std::int32_t eventFriendEvent(std::int64_t robot, std::int32_t word3, std::int32_t word4, std::int32_t word5,
                                std::int64_t qq, const char* text);
  std::int32_t eventRequestAddFriend(std::int64_t robot, std::int32_t word3, std::int32_t word4, std::int32_t word5,
                                     std::int64_t qq, const char* text1, const char* text2, const char* text3);
  std::int32_t eventRequestAddGroup(std::int64_t robot, std::int32_t requestType, std::int32_t word4,
                                    std::int32_t word5, std::int64_t group, std::int64_t qq, const char* text1,
                                    const char* text2, const char* request);

  // Shorthands for the common events: the words the handlers do not read are 0 / null.
  std::int32_t groupMessage(std::int64_t robot, std::int64_t group, const std::string& message);
  std::int32_t privateMessage(std::int64_t robot, std::int32_t messageType, std::int64_t first,
                              std::int64_t second, const std::string& message);

  // The headless settings window's exports (texts GBK, control names as in the window).
  bool uiIsOpen();
  std::int32_t uiSetText(const std::string& control, const std::string& text);
  std::string uiGetText(const std::string& control);
  std::int32_t uiSetCheck(const std::string& control, bool on);
  std::int32_t uiSelect(const std::string& control, std::int32_t index);
  std::int32_t uiClick(const std::string& button);
  std::int32_t uiPump(std::int32_t milliseconds);
  // Message boxes shown since the last take, each "title\ttext".
  std::vector<std::string> uiTakeMessageBoxes();
  std::int32_t uiClose();

  // Where the libraries are loaded from: TAOKE_BUILD_DIR, else the current directory.
  static std::string buildDirectory();

  // Copies libtaoke.so and a host library (by default libTNOffer.so; given as a file name in the
  // build directory's tests/ folder, it is copied under the name libTNOffer.so) into a fresh
  // directory of this process's own and loads them from there, so that the configuration file
  // beside the plug-in belongs to this test program alone. Call before the first PluginHost is
  // made; the directory goes when the process ends. Returns the directory.
  static std::string useOwnRunDirectory(const std::string& testHostLibrary = "");
};

}  // namespace taoke::testing
