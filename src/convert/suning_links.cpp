#include "convert/suning_links.h"

#include "convert/short_link_matches.h"
#include "settings/working_settings.h"
#include "util/base64.h"
#include "util/charset.h"
#include "util/time_format.h"
#include "util/gbk_text.h"
#include "util/json_doc.h"
#include "util/md5_hex.h"
#include "web/fetch_page_inet.h"
#include "web/service_hosts.h"
#include "web/text_markers.h"

namespace taoke {
namespace {

constexpr std::string_view suningMethod = "suning.netalliance.bacthcustomlink.query";
constexpr std::string_view suningFormat = "json";
constexpr std::string_view suningVersion = "v1.2";

}  // namespace

std::string buildSuningBody(std::string_view link, std::string_view promotionId) {
  JsonDoc doc;
  doc.setValue("extend", link, false);
  doc.setValue("promotionId", promotionId, false);
  const std::string query = doc.toText();
  doc.clear();
  doc.setValue("queryBacthcustomlink", query, true);
  const std::string body = doc.toText();
  doc.clear();
  doc.setValue("sn_body", body, true);
  const std::string request = doc.toText();
  doc.clear();
  doc.setValue("sn_request", request, true);
  return replaceAll(doc.toText(), "/", "\\/");
}

std::string signSuningRequest(std::string_view secret, std::string_view method,
                              std::string_view requestTime, std::string_view appKey,
                              std::string_view version, std::string_view body) {
  std::string signedText;
  signedText.append(secret).append(method).append(requestTime).append(appKey).append(version);
  signedText += base64Encode(bytesOf(body));
  return md5Hex(signedText);
}

std::string buildSuningHeaders(std::string_view method, std::string_view requestTime,
                               std::string_view format, std::string_view signature,
                               std::string_view appKey, std::string_view version) {
  std::string headers = "Content-Type: application/json;charset=utf-8\r\n";
  headers.append("AppMethod: ").append(method).append("\r\n");
  headers.append("AppRequestTime: ").append(requestTime).append("\r\n");
  headers.append("Format: ").append(format).append("\r\n");
  headers.append("signInfo: ").append(signature).append("\r\n");
  headers.append("AppKey: ").append(appKey).append("\r\n");
  headers.append("VersionNo: ").append(version).append("\r\n");
  headers += "User-Agent: suning-sdk-Pelkan\r\n";
  headers += "Sdk-Version: suning-sdk-Pelkan-512046839-beta0.1\r\n";
  return headers;
}

void convertSuningLinks(std::string& message) {
  if (!containsText(message, suningShortLinkPrefix)) return;
  const std::string url =
      "https://" + std::string(suningOpenPlatformHost) + "/api/http/sopRequest/" +
      std::string(suningMethod);
  // One reading of the clock: every link of the message carries the same request time.
  const std::string requestTime = formatTime(std::nullopt, 1);
  const std::vector<std::string> links = findShortLinks(message, suningShortLinkPrefix, 8);
  appendLog("发现苏宁链接\r\n");
  for (const std::string& link : links) {
    const std::string body = buildSuningBody(link, readText("编辑框_苏宁推广位"));
    const std::string appKey = readText("编辑框_苏宁key");
    const std::string signature = signSuningRequest(readText("编辑框_苏宁secret"), suningMethod,
                                                    requestTime, appKey, suningVersion, body);
    const std::string headers =
        buildSuningHeaders(suningMethod, requestTime, suningFormat, signature, appKey, suningVersion);
    const std::string answer = utf8BytesToGbk(fetchPageInetPost(url, body, headers));
    const std::string newLink = textBetween(answer, "\"[", "]\"");
    if (!newLink.empty()) appendLog("获取苏宁返利链接成功\r\n" + newLink + "\r\n");
    message = replaceAll(message, link, newLink);
  }
}

}  // namespace taoke
