#include "plugin_host.h"

#include <cstdlib>
#include <filesystem>
#include <dlfcn.h>
#include <stdexcept>

#include <gtest/gtest.h>

#include "util/gbk_text.h"

namespace taoke::testing {
namespace {

struct LoadedLibraries {
  void* host = nullptr;
  void* plugin = nullptr;
};

void* openLibrary(const std::string& path) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw std::runtime_error("cannot load " + path + ": " + dlerror());
  return library;
}

// Loaded once per process: the host library first, so that the plug-in finds the same instance.
const LoadedLibraries& libraries() {
  static const LoadedLibraries loaded = [] {
    const std::string directory = PluginHost::buildDirectory();
    const std::string hostPath = directory + "/libTNOffer.so";
    setenv("TNOFFER_LIBRARY", hostPath.c_str(), 1);
    LoadedLibraries result;
    result.host = openLibrary(hostPath);
    result.plugin = openLibrary(directory + "/libtaoke.so");
    return result;
  }();
  return loaded;
}

template <class Function>
Function symbol(void* library, const char* name) {
  void* address = dlsym(library, name);
  if (address == nullptr) throw std::runtime_error(std::string("library has no function ") + name);
  return reinterpret_cast<Function>(address);
}

template <class Function>
Function hostFunction(const char* name) {
  return symbol<Function>(libraries().host, name);
}

template <class Function>
Function pluginFunction(const char* name) {
  return symbol<Function>(libraries().plugin, name);
}

using EventMessage = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, const char*, const char*,
                                 const char*, int32_t);
using NoArguments = int32_t (*)();

}  // namespace

std::string PluginHost::buildDirectory() {
  const char* configured = std::getenv("TAOKE_BUILD_DIR");
  return configured != nullptr && *configured != '\0' ? std::string(configured) : std::string(".");
}

