#include "convert/conversion_stage.h"

#include <algorithm>

#include "convert/jd_links.h"
#include "convert/suning_links.h"
#include "convert/taobao_links.h"
#include "convert/taobao_tokens.h"
#include "settings/config_file.h"
#include "settings/working_settings.h"
#include "util/gbk_text.h"

namespace taoke {
namespace {

bool containsBlockedWord(const std::string& message) {
  for (const std::string& word : splitConfigList(readConfigValue("不转发", "不转发关键词"))) {
    if (word.empty() ? !message.empty() : containsText(message, word, true)) {
      appendLog("发现屏蔽关键词，此消息屏蔽\r\n");
      return true;
    }
  }
  return false;
}

}  // namespace

void applyReplacementPairs(std::string& message, const ReplacementPairs& pairs) {
  const std::size_t count = std::min(pairs.replaced.size(), pairs.replacements.size());
  for (std::size_t i = 0; i < count; ++i) {
    message = replaceAll(message, pairs.replaced[i], pairs.replacements[i]);
  }
}

bool runConversionStage(std::string& message, const ReplacementPairs& pairs) {
  applyReplacementPairs(message, pairs);
  convertTaobaoTokens(message);
  convertTaobaoLinks(message);
  convertJdLinks(message);
  convertSuningLinks(message);
  return containsBlockedWord(message);
}

}  // namespace taoke
