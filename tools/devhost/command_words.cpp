#include "command_words.h"

#include <charconv>

namespace taoke::devhost {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char escaped(char c) {
  switch (c) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return c;
  }
}

}  // namespace

std::vector<Word> splitWords(std::string_view line) {
  std::vector<Word> words;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at >= line.size()) break;
    Word word;
    if (line[at] == '"') {
      word.quoted = true;
      ++at;
      while (at < line.size() && line[at] != '"') {
        if (line[at] == '\\' && at + 1 < line.size()) {
          word.text += escaped(line[at + 1]);
          at += 2;
        } else {
          word.text += line[at++];
        }
      }
      if (at < line.size()) ++at;  // the closing quote
    } else {
      while (at < line.size() && !isBlank(line[at])) word.text += line[at++];
    }
    word.end = at;
    words.push_back(std::move(word));
  }
  return words;
}

std::string resolveEscapes(std::string_view raw) {
  std::string text;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size() && std::string_view("nrt\\").find(raw[i + 1]) != std::string_view::npos) {
      text += escaped(raw[++i]);
    } else {
      text += raw[i];
    }
  }
  return text;
}

std::string restOfLine(std::string_view line, const std::vector<Word>& words, std::size_t count) {
  if (words.size() <= count) return "";
  if (words.size() == count + 1 && words[count].quoted) return words[count].text;
  std::size_t start = count == 0 ? 0 : words[count - 1].end;
  while (start < line.size() && isBlank(line[start])) ++start;
  return resolveEscapes(line.substr(start));
}

std::optional<long long> parseNumber(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace taoke::devhost
