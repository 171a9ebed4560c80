#include "convert/short_link_matches.h"

#include "util/regex_obj.h"

namespace taoke {

std::vector<std::string> findShortLinks(const std::string& message, std::string_view prefix,
                                        int wordCharacters) {
  const std::string pattern =
      "(" + std::string(prefix) + "\\w{" + std::to_string(wordCharacters) + "})";
  RegexObj regex;
  regex.create(pattern, message, true);
  std::vector<std::string> links;
  for (int i = 1; i <= regex.matchCount(); ++i) links.push_back(regex.subMatchText(i, 1));
  return links;
}

}  // namespace taoke