namespace {

struct OwnRunDirectory {
  std::filesystem::path path;
  ~OwnRunDirectory() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

std::string PluginHost::useOwnRunDirectory(const std::string& testHostLibrary) {
  static OwnRunDirectory directory;
  if (!directory.path.empty()) return directory.path.string();
  const std::filesystem::path build = buildDirectory();
  std::string pattern = (std::filesystem::temp_directory_path() / "taoke_run_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a run directory");
  directory.path = pattern;
  std::filesystem::copy_file(build / "libtaoke.so", directory.path / "libtaoke.so");
  const std::filesystem::path host =
      testHostLibrary.empty() ? build / "libTNOffer.so" : build / "tests" / testHostLibrary;
  std::filesystem::copy_file(host, directory.path / "libTNOffer.so");
  setenv("TAOKE_BUILD_DIR", directory.path.c_str(), 1);
  return directory.path.string();
}

PluginHost::PluginHost(std::int32_t authCode) {
  hostFunction<void (*)()>("tnofferReset")();
  appInfo();
  initialize(authCode, 0);
  takeCalls();
}

PluginHost::~PluginHost() {
  try {
    if (uiIsOpen()) uiClose();
    hostFunction<void (*)()>("tnofferReset")();
  } catch (const std::exception& error) {
    ADD_FAILURE() << error.what();
  }
}

void PluginHost::addLoginAccount(std::int64_t account) {
  hostFunction<void (*)(int64_t)>("tnofferAddLoginAccount")(account);
}

void PluginHost::addGroup(std::int64_t group, const std::string& name) {
  hostFunction<void (*)(int64_t, const char*)>("tnofferAddGroup")(group, name.c_str());
}

void PluginHost::addMember(std::int64_t group, std::int64_t account, const std::string& nick, const std::string& card) {
  hostFunction<void (*)(int64_t, int64_t, const char*, const char*)>("tnofferAddMember")(group, account, nick.c_str(),
                                                                                       card.c_str());
}

void PluginHost::addFriend(std::int64_t account, const std::string& name) {
  hostFunction<void (*)(int64_t, const char*)>("tnofferAddFriend")(account, name.c_str());
}

void PluginHost::setAnswer(const std::string& function, const std::string& text) {
  hostFunction<void (*)(const char*, const char*)>("tnofferSetAnswer")(function.c_str(), text.c_str());
}

std::vector<HostCall> PluginHost::takeCalls() {
  return parseHostCalls(hostFunction<const char* (*)()>("tnofferTakeCalls")());
}

std::vector<HostCall> PluginHost::takeCalls(std::string_view function) {
  std::vector<HostCall> calls;
  for (HostCall& call : takeCalls()) {
    if (call.function == function) calls.push_back(std::move(call));
  }
  return calls;
}

const char* PluginHost::appInfo() { return pluginFunction<const char* (*)()>("AppInfo")(); }

std::int32_t PluginHost::initialize(std::int32_t authCode, std::int32_t second) {
  return pluginFunction<int32_t (*)(int32_t, int32_t)>("Initialize")(authCode, second);
}

std::int32_t PluginHost::menuA() { return pluginFunction<NoArguments>("_menuA")(); }
std::int32_t PluginHost::menuB() { return pluginFunction<NoArguments>("_menuB")(); }
std::int32_t PluginHost::eventStartup() { return pluginFunction<NoArguments>("_eventStartup")(); }
std::int32_t PluginHost::eventExit() { return pluginFunction<NoArguments>("_eventExit")(); }
std::int32_t PluginHost::eventEnable() { return pluginFunction<NoArguments>("_eventEnable")(); }
std::int32_t PluginHost::eventDisable() { return pluginFunction<NoArguments>("_eventDisable")(); }

std::int32_t PluginHost::eventPrivateMsg(std::int64_t robot, std::int32_t messageType, std::int32_t word4,
                                         std::int32_t word5, std::int64_t first, std::int64_t second,
                                         const char* text1, const char* message, const char* text3,
                                         std::int32_t lastWord) {
  return pluginFunction<EventMessage>("_eventPrivateMsg")(robot, messageType, word4, word5, first, second, text1,
                                                          message, text3, lastWord);
}

std::int32_t PluginHost::eventGroupMsg(std::int64_t robot, std::int32_t word3, std::int32_t word4, std::int32_t word5,
                                       std::int64_t group, std::int64_t number, const char* text1,
                                       const char* message, const char* text3, std::int32_t lastWord) {
  return pluginFunction<EventMessage>("_eventGroupMsg")(robot, word3, word4, word5, group, number, text1, message,
                                                        text3, lastWord);
}

std::int32_t PluginHost::eventDiscussMsg(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                         std::int32_t word5, std::int64_t discuss, std::int64_t number,
                                         const char* text1, const char* message, const char* text3,
                                         std::int32_t lastWord) {
  return pluginFunction<EventMessage>("_eventDiscussMsg")(robot, word3, word4, word5, discuss, number, text1, message,
                                                          text3, lastWord);
}

std::int32_t PluginHost::eventPushMsgEvent(std::int64_t robot, std::int32_t noticeType, std::int32_t word4,
                                           std::int32_t word5, std::int64_t group, std::int64_t actor,
                                           std::int64_t number, const char* text1, const char* text2,
                                           std::int32_t lastWord) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, int64_t, const char*,
                               const char*, int32_t);
  return pluginFunction<Function>("_eventPushMsgEvent")(robot, noticeType, word4, word5, group, actor, number, text1,
                                                        text2, lastWord);
}

std::int32_t PluginHost::eventSystemGroupAdmin(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                               std::int32_t word5, std::int64_t group, std::int64_t qq) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t);
  return pluginFunction<Function>("_eventSystem_GroupAdmin")(robot, word3, word4, word5, group, qq);
}

std::int32_t PluginHost::eventSystemGroupMemberDecrease(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                                        std::int32_t word5, std::int64_t group, std::int64_t qq,
                                                        std::int64_t actor) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, int64_t);
  return pluginFunction<Function>("_eventSystem_GroupMemberDecrease")(robot, word3, word4, word5, group, qq, actor);
}

