// A scripted HTTP/HTTPS server on 127.0.0.1 for tests: it records the exact bytes of every request
// it receives and answers each with a scripted reply (bytes, pauses, a reset or a close), so a test
// can check what a client puts on the wire and how it copes with any answer.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace taoke::testing {

// One scripted answer: steps run in order on the connection of one request.
class Reply {
 public:
  struct Step {
    enum class Kind { Send, SendRepeated, Stall, Reset, Close } kind;
    std::string bytes;
    std::size_t count = 0;
    int pauseMs = 0;
  };

  // The bytes exactly as given (status line, headers and body).
  static Reply raw(std::string bytes);
  // "HTTP/1.1 <status>", the header lines (each ended by "\r\n"), Content-Length, Connection: close,
  // a blank line and the body.
  static Reply http(std::string_view status, std::string_view headerLines, std::string_view body);
  static Reply redirect(std::string_view status, std::string_view location, std::string_view headerLines = "");

  Reply& send(std::string bytes);
  Reply& sendRepeated(char byte, std::size_t count);
  Reply& stall(int milliseconds);
  // Aborts the connection with a TCP reset (no TLS close, no FIN).
  Reply& reset();
  // Closes the connection without answering further.
  Reply& close();

  const std::vector<Step>& steps() const { return steps_; }

 private:
  std::vector<Step> steps_;
};

// Encodes a body in chunks of at most `chunkSize` bytes, last chunk included.
std::string chunkedBody(std::string_view body, std::size_t chunkSize);

class LoopbackServer {
 public:
  enum class Scheme { Http, Https };

  explicit LoopbackServer(Scheme scheme = Scheme::Http);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by `path`, or https for an HTTPS server.
  std::string url(std::string_view path = "/") const;
  // "127.0.0.1:<port>".
  std::string address() const;
  // A TAOKE_CONNECT_TO entry that sends `host`:`port` to this server.
  std::string connectToEntry(std::string_view host, int port) const;

  // Replies are used one per request, in order; once they run out, the fallback answers.
  void enqueue(Reply reply);
  void setFallback(Reply reply);

  // Raw bytes of every request received so far (request line, headers and body), in order.
  std::vector<std::string> requests() const;
  std::string lastRequest() const;
  // Waits up to `timeout` until `count` requests have arrived.
  bool waitForRequests(std::size_t count, int timeoutMs = 5000) const;

 private:
  struct Connection;
  void serve();
  void handle(int socket);
  Reply nextReply();
  bool pause(int milliseconds);

  Scheme scheme_;
  int listener_ = -1;
  int port_ = 0;
  void* tlsContext_ = nullptr;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::deque<Reply> queue_;
  Reply fallback_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// Sets TAOKE_CONNECT_TO for the lifetime of the object and restores the previous value after.
class ScopedConnectTo {
 public:
  explicit ScopedConnectTo(const std::string& entries);
  ~ScopedConnectTo();
  ScopedConnectTo(const ScopedConnectTo&) = delete;
  ScopedConnectTo& operator=(const ScopedConnectTo&) = delete;

 private:
  bool hadValue_ = false;
  std::string previous_;
};

}  // namespace taoke::testing
