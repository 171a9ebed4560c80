// One fetchPage GET (http and https) against a loopback server, beside bare libcurl doing the same
// request with a fresh easy handle, so the engine's own cost shows as the difference.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <string>

#include "http/loopback_server.h"
#include "web/fetch_page.h"

namespace {

using taoke::testing::LoopbackServer;
using taoke::testing::Reply;

const std::string pageBody(2048, 'x');

LoopbackServer& server(LoopbackServer::Scheme scheme) {
  static LoopbackServer http(LoopbackServer::Scheme::Http);
  static LoopbackServer https(LoopbackServer::Scheme::Https);
  LoopbackServer& chosen = scheme == LoopbackServer::Scheme::Http ? http : https;
  chosen.setFallback(Reply::http("200 OK", "Content-Type: application/json\r\n", pageBody));
  return chosen;
}

void fetchPageGet(benchmark::State& state, LoopbackServer::Scheme scheme) {
  const std::string url = server(scheme).url("/api/open_gaoyongzhuanlian_tkl.ashx?appkey=k&tkl=x");
  for (auto _ : state) {
    const std::string page = taoke::fetchPage(url);
    if (page.size() != pageBody.size()) state.SkipWithError("short answer");
    benchmark::DoNotOptimize(page);
  }
}

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

// The same request as fetchPage sends it, straight through libcurl.
void bareCurlGet(benchmark::State& state, LoopbackServer::Scheme scheme) {
  const std::string url = server(scheme).url("/api/open_gaoyongzhuanlian_tkl.ashx?appkey=k&tkl=x");
  curl_slist* headers = nullptr;
  for (const char* line :
       {"User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)",
        "Accept: text/html, application/xhtml+xml, */*", "Accept-Encoding: gbk, GB2312", "Accept-Language: zh-cn",
        "Cache-Control: no-cache"}) {
    headers = curl_slist_append(headers, line);
  }
  for (auto _ : state) {
    std::string page;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &page);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (page.size() != pageBody.size()) state.SkipWithError("short answer");
    benchmark::DoNotOptimize(page);
  }
  curl_slist_free_all(headers);
}

BENCHMARK_CAPTURE(fetchPageGet, http, LoopbackServer::Scheme::Http)->UseRealTime();
BENCHMARK_CAPTURE(bareCurlGet, http, LoopbackServer::Scheme::Http)->UseRealTime();
BENCHMARK_CAPTURE(fetchPageGet, https, LoopbackServer::Scheme::Https)->UseRealTime();
BENCHMARK_CAPTURE(bareCurlGet, https, LoopbackServer::Scheme::Https)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
