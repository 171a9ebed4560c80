// One end-to-end scenario: the real plug-in (build/libtaoke.so, loaded by dlopen with the recording
// host library), the stand-in services, a mirror peer on 127.0.0.1:19730 and the configuration
// file beside the plug-in. The settings window is open and filled with the operator's settings
// below; a test changes what it needs, posts messages and reads what reached the host, the mirror
// peer, the services and the log.
//
// Scenarios of different test programs share the configuration file and the mirror port, so one
// scenario at a time holds an exclusive lock on the build directory for its whole life.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mirror_peer.h"
#include "standin_services.h"

namespace taoke::test {

inline constexpr std::int64_t robotAccount = 10001;
inline constexpr std::int64_t watchedGroup = 3001;
inline constexpr std::int64_t otherGroup = 3002;
inline constexpr const char* operatorAppKey = "opkey";
inline constexpr const char* operatorSid = "77";
inline constexpr const char* operatorPid = "mm_77_88_99";
inline constexpr const char* tailText = "--尾巴--";
inline constexpr const char* jdCookies = "pt_key=operator; pt_pin=op";
inline constexpr const char* suningKey = "demo-sn-key";
inline constexpr const char* suningSecret = "demo-sn-secret";
inline constexpr const char* suningPosition = "P9/1";

// A message the plug-in sent through the host.
struct SentMessage {
  std::string function;  // "TN_sendGroupMsg" or "TN_sendGroupTmpMsg"
  std::int64_t robot = 0;
  std::int64_t first = 0;   // the group, or the first number after the robot
  std::int64_t second = 0;  // TN_sendGroupTmpMsg only
  std::string text;
  bool operator==(const SentMessage&) const = default;
};

struct IniValue {
  std::string section;
  std::string key;
  std::string value;
};

class PluginScenario {
 public:
  // Writes the configuration file (forward groups 2001#2002#, no pairs, no blocked words unless
  // given), opens the window and sets: watched group 3001, conversion on, forward-all off, the
  // operator's affiliate, universal, JD and Suning settings, marks "￥" and "￥", the tail.
  explicit PluginScenario(std::vector<IniValue> config = {});
  ~PluginScenario();

  StandinServices& services() { return *services_; }
  MirrorPeer& mirror() { return *mirror_; }

  void writeConfig(const std::vector<IniValue>& values) const;
  void setText(std::string_view control, std::string_view text) const;
  std::string text(std::string_view control) const;
  void setCheck(std::string_view control, bool on) const;
  void addWatchedGroup(std::string_view item) const;
  // Removes every item of 列表框_监控群.
  void clearWatchedGroups() const;
  // Closes the settings window: every setting reads as its initial value.
  void closeWindow() const;

  void groupMessage(std::int64_t group, std::string_view text) const;
  void privateMessage(std::int32_t type, std::int64_t first, std::int64_t second,
                      std::string_view text) const;

  // The messages sent since the last call, in order.
  std::vector<SentMessage> takeSent() const;
  // What the log box gained since the last call.
  std::string takeLog();

 private:
  class Host;
  int lockFd_ = -1;
  std::unique_ptr<StandinServices> services_;
  std::unique_ptr<MirrorPeer> mirror_;
  std::unique_ptr<Host> host_;
  std::size_t logSeen_ = 0;
};

void PrintTo(const SentMessage& message, std::ostream* out);

// A forwarded message as it reaches a group: the text, "\r\n" and the tail.
SentMessage forwarded(std::int64_t group, std::string_view text);

// The request URLs of `a` followed by those of `b`.
std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b);
// A reply in a group.
SentMessage groupReply(std::int64_t group, std::string_view text);

}  // namespace taoke::test
