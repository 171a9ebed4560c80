#include "settings/ini_document.h"

#include "util/charset.h"
#include "util/gbk_text.h"

namespace taoke {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The white space the private-profile functions strip around names and values. None of these
// bytes can be the second byte of a GBK character, so stripping them byte by byte is safe.
bool isProfileSpace(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view stripProfileSpace(std::string_view text) {
  while (!text.empty() && isProfileSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isProfileSpace(text.back())) text.remove_suffix(1);
  return text;
}

// CR and LF are below every GBK second byte, so they end a line wherever they stand, also after
// a lone lead byte: a broken character never joins two lines.
std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

// The name of a section header line, or nothing for any other line. The name runs from after
// "[" to the last "]" of the line.
std::optional<std::string_view> sectionName(std::string_view line) {
  const std::string_view trimmed = stripProfileSpace(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const int close = findLastText(trimmed, "]", trimmed.size());
  if (close < 2) return std::nullopt;
  return stripProfileSpace(trimmed.substr(1, static_cast<std::size_t>(close) - 2));
}

struct KeyLine {
  std::string_view name;
  std::string_view value;
};

// A line that is neither blank nor a section header is a key line: the name before the first
// "=", the value after it (a line without "=" is a key without value).
std::optional<KeyLine> keyLine(std::string_view line) {
  const std::string_view trimmed = stripProfileSpace(line);
  if (trimmed.empty() || sectionName(trimmed)) return std::nullopt;
  const int equals = findText(trimmed, "=");
  if (equals < 0) return KeyLine{trimmed, {}};
  const auto at = static_cast<std::size_t>(equals) - 1;
  return KeyLine{stripProfileSpace(trimmed.substr(0, at)), stripProfileSpace(trimmed.substr(at + 1))};
}

std::string_view withoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool isBlank(std::string_view line) { return stripProfileSpace(line).empty(); }

}  // namespace

IniDocument IniDocument::parse(std::string_view fileBytes) {
  IniDocument document;
  document.utf8WithMark_ = startsWithText(fileBytes, kUtf8Mark);
  document.lines_ = document.utf8WithMark_ ? splitLines(utf8ToGbk(fileBytes.substr(kUtf8Mark.size())))
                                           : splitLines(fileBytes);
  return document;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  // Lines before the first header form the section with the empty name.
  bool inSection = section.empty();
  bool sectionSeen = inSection;
  for (const std::string& line : lines_) {
    if (const auto name = sectionName(line)) {
      if (inSection) break;  // only the first section of that name counts
      inSection = !sectionSeen && equalsText(*name, section, true);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    if (const auto entry = keyLine(line); entry && equalsText(entry->name, key, true))
      return std::string(withoutQuotes(entry->value));
  }
  return std::nullopt;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty() || hasLineBreak(section) || containsText(section, "]") || hasLineBreak(key) ||
      containsText(key, "=") || startsWithText(key, "["))
    return false;
  const std::string line =
      std::string(key) + "=" + std::string(value.substr(0, value.find_first_of("\r\n")));

  std::optional<std::size_t> header;
  for (std::size_t i = 0; i < lines_.size() && !header; ++i) {
    if (const auto name = sectionName(lines_[i]); name && equalsText(*name, section, true)) header = i;
  }
  if (!header) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(line);
    return true;
  }
  std::size_t lastFilled = *header + 1;  // a new key goes after the last non-blank line of the section
  for (std::size_t at = *header + 1; at < lines_.size() && !sectionName(lines_[at]); ++at) {
    if (const auto entry = keyLine(lines_[at]); entry && equalsText(entry->name, key, true)) {
      lines_[at] = line;
      return true;
    }
    if (!isBlank(lines_[at])) lastFilled = at + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled), line);
  return true;
}

std::string IniDocument::serialize() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  if (utf8WithMark_) return std::string(kUtf8Mark) + gbkToUtf8(text);
  return text;
}

}  // namespace taoke
