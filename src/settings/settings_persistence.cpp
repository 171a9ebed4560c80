#include "settings/settings_persistence.h"

#include <array>
#include <string_view>

#include "settings/config_file.h"
#include "settings/window_toolkit.h"

namespace taoke {

namespace {

struct StoredText {
  std::string_view section;
  std::string_view key;
  std::string_view control;
};

// The edit boxes kept in the file: the load button reads them, the save button writes them.
constexpr std::array kStoredTexts = std::to_array<StoredText>({
    {"不转发", "不转发关键词", "编辑框_不转发关键词"},
    {"转发群", "转发群号", "编辑框_转发群"},
    {"小尾巴", "附加小尾巴", "编辑框_小尾巴"},
    {"appkey", "appkey", "编辑框_appKey"},
    {"sid", "sid", "编辑框_SID"},
    {"pid", "pid", "编辑框_PID"},
    {"jingdong", "jingdong", "编辑框_京东"},
    {"taobao", "taobao1", "编辑框_前符号"},
    {"taobao", "taobao2", "编辑框_后符号"},
    {"sn", "snkey", "编辑框_苏宁key"},
    {"sn", "snsecret", "编辑框_苏宁secret"},
    {"sn", "sntuiguangwei", "编辑框_苏宁推广位"},
    {"短链", "短链1", "编辑框_短链前缀"},
    {"短链", "短链2", "编辑框_短链后缀"},
    {"私聊回复", "找到回复", "编辑框_找到私聊回复"},
    {"私聊回复", "没找到回复", "编辑框_无私聊回复"},
    {"私聊领券", "私聊领券", "编辑框_私聊领券"},
    {"网页搜索", "网页搜索", "编辑框_网页搜索词"},
    {"搜单商品", "搜单商品", "编辑框_搜单商品"},
    {"万能appkey", "appkey", "编辑框_万能appkey"},
    {"万能sid", "sid", "编辑框_万能sid"},
    {"万能pid", "pid", "编辑框_万能pid"},
});

constexpr std::string_view kWatchedGroups = "列表框_监控群";
constexpr std::string_view kWatchedSection = "监控群";
constexpr std::string_view kWatchedKey = "监控群号";
constexpr std::string_view kPairs = "超级列表框_替换关键词";
constexpr std::string_view kPairSection = "替换关键词";
constexpr std::string_view kReplacedKey = "被替换";
constexpr std::string_view kReplacementKey = "替换";

}  // namespace

void loadSettings() {
  for (const StoredText& stored : kStoredTexts)
    setControlText(stored.control, readConfigValue(stored.section, stored.key));

  clearTable(kPairs);
  const auto replaced = splitConfigList(readConfigValue(kPairSection, kReplacedKey));
  const auto replacements = splitConfigList(readConfigValue(kPairSection, kReplacementKey));
  // A replaced word without a replacement at its place (a hand-edited file) shows an empty column 1.
  for (std::size_t i = 0; i < replaced.size(); ++i)
    appendTableRow(kPairs, replaced[i], i < replacements.size() ? replacements[i] : std::string());

  clearList(kWatchedGroups);
  const auto watched = splitConfigList(readConfigValue(kWatchedSection, kWatchedKey));
  for (std::size_t i = 0; i < watched.size(); ++i) insertListItem(kWatchedGroups, i, watched[i]);
}

void saveSettings() {
  for (const StoredText& stored : kStoredTexts)
    writeConfigValue(stored.section, stored.key, controlText(stored.control));

  // With no watched groups nothing is written, so the file keeps the groups it had.
  const auto watched = listItems(kWatchedGroups);
  if (watched.empty()) return;
  std::string list;
  for (const std::string& group : watched) list += group + "#";
  writeConfigValue(kWatchedSection, kWatchedKey, list);
}

void saveReplacementPairs() {
  const auto rows = tableRows(kPairs);
  if (rows.empty()) return;
  std::string replaced;
  std::string replacements;
  for (const auto& [word, replacement] : rows) {
    replaced += word + "#";
    replacements += replacement + "#";
  }
  writeConfigValue(kPairSection, kReplacedKey, replaced);
  writeConfigValue(kPairSection, kReplacementKey, replacements);
}

}  // namespace taoke
