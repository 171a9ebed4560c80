#include "convert/taobao_tokens.h"

#include <array>
#include <vector>

#include "convert/service_urls.h"
#include "convert/token_marks.h"
#include "settings/working_settings.h"
#include "util/gbk_text.h"
#include "util/json_doc.h"
#include "util/regex_obj.h"
#include "util/url_encoding.h"
#include "web/fetch_page.h"
#include "web/text_markers.h"

namespace taoke {
namespace {

struct TokenForm {
  const char* leftMark;
  const char* rightMark;
  // Eleven characters that are neither the right mark nor ")" (for parentheses: neither
  // parenthesis), directly followed by the right mark.
  const char* pattern;
};

const std::array<TokenForm, 3> tokenForms{{
    {"￥", "￥", "[^\\￥\\)]{11}(?=\\￥)"},
    {"$", "$", "[^\\$\\)]{11}(?=\\$)"},
    {"(", ")", "[^\\(\\)]{11}(?=\\))"},
}};

bool formPresent(const std::string& message, const TokenForm& form) {
  return containsText(message, form.leftMark) && containsText(message, form.rightMark);
}

// One execution of the pattern on the message as it stands: later rewrites do not add matches.
std::vector<std::string> findTokens(const std::string& message, const TokenForm& form) {
  RegexObj regex;
  regex.create(form.pattern, message, true);
  std::vector<std::string> tokens;
  for (int i = 1; i <= regex.matchCount(); ++i) tokens.push_back(regex.matchText(i));
  return tokens;
}

// The universal API's token, with its coin balance shown in 编辑框_万能金币余额.
std::string universalToken(const std::string& token) {
  const std::string answer = urlDecode(fetchPage(universalTokenUrl(token), 1), true);
  JsonDoc doc;
  doc.parse(answer);
  const std::string newToken = doc.getText("tkl");
  writeText("编辑框_万能金币余额", "  " + doc.getText("jb"));
  return markedToken(textBetween(newToken, "￥", "￥"));
}

void convertToken(std::string& message, const TokenForm& form, const std::string& token) {
  appendLog("发现淘宝口令\r\n" + token + "\r\n");
  const std::string answer = urlDecode(fetchPage(tokenConversionUrl(token)), true);
  appendLog("淘宝正在转链\r\n");
  const std::string converted = textBetween(answer, "tkl\":\"￥", "￥\"}]}");
  std::string replacement;
  if (!converted.empty()) {
    replacement = markedToken(converted);
    appendLog("淘宝转链成功\r\n" + replacement + "\r\n");
  } else if (containsText(answer, "很抱歉")) {
    replacement = universalToken(token);
  } else {
    return;
  }
  message = replaceAll(message, form.leftMark + token + form.rightMark, replacement);
}

}  // namespace

void convertTaobaoTokens(std::string& message) {
  for (const TokenForm& form : tokenForms) {
    if (!formPresent(message, form)) continue;
    for (const std::string& token : findTokens(message, form)) convertToken(message, form, token);
  }
}

}  // namespace taoke
