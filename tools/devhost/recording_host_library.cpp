// libTNOffer.so of the development host: every host function of the host function table, each
// recording its call with all arguments and answering as the robot host would, from the data given
// through the control functions.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <unistd.h>
#include <vector>

#include "call_line.h"
#include "host_data.h"
#include "plugin/export_abi.h"
#include "plugin/host_functions.h"
#include "tnoffer_control.h"

namespace taoke::devhost {
namespace {

struct Library {
  HostData data;
  std::map<std::string, std::string, std::less<>> fixedAnswers;
  std::map<std::string, std::string, std::less<>> lastAnswers;  // keeps each returned text alive
  std::vector<std::string> calls;
  std::string taken;
  TnofferCallListener listener = nullptr;
  void* listenerContext = nullptr;
};

Library& library() {
  static Library instance;
  return instance;
}

void addArgument(CallLine& line, const std::string& name, const char* text) { line.add(name, text); }

template <class Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
void addArgument(CallLine& line, const std::string& name, Number number) {
  line.add(name, static_cast<std::int64_t>(number));
}

template <class... Arguments>
void recordCall(std::string_view function, const std::vector<std::string>& names, Arguments... arguments) {
  CallLine line(function);
  std::size_t index = 0;
  (addArgument(line, index < names.size() ? names[index++] : std::to_string(index++), arguments), ...);
  Library& lib = library();
  lib.calls.push_back(line.text());
  if (lib.listener) lib.listener(line.text().c_str(), lib.listenerContext);
}

template <class Value>
void collectNumber(std::vector<std::int64_t>& numbers, Value value) {
  if constexpr (std::is_integral_v<Value>) numbers.push_back(static_cast<std::int64_t>(value));
}

std::string currentDirectory() {
  std::vector<char> buffer(4096);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return "";
  return std::string(buffer.data()) + "/";
}

// The built answer of a text function; `numbers` are its integer arguments in order, authCode first.
std::string builtAnswer(std::string_view function, const std::vector<std::int64_t>& numbers) {
  const HostData& data = library().data;
  auto number = [&](std::size_t i) { return i < numbers.size() ? numbers[i] : 0; };
  if (function == "TN_getLoginQQList") return loginListRecord(data);
  if (function == "TN_getGroupList") return groupListRecord(data, number(1));
  if (function == "TN_getGroupMemberList") return memberListRecord(data, number(2));
  if (function == "TN_getFriendList") return friendListRecord(data);
  if (function == "TN_getGroupMemberCard") return memberCardRecord(data, number(2), number(3));
  if (function == "TN_getAppDirectory") return currentDirectory();
  return "";
}

template <class Result, class... Arguments>
Result answer(std::string_view function, Arguments... arguments) {
  if constexpr (std::is_same_v<Result, const char*>) {
    Library& lib = library();
    std::vector<std::int64_t> numbers;
    (collectNumber(numbers, arguments), ...);
    auto fixed = lib.fixedAnswers.find(function);
    std::string text = fixed != lib.fixedAnswers.end() ? fixed->second : builtAnswer(function, numbers);
    std::string& kept = lib.lastAnswers[std::string(function)];
    kept = std::move(text);
    return kept.c_str();
  } else {
    return Result{0};
  }
}

}  // namespace
}  // namespace taoke::devhost

#define TNOFFER_DEFINE_HOST_FUNCTION(name, Result, parameters, arguments)                        \
  TAOKE_EXPORT Result TAOKE_CALL name parameters {                                              \
    static const std::vector<std::string> names = taoke::devhost::parameterNames(#parameters); \
    taoke::devhost::recordCall(#name, names, TNOFFER_UNPACK arguments);                         \
    return taoke::devhost::answer<Result>(#name, TNOFFER_UNPACK arguments);                     \
  }
#define TNOFFER_UNPACK(...) __VA_ARGS__
TAOKE_HOST_FUNCTIONS(TNOFFER_DEFINE_HOST_FUNCTION)
#undef TNOFFER_DEFINE_HOST_FUNCTION

using taoke::devhost::library;

void tnofferReset(void) {
  taoke::devhost::Library& lib = library();
  lib.data = {};
  lib.fixedAnswers.clear();
  lib.calls.clear();
}

void tnofferAddLoginAccount(int64_t account) { library().data.loginAccounts.push_back(account); }

void tnofferAddGroup(int64_t group, const char* name) { library().data.groups.push_back({group, name ? name : ""}); }

void tnofferAddMember(int64_t group, int64_t account, const char* nick, const char* card) {
  library().data.members.push_back({group, account, nick ? nick : "", card ? card : ""});
}

void tnofferAddFriend(int64_t account, const char* name) { library().data.friends.push_back({account, name ? name : ""}); }

void tnofferSetAnswer(const char* function, const char* text) {
  if (function == nullptr) return;
  if (text == nullptr) {
    library().fixedAnswers.erase(function);
  } else {
    library().fixedAnswers[function] = text;
  }
}

const char* tnofferTakeCalls(void) {
  taoke::devhost::Library& lib = library();
  lib.taken.clear();
  for (const std::string& call : lib.calls) lib.taken += call + "\n";
  lib.calls.clear();
  return lib.taken.c_str();
}

void tnofferSetCallListener(TnofferCallListener listener, void* context) {
  library().listener = listener;
  library().listenerContext = context;
}
