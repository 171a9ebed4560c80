// Two measurements of the conversion, side by side in one run:
//
//  * One watched message holding a yen token, a Taobao short link, a JD short link and a Suning
//    short link, posted to the real plug-in (build/libtaoke.so) against the stand-in services,
//    beside the same seven requests made with bare libcurl plus the pipeline's fixed 100 ms pause.
//    The ratio plug-in / bare is printed at the end (target: at most 1.10).
//  * The plug-in's own work on messages of 1 KB, 64 KB and 1 MB with 100 replacement pairs and
//    100 blocked words and no links (the conversion stage in-process), which must grow linearly:
//    the ratio 1 MB / 64 KB is printed at the end (at most 20).
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <thread>

#include "convert/conversion_stage.h"
#include "convert/suning_links.h"
#include "expected_urls.h"
#include "plugin_scenario.h"
#include "settings/run_directory.h"
#include "standin_answers.h"

namespace {

using namespace taoke::test;

const std::string tokenAndLinks =
    "￥AbCdEfGhIjK￥ https://s.click.taobao.com/AbCdEfG https://u.jd.com/abc123 "
    "https://sugs.suning.com/AbCdEfGh";

void BM_MessageThroughPlugin(benchmark::State& state) {
  PluginScenario scenario;
  for (auto _ : state) {
    scenario.groupMessage(watchedGroup, tokenAndLinks);
    benchmark::DoNotOptimize(scenario.takeSent());
  }
  state.counters["requests"] = static_cast<double>(scenario.services().requests().size()) /
                               static_cast<double>(state.iterations());
}

size_t keepBody(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

// One request on a fresh handle, as each of the plug-in's engines opens and closes its own.
std::string bareRequest(const std::string& url, const std::string& connectTo, const char* method = "GET",
                        const std::string& body = "", const std::vector<std::string>& headers = {}) {
  std::string answer;
  CURL* curl = curl_easy_init();
  curl_slist* headerList = nullptr;
  for (const auto& header : headers) headerList = curl_slist_append(headerList, header.c_str());
  curl_slist* connectList = nullptr;
  size_t start = 0;
  while (start <= connectTo.size()) {
    const size_t comma = connectTo.find(',', start);
    const std::string entry = connectTo.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    connectList = curl_slist_append(connectList, entry.c_str());
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_CONNECT_TO, connectList);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method);
  if (std::string(method) == "POST") {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
  }
  if (headerList) curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headerList);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
  curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  curl_slist_free_all(connectList);
  curl_slist_free_all(headerList);
  return answer;
}

void BM_SameRequestsBareCurl(benchmark::State& state) {
  StandinServices services;
  const std::string connectTo = services.connectTo();
  const std::string token = "AbCdEfGhIjK";
  const std::string taobao = "https://s.click.taobao.com/AbCdEfG";
  const std::string suning = "https://sugs.suning.com/AbCdEfGh";
  for (auto _ : state) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    bareRequest(tokenConversionUrl(token), connectTo);
    bareRequest(tokenConversionUrl(taobao), connectTo);
    bareRequest(taobaoShortLinkUrl(encodedCouponLink(taobao)), connectTo);
    bareRequest("https://u.jd.com/abc123", connectTo);
    bareRequest(jdLandingRedirectUrl("abc123"), connectTo);
    bareRequest(jdConversionUrl(jdProduct("abc123")), connectTo, "GET", "",
                {std::string("Cookie: ") + jdCookies});
    const std::string body = taoke::buildSuningBody(suning, suningPosition);
    const std::string time = "2026-12-11 15:30:00";
    const std::string signature = taoke::signSuningRequest(
        suningSecret, "suning.netalliance.bacthcustomlink.query", time, suningKey, "v1.2", body);
    bareRequest(suningUrl, connectTo, "POST", body,
                {"Content-Type: application/json;charset=utf-8",
                 "AppMethod: suning.netalliance.bacthcustomlink.query", "AppRequestTime: " + time,
                 "Format: json", "signInfo: " + signature, std::string("AppKey: ") + suningKey,
                 "VersionNo: v1.2", "User-Agent: suning-sdk-Pelkan",
                 "Sdk-Version: suning-sdk-Pelkan-512046839-beta0.1"});
  }
  state.counters["requests"] = static_cast<double>(services.requests().size()) /
                               static_cast<double>(state.iterations());
}

// A message of about `size` bytes without any token or link: ASCII and Chinese words, some of
// which the replacement pairs rewrite.
std::string plainMessage(std::size_t size) {
  std::string message;
  int word = 0;
  while (message.size() < size) {
    message += "今天的好物推荐 item ";
    message += "词" + std::to_string(word++ % 100) + "号 ";
    message += "大家快来看看 price 99 元 ";
  }
  return message;
}

taoke::ReplacementPairs hundredPairs() {
  taoke::ReplacementPairs pairs;
  for (int i = 0; i < 100; ++i) {
    pairs.replaced.push_back("词" + std::to_string(i) + "号");
    pairs.replacements.push_back("换" + std::to_string(i) + "号");
  }
  return pairs;
}

void writeHundredBlockedWords() {
  std::string blocked;
  for (int i = 0; i < 100; ++i) blocked += "屏蔽词" + std::to_string(i) + "#";
  const char8_t* name = u8"/淘客配置.ini";
  std::ofstream out(taoke::runDirectory() + reinterpret_cast<const char*>(name), std::ios::binary);
  out << "[不转发]\r\n不转发关键词=" << blocked << "\r\n";
}

void BM_OwnWorkOnPlainMessage(benchmark::State& state) {
  writeHundredBlockedWords();
  const std::string original = plainMessage(static_cast<std::size_t>(state.range(0)));
  const taoke::ReplacementPairs pairs = hundredPairs();
  for (auto _ : state) {
    std::string message = original;
    benchmark::DoNotOptimize(taoke::runConversionStage(message, pairs));
    benchmark::DoNotOptimize(message);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(original.size()));
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_MessageThroughPlugin)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);
BENCHMARK(BM_SameRequestsBareCurl)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);
BENCHMARK(BM_OwnWorkOnPlainMessage)
    ->Unit(benchmark::kMillisecond)
    ->Arg(1 << 10)
    ->Arg(1 << 16)
    ->Arg(1 << 20)
    ->Complexity(benchmark::oN);

// Keeps each run's real time per iteration, to print the two ratios after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) {
        seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    printRatio("plug-in / bare libcurl (target <= 1.10)", "BM_MessageThroughPlugin/iterations:30/real_time",
               "BM_SameRequestsBareCurl/iterations:30/real_time");
    printRatio("1 MB / 64 KB (linear: about 16, at most 20)", "BM_OwnWorkOnPlainMessage/1048576",
               "BM_OwnWorkOnPlainMessage/65536");
  }

 private:
  void printRatio(const char* label, const std::string& over, const std::string& under) const {
    const auto a = seconds_.find(over), b = seconds_.find(under);
    if (a == seconds_.end() || b == seconds_.end() || b->second <= 0) return;
    std::printf("%s: %.3f\n", label, a->second / b->second);
  }

  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  curl_global_init(CURL_GLOBAL_DEFAULT);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  curl_global_cleanup();
  return 0;
}
