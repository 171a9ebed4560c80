#include "plugin_scenario.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <stdexcept>

#include "plugin_host.h"

namespace taoke::test {
namespace {

// The configuration file's name is UTF-8 on disk, while the plug-in's texts are GBK.
std::string configFilePath() {
  const char8_t* name = u8"/淘客配置.ini";
  return testing::PluginHost::buildDirectory() + reinterpret_cast<const char*>(name);
}

const std::vector<IniValue> standardConfig{{"转发群", "转发群号", "2001#2002#"},
                                           {"替换关键词", "被替换", ""},
                                           {"替换关键词", "替换", ""},
                                           {"不转发", "不转发关键词", ""}};

}  // namespace

class PluginScenario::Host : public taoke::testing::PluginHost {};

PluginScenario::PluginScenario(std::vector<IniValue> config) {
  const std::string lockPath = testing::PluginHost::buildDirectory() + "/tests/conversion-e2e.lock";
  lockFd_ = open(lockPath.c_str(), O_CREAT | O_RDWR, 0644);
  if (lockFd_ < 0 || flock(lockFd_, LOCK_EX) != 0) throw std::runtime_error("cannot lock " + lockPath);

  std::vector<IniValue> values = standardConfig;
  values.insert(values.end(), config.begin(), config.end());
  writeConfig(values);

  services_ = std::make_unique<StandinServices>();
  mirror_ = std::make_unique<MirrorPeer>();
  host_ = std::make_unique<Host>();
  host_->addLoginAccount(robotAccount);
  host_->menuA();

  addWatchedGroup(std::to_string(watchedGroup));
  setCheck("选择框_开始转链", true);
  setText("编辑框_小尾巴", tailText);
  setText("编辑框_appKey", operatorAppKey);
  setText("编辑框_SID", operatorSid);
  setText("编辑框_PID", operatorPid);
  setText("编辑框_前符号", "￥");
  setText("编辑框_后符号", "￥");
  setText("编辑框_万能appkey", "wkey");
  setText("编辑框_万能sid", "wsid");
  setText("编辑框_万能pid", "wpid");
  setText("编辑框_京东", jdCookies);
  setText("编辑框_苏宁key", suningKey);
  setText("编辑框_苏宁secret", suningSecret);
  setText("编辑框_苏宁推广位", suningPosition);
  setText("编辑框_短链前缀", "http://dwz.demo/api.php?url=");
  setText("编辑框_短链后缀", "&format=text");
  setText("编辑框_找到私聊回复", "祝购物愉快");
  setText("编辑框_无私聊回复", "暂无优惠券");

  host_->uiClick("按钮_连接可爱猫");
  const auto boxes = host_->uiTakeMessageBoxes();
  if (boxes != std::vector<std::string>{"Tarnel转链\t连接成功"}) {
    ADD_FAILURE() << "the mirror client did not connect";
  }
  host_->takeCalls();
}

PluginScenario::~PluginScenario() {
  host_.reset();
  mirror_.reset();
  services_.reset();
  close(lockFd_);
}

void PluginScenario::writeConfig(const std::vector<IniValue>& values) const {
  // Sections in first-seen order, keys in order, later values winning; GBK with CRLF line ends.
  std::vector<std::string> sections;
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> keys;
  for (const IniValue& v : values) {
    if (!keys.count(v.section)) sections.push_back(v.section);
    auto& list = keys[v.section];
    bool replaced = false;
    for (auto& [key, value] : list) {
      if (key == v.key) {
        value = v.value;
        replaced = true;
      }
    }
    if (!replaced) list.emplace_back(v.key, v.value);
  }
  std::ofstream out(configFilePath(), std::ios::binary | std::ios::trunc);
  for (const std::string& section : sections) {
    out << "[" << section << "]\r\n";
    for (const auto& [key, value] : keys[section]) out << key << "=" << value << "\r\n";
  }
}

void PluginScenario::setText(std::string_view control, std::string_view text) const {
  ASSERT_EQ(host_->uiSetText(std::string(control), std::string(text)), 0) << control;
}

std::string PluginScenario::text(std::string_view control) const {
  return host_->uiGetText(std::string(control));
}

void PluginScenario::setCheck(std::string_view control, bool on) const {
  ASSERT_EQ(host_->uiSetCheck(std::string(control), on), 0) << control;
}

void PluginScenario::addWatchedGroup(std::string_view item) const {
  setText("编辑框_加入监控群", item);
  host_->uiClick("按钮_加入群");
}

void PluginScenario::clearWatchedGroups() const {
  while (!host_->uiGetText("列表框_监控群").empty()) {
    host_->uiSelect("列表框_监控群", 0);
    host_->uiClick("按钮_删除群");
  }
}

void PluginScenario::closeWindow() const { host_->uiClose(); }

void PluginScenario::groupMessage(std::int64_t group, std::string_view text) const {
  host_->groupMessage(robotAccount, group, std::string(text));
}

void PluginScenario::privateMessage(std::int32_t type, std::int64_t first, std::int64_t second,
                                    std::string_view text) const {
  host_->privateMessage(robotAccount, type, first, second, std::string(text));
}

std::vector<SentMessage> PluginScenario::takeSent() const {
  std::vector<SentMessage> sent;
  for (const auto& call : host_->takeCalls()) {
    if (call.function == "TN_sendGroupMsg") {
      sent.push_back({call.function, call.number("robot"), call.number("group"), 0, call.text("text")});
    } else if (call.function == "TN_sendGroupTmpMsg") {
      sent.push_back({call.function, call.number("robot"), call.number("a"), call.number("b"),
                      call.text("text")});
    }
  }
  return sent;
}

std::string PluginScenario::takeLog() {
  const std::string log = host_->uiGetText("编辑框_日志");
  const std::string gained = log.size() >= logSeen_ ? log.substr(logSeen_) : log;
  logSeen_ = log.size();
  return gained;
}

SentMessage forwarded(std::int64_t group, std::string_view text) {
  return groupReply(group, std::string(text) + "\r\n" + tailText);
}

SentMessage groupReply(std::int64_t group, std::string_view text) {
  return {"TN_sendGroupMsg", robotAccount, group, 0, std::string(text)};
}

void PrintTo(const SentMessage& m, std::ostream* out) {
  *out << m.function << "(" << m.robot << ", " << m.first << ", " << m.second << ", \"" << m.text << "\")";
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace taoke::test
