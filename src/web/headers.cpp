#include "web/headers.h"

#include <vector>

#include "util/gbk_text.h"
#include "web/text_markers.h"

namespace taoke {

namespace {

// ':' and '-' never occur as the second byte of a GBK character, so a byte after '-' always
// starts a character.
std::string capitaliseName(std::string_view name) {
  std::string result(name);
  for (std::size_t at = 0; at < result.size(); ++at) {
    if (at == 0 || result[at - 1] == '-') result[at] = upperAscii(std::string_view(&result[at], 1))[0];
  }
  return result;
}

}  // namespace

std::string normaliseHeaders(std::string_view block) {
  std::vector<std::string> kept;
  for (const std::string& line : splitText(block, "\r\n")) {
    const int colon = findText(line, ":");
    if (colon < 1) continue;
    kept.push_back(capitaliseName(std::string_view(line).substr(0, colon - 1)) + line.substr(colon - 1));
  }
  return joinText(kept, "\r\n");
}

std::string headerValue(std::string_view block, std::string_view name) {
  for (const std::string& line : splitText(block, "\r\n")) {
    if (startsWithText(line, name)) return textRightOf(line, std::string(name) + ": ");
  }
  return "";
}

std::string headerLineName(std::string_view line) {
  const int colon = findText(line, ":");
  return colon < 1 ? "" : trimText(line.substr(0, colon - 1));
}

std::string headerLineValue(std::string_view line) {
  const int colon = findText(line, ":");
  return colon < 1 ? "" : trimText(line.substr(colon));
}

bool isSendableHeaderLine(std::string_view line) {
  const int colon = findText(line, ":");
  if (colon <= 1) return false;
  for (int at = 0; at < static_cast<int>(line.size()); ++at) {
    const unsigned char byte = static_cast<unsigned char>(line[at]);
    const bool control = byte < 0x20 || byte == 0x7F;
    if (at < colon - 1 ? (control || byte == ' ' || byte >= 0x80) : (control && byte != '\t')) return false;
  }
  return true;
}

int statusCodeOf(std::string_view responseHead) {
  if (!startsWithText(responseHead, "HTTP/")) return 0;
  const std::string statusLine = textLeftOf(responseHead, "\r\n");
  const int space = findText(statusLine, " ");
  if (space < 1) return 0;
  int code = 0;
  for (std::size_t at = space; at < statusLine.size() && at < static_cast<std::size_t>(space) + 3; ++at) {
    const char c = statusLine[at];
    if (c < '0' || c > '9') return 0;
    code = code * 10 + (c - '0');
  }
  return code;
}

void appendDefaultHeaders(std::string& headers, std::span<const DefaultHeader> defaults, bool isPost,
                          std::string_view url) {
  for (const DefaultHeader& header : defaults) {
    if (header.postOnly && !isPost) continue;
    if (containsText(headers, header.searched, true)) continue;
    headers += "\r\n";
    headers += header.text;
    if (equalsText(header.searched, "Referer:")) headers += url;
  }
}

}  // namespace taoke
