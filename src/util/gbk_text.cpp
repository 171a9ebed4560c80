#include "util/gbk_text.h"

#include <algorithm>

namespace taoke {

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::string textOf(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::size_t gbkCharLength(std::string_view text, std::size_t at) {
  if (at + 1 < text.size() && isGbkLeadByte(static_cast<unsigned char>(text[at]))) return 2;
  return 1;
}

char foldAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string foldAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = foldAsciiChar(c);
  return out;
}

std::string upperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

namespace {

bool sameAt(std::string_view text, std::size_t at, std::string_view needle, bool ignoreCase) {
  if (at + needle.size() > text.size()) return false;
  if (!ignoreCase) return text.compare(at, needle.size(), needle) == 0;
  for (std::size_t i = 0; i < needle.size(); ++i)
    if (foldAsciiChar(text[at + i]) != foldAsciiChar(needle[i])) return false;
  return true;
}

}  // namespace

bool equalsText(std::string_view a, std::string_view b, bool ignoreCase) {
  return a.size() == b.size() && sameAt(a, 0, b, ignoreCase);
}

int findText(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
  if (needle.empty() || needle.size() > text.size()) return -1;
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
  const std::size_t last = text.size() - needle.size();
  for (std::size_t at = 0; at <= last; at += gbkCharLength(text, at)) {
    if (at >= from && sameAt(text, at, needle, ignoreCase)) return static_cast<int>(at + 1);
  }
  return -1;
}

int findLastText(std::string_view text, std::string_view needle, std::size_t withinBytes,
                 bool ignoreCase) {
  const std::size_t limit = std::min(withinBytes, text.size());
  if (needle.empty() || needle.size() > limit) return -1;
  int found = -1;
  for (std::size_t at = 0; at + needle.size() <= limit; at += gbkCharLength(text, at)) {
    if (sameAt(text, at, needle, ignoreCase)) found = static_cast<int>(at + 1);
  }
  return found;
}

bool containsText(std::string_view text, std::string_view needle, bool ignoreCase) {
  return findText(text, needle, 1, ignoreCase) > 0;
}

bool startsWithText(std::string_view text, std::string_view prefix, bool ignoreCase) {
  return sameAt(text, 0, prefix, ignoreCase);
}

bool endsWithText(std::string_view text, std::string_view suffix) {
  if (suffix.size() > text.size()) return false;
  const std::size_t at = text.size() - suffix.size();
  if (!sameAt(text, at, suffix, false)) return false;
  // The suffix must start on a character boundary.
  std::size_t pos = 0;
  while (pos < at) pos += gbkCharLength(text, pos);
  return pos == at;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  if (separator.empty()) {
    items.emplace_back(text);
    return items;
  }
  std::size_t itemStart = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (sameAt(text, at, separator, false)) {
      items.emplace_back(text.substr(itemStart, at - itemStart));
      at += separator.size();
      itemStart = at;
    } else {
      at += gbkCharLength(text, at);
    }
  }
  if (itemStart < text.size()) items.emplace_back(text.substr(itemStart));
  return items;
}

std::string joinText(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += separator;
    out += items[i];
  }
  return out;
}

std::string trimText(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  for (;;) {
    if (begin < end && text[begin] == ' ') {
      ++begin;
    } else if (begin + 1 < end && static_cast<unsigned char>(text[begin]) == 0xA1 &&
               static_cast<unsigned char>(text[begin + 1]) == 0xA1) {
      begin += 2;
    } else {
      break;
    }
  }
  // Trailing full-width spaces are only removed when they sit on a character boundary.
  for (;;) {
    if (end > begin && text[end - 1] == ' ') {
      --end;
      continue;
    }
    if (end >= begin + 2 && static_cast<unsigned char>(text[end - 1]) == 0xA1 &&
        static_cast<unsigned char>(text[end - 2]) == 0xA1 &&
        endsWithText(text.substr(begin, end - begin), "\xA1\xA1")) {
      end -= 2;
      continue;
    }
    break;
  }
  return std::string(text.substr(begin, end - begin));
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to,
                       bool ignoreCase) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    if (sameAt(text, at, from, ignoreCase)) {
      out += to;
      at += from.size();
    } else {
      const std::size_t len = gbkCharLength(text, at);
      out.append(text.substr(at, len));
      at += len;
    }
  }
  return out;
}

std::string midText(std::string_view text, int start, int length) {
  if (length <= 0) return {};
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
  if (from >= text.size()) return {};
  return std::string(text.substr(from, static_cast<std::size_t>(length)));
}

}  // namespace taoke
