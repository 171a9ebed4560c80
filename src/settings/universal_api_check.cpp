#include "settings/universal_api_check.h"

#include <string>

#include "settings/window_toolkit.h"
#include "settings/working_settings.h"
#include "util/json_doc.h"
#include "util/url_encoding.h"
#include "web/fetch_page.h"
#include "web/service_hosts.h"

namespace taoke {

namespace {

constexpr int kPostWithoutBody = 1;

// The operator's credentials go in as typed, without encoding.
std::string checkUrl() {
  return "http://" + std::string(universalApiHost) +
         ":10000/api/zhushou_tkl_wan_taokouling.ashx?appkey=" + readText("编辑框_万能appkey") +
         "&sid=" + readText("编辑框_万能sid") + "&pid=" + readText("编辑框_万能pid") +
         "&relationId=&taokouling=&title=&pict_url=&member_sid=";
}

}  // namespace

void checkUniversalApi() {
  JsonDoc answer;
  const std::string body = urlDecode(fetchPage(checkUrl(), kPostWithoutBody), true);
  if (answer.parse(body))
    showMessageBox("温馨提示:", "不一定登录成功！金币成功转换后显示 ！请注意转换后金币余额！");
}

}  // namespace taoke
