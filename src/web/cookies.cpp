#include "web/cookies.h"

#include <algorithm>

#include "util/gbk_text.h"
#include "web/text_markers.h"

namespace taoke {

namespace {

constexpr std::string_view separator = "; ";

std::string cookieName(std::string_view item) {
  const int equals = findText(item, "=");
  return trimText(equals < 1 ? item : item.substr(0, equals - 1));
}

std::string setCookiePair(const std::string& line) {
  if (containsText(line, ";")) return textBetween(line, "Set-Cookie:", ";");
  return replaceAll(line, "Set-Cookie:", "", true);
}

void tidyInPlace(std::string& cookies) {
  cookies = trimText(cookies);
  if (endsWithText(cookies, ";")) cookies += ' ';
}

bool endsDeleted(std::string_view item) {
  constexpr std::string_view deleted = "=deleted";
  return item.size() >= deleted.size() && item.substr(item.size() - deleted.size()) == deleted;
}

}  // namespace

std::string withoutTrailingSeparator(std::string cookies) {
  if (endsWithText(cookies, separator)) cookies.resize(cookies.size() - separator.size());
  return cookies;
}

std::string collectSetCookies(const std::vector<std::string>& headerLines, std::string cookies) {
  bool appended = false;
  for (const std::string& line : headerLines) {
    if (textLeftOf(line, ": ") != "Set-Cookie") continue;
    cookies += trimText(setCookiePair(line));
    cookies += separator;
    appended = true;
  }
  return appended ? withoutTrailingSeparator(std::move(cookies)) : cookies;
}

std::string mergeCookies(std::string& sent, std::string& received) {
  tidyInPlace(sent);
  tidyInPlace(received);

  std::vector<std::string> merged = splitText(received, separator);
  std::vector<std::string> names;
  for (const std::string& item : merged) names.push_back(cookieName(item));
  for (const std::string& item : splitText(sent, separator)) {
    std::string name = cookieName(item);
    if (std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.push_back(std::move(name));
    merged.push_back(item);
  }

  std::string text;
  for (const std::string& item : merged) {
    if (!endsDeleted(item)) text += item + std::string(separator);
  }
  text.resize(text.size() >= separator.size() ? text.size() - separator.size() : 0);

  // Joining and splitting again also drops an empty last item.
  std::vector<std::string> kept;
  for (const std::string& item : splitText(text, separator)) {
    if (std::find(kept.begin(), kept.end(), item) == kept.end()) kept.push_back(item);
  }
  return joinText(kept, separator);
}

}  // namespace taoke