std::int32_t PluginHost::eventSystemGroupMemberIncrease(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                                        std::int32_t word5, std::int64_t group, std::int64_t qq,
                                                        std::int64_t actor) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, int64_t);
  return pluginFunction<Function>("_eventSystem_GroupMemberIncrease")(robot, word3, word4, word5, group, qq, actor);
}

std::int32_t PluginHost::eventFriendEvent(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                          std::int32_t word5, std::int64_t qq, const char* text) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, const char*);
  return pluginFunction<Function>("_eventFriendEvent")(robot, word3, word4, word5, qq, text);
}

std::int32_t PluginHost::eventRequestAddFriend(std::int64_t robot, std::int32_t word3, std::int32_t word4,
                                               std::int32_t word5, std::int64_t qq, const char* text1,
                                               const char* text2, const char* text3) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, const char*, const char*, const char*);
  return pluginFunction<Function>("_eventRequest_AddFriend")(robot, word3, word4, word5, qq, text1, text2, text3);
}

std::int32_t PluginHost::eventRequestAddGroup(std::int64_t robot, std::int32_t requestType, std::int32_t word4,
                                              std::int32_t word5, std::int64_t group, std::int64_t qq,
                                              const char* text1, const char* text2, const char* request) {
  using Function = int32_t (*)(int64_t, int32_t, int32_t, int32_t, int64_t, int64_t, const char*, const char*,
                               const char*);
  return pluginFunction<Function>("_eventRequest_AddGroup")(robot, requestType, word4, word5, group, qq, text1, text2,
                                                            request);
}

std::int32_t PluginHost::groupMessage(std::int64_t robot, std::int64_t group, const std::string& message) {
  return eventGroupMsg(robot, 0, 0, 0, group, 0, nullptr, message.c_str(), nullptr, 0);
}

std::int32_t PluginHost::privateMessage(std::int64_t robot, std::int32_t messageType, std::int64_t first,
                                        std::int64_t second, const std::string& message) {
  return eventPrivateMsg(robot, messageType, 0, 0, first, second, nullptr, message.c_str(), nullptr, 0);
}

bool PluginHost::uiIsOpen() { return pluginFunction<NoArguments>("uiIsOpen")() == 1; }

std::int32_t PluginHost::uiSetText(const std::string& control, const std::string& text) {
  return pluginFunction<int32_t (*)(const char*, const char*)>("uiSetText")(control.c_str(), text.c_str());
}

std::string PluginHost::uiGetText(const std::string& control) {
  const char* text = pluginFunction<const char* (*)(const char*)>("uiGetText")(control.c_str());
  return text ? text : "";
}

std::int32_t PluginHost::uiSetCheck(const std::string& control, bool on) {
  return pluginFunction<int32_t (*)(const char*, int32_t)>("uiSetCheck")(control.c_str(), on ? 1 : 0);
}

std::int32_t PluginHost::uiSelect(const std::string& control, std::int32_t index) {
  return pluginFunction<int32_t (*)(const char*, int32_t)>("uiSelect")(control.c_str(), index);
}

std::int32_t PluginHost::uiClick(const std::string& button) {
  return pluginFunction<int32_t (*)(const char*)>("uiClick")(button.c_str());
}

std::int32_t PluginHost::uiPump(std::int32_t milliseconds) {
  return pluginFunction<int32_t (*)(int32_t)>("uiPump")(milliseconds);
}

std::vector<std::string> PluginHost::uiTakeMessageBoxes() {
  const char* boxes = pluginFunction<const char* (*)()>("uiTakeMessageBoxes")();
  return splitText(boxes ? boxes : "", "\r\n");
}

std::int32_t PluginHost::uiClose() { return pluginFunction<NoArguments>("uiClose")(); }

}  // namespace taoke::testing
