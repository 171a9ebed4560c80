#include "standin_services.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace taoke::test {
namespace {

std::string sourceDir() {
  const char* dir = std::getenv("TAOKE_SOURCE_DIR");
  return dir ? dir : TAOKE_DEFAULT_SOURCE_DIR;
}

size_t appendBody(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

std::vector<std::pair<std::string, std::string>> pairsOf(const nlohmann::json& list) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const auto& pair : list) {
    pairs.emplace_back(bytesFromLatin1Json(pair.at(0).get<std::string>()),
                       bytesFromLatin1Json(pair.at(1).get<std::string>()));
  }
  return pairs;
}

std::string field(const nlohmann::json& entry, const char* name) {
  return bytesFromLatin1Json(entry.at(name).get<std::string>());
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::string bytesFromLatin1Json(std::string_view utf8) {
  std::string bytes;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (i + 1 < utf8.size()) {  // two-byte UTF-8 form of U+0080-U+00FF
      bytes += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
      ++i;
    }
  }
  return bytes;
}

std::string StandinRequest::queryValue(std::string_view key) const {
  for (const auto& [k, v] : query) {
    if (k == key) return v;
  }
  return "";
}

std::string StandinRequest::header(std::string_view name) const {
  for (const auto& [k, v] : headers) {
    if (sameIgnoringCase(k, name)) return v;
  }
  return "";
}

std::vector<std::string> StandinRequest::queryKeys() const {
  std::vector<std::string> keys;
  for (const auto& pair : query) keys.push_back(pair.first);
  return keys;
}

StandinServices::StandinServices(bool mirrorPeer) {
  char pattern[] = "/tmp/taoke-standins-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("no temporary directory");
  directory_ = pattern;
  const std::string readyFile = directory_ + "/ready.json";
  const std::string script = sourceDir() + "/tools/standins/standins.py";
  std::vector<std::string> args{"python3", script, "--ready-file", readyFile, "--log",
                                directory_ + "/requests.jsonl"};
  if (mirrorPeer) args.push_back("--mirror");
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const int spawned = posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start the stand-in services");

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!std::filesystem::exists(readyFile)) {
    if (std::chrono::steady_clock::now() > deadline || waitpid(pid_, nullptr, WNOHANG) == pid_) {
      throw std::runtime_error("the stand-in services did not start");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream in(readyFile);
  const auto ready = nlohmann::json::parse(in);
  httpsPort_ = ready.at("https").get<int>();
  httpPort_ = ready.at("http").get<int>();
  connectTo_ = ready.at("connect_to").get<std::string>();
  setenv("TAOKE_CONNECT_TO", connectTo_.c_str(), 1);
}

StandinServices::~StandinServices() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

std::string StandinServices::control(std::string_view pathAndQuery, bool post) const {
  const std::string url = "http://127.0.0.1:" + std::to_string(httpPort_) + std::string(pathAndQuery);
  std::string body;
  CURL* curl = curl_easy_init();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  if (post) curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "");
  const CURLcode result = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  if (result != CURLE_OK) throw std::runtime_error("the stand-in services do not answer");
  return body;
}

std::vector<StandinRequest> StandinServices::requests() const {
  std::vector<StandinRequest> requests;
  for (const auto& entry : nlohmann::json::parse(control("/__requests"))) {
    StandinRequest request;
    request.scheme = field(entry, "scheme");
    request.method = field(entry, "method");
    request.host = field(entry, "host");
    request.target = field(entry, "target");
    request.url = field(entry, "url");
    request.path = field(entry, "path");
    request.body = field(entry, "body");
    request.query = pairsOf(entry.at("query"));
    request.headers = pairsOf(entry.at("headers"));
    requests.push_back(std::move(request));
  }
  return requests;
}

std::vector<std::string> StandinServices::requestUrls() const {
  std::vector<std::string> urls;
  for (const auto& request : requests()) urls.push_back(request.url);
  return urls;
}

std::string StandinServices::mirrorBytes() const {
  std::string bytes;
  for (const auto& chunk : nlohmann::json::parse(control("/__mirror"))) {
    bytes += bytesFromLatin1Json(chunk.get<std::string>());
  }
  return bytes;
}

void StandinServices::setMode(std::string_view service, std::string_view mode) const {
  control("/__mode?service=" + std::string(service) + "&mode=" + std::string(mode));
}

void StandinServices::reset() const { control("/__reset", true); }

}  // namespace taoke::test
