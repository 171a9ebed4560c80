#include "convert/keyword_replies.h"

#include "util/gbk_text.h"
#include "web/text_markers.h"

namespace taoke {

std::optional<std::string> keywordQuery(std::string_view message, std::string_view keyword) {
  const std::string text(message);
  if (keyword.empty()) {
    if (text.empty()) return std::nullopt;
    return text.size() > 1 ? text : std::string();
  }
  const std::string marker(keyword);
  if (!textLeftOf(text, marker).empty() || findText(text, marker) != 1) return std::nullopt;
  return textRightOf(text, marker);
}

}  // namespace taoke
