// The words of one console command line. A word is a run of non-blank characters, or a text in
// double quotes with \" \\ \n \r \t escapes; the last text of a command may also be the raw rest of
// the line, where \n \r \t \\ are escapes too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taoke::devhost {

struct Word {
  std::string text;
  bool quoted = false;
  std::size_t end = 0;  // offset just after the word in its line
};

std::vector<Word> splitWords(std::string_view line);

// The line after the first `count` words: a single quoted word as its text, else the raw rest with
// its escapes resolved; "" when nothing follows.
std::string restOfLine(std::string_view line, const std::vector<Word>& words, std::size_t count);

// Resolves \n \r \t \\ in a raw text.
std::string resolveEscapes(std::string_view raw);

std::optional<long long> parseNumber(std::string_view text);

}  // namespace taoke::devhost
