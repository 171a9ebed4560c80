// HostApi's message-code builders: bracketed codes inside message texts that the host renders.
#include <string>

#include "plugin/host_api.h"
#include "util/gbk_text.h"

namespace taoke {

// "&" goes first and comes back last, so an entity already in the text survives a round trip.
std::string HostApi::escapeCodeText(const std::string& text, bool escapeComma) {
  std::string escaped = replaceAll(text, "&", "&amp;");
  escaped = replaceAll(escaped, "[", "&#91;");
  escaped = replaceAll(escaped, "]", "&#93;");
  if (escapeComma) escaped = replaceAll(escaped, ",", "&#44;");
  return escaped;
}

std::string HostApi::unescapeCodeText(const std::string& text) {
  std::string unescaped = replaceAll(text, "&#91;", "[");
  unescaped = replaceAll(unescaped, "&#93;", "]");
  unescaped = replaceAll(unescaped, "&#44;", ",");
  return replaceAll(unescaped, "&amp;", "&");
}

std::string HostApi::faceCode(std::int32_t faceId) { return "[LQ:face,id=" + std::to_string(faceId) + "]"; }

std::string HostApi::atCode(std::int64_t account, bool noSpace) {
  std::string code = "[@" + (account == -1 ? std::string("all") : std::to_string(account)) + "]";
  if (!noSpace) code += " ";
  return code;
}

std::string HostApi::imageCode(const std::string& path) { return "[LQ:image,path=" + escapeCodeText(path, true) + "]"; }

std::string HostApi::imageUrlsCode(const std::string& urls) {
  return "[LQ:image,urls=" + escapeCodeText(urls, true) + "]";
}

std::string HostApi::flashPicCode(const std::string& path) {
  return "[LQ:flashpic,path=" + escapeCodeText(path, true) + "]";
}

std::string HostApi::recordCode(const std::string& path) { return "[LQ:record,path=" + escapeCodeText(path, true) + "]"; }

std::string HostApi::richCode(std::int32_t kind, const std::string& data) {
  if (kind == 1) return "[LQ:lightappelem,type=1,data=" + escapeCodeText(data, true) + "]";
  if (kind == 0) return "[LQ:richmsg,type=1,template_1=" + escapeCodeText(data, true) + "]";
  return "";
}

}  // namespace taoke
