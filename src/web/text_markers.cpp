#include "web/text_markers.h"

#include "util/gbk_text.h"

namespace taoke {

namespace {

// A double quote cannot be written inside the host's marker texts, so callers write "#引号".
std::string withQuotes(std::string_view marker) { return replaceAll(marker, "#引号", "\""); }

// The last occurrence within the first (length - skip - 1) bytes, or -1.
int findBackward(std::string_view text, std::string_view marker, int skip, bool caseInsensitive) {
  const long long within = static_cast<long long>(text.size()) - skip - 1;
  if (within <= 0) return -1;
  return findLastText(text, marker, static_cast<std::size_t>(within), caseInsensitive);
}

}  // namespace

std::string textBetween(std::string_view text, std::string_view left, std::string_view right,
                        int start, bool caseInsensitive) {
  const std::string leftMarker = withQuotes(left);
  const std::string rightMarker = withQuotes(right);
  const int leftAt = findText(text, leftMarker, start, caseInsensitive);
  if (leftAt < 1) return "";
  const int inner = leftAt + static_cast<int>(leftMarker.size());
  const int rightAt = findText(text, rightMarker, inner, caseInsensitive);
  if (rightAt < 1) return "";
  return std::string(text.substr(inner - 1, rightAt - inner));
}

std::string textLeftOf(std::string_view text, std::string_view marker, int start,
                       bool caseInsensitive) {
  const int at = start >= 0 ? findText(text, marker, start, caseInsensitive)
                            : findBackward(text, marker, start == -1 ? 0 : -start, caseInsensitive);
  if (at < 1) return "";
  return std::string(text.substr(0, at - 1));
}

std::string textRightOf(std::string_view text, std::string_view marker, int start,
                        bool caseInsensitive) {
  const int at = start >= 0 ? findBackward(text, marker, start, caseInsensitive)
                            : findText(text, marker, start == -1 ? 1 : -start, caseInsensitive);
  if (at < 1) return "";
  return std::string(text.substr(at - 1 + marker.size()));
}

}  // namespace taoke
