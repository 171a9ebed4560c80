#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/ssl.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include "self_signed_certificate.h"

namespace taoke::testing {

namespace {

constexpr int requestReadLimitMs = 5000;
constexpr std::size_t requestSizeLimit = 16 * 1024 * 1024;

std::string lowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The Content-Length of a request head, or 0.
std::size_t contentLength(const std::string& head) {
  const std::string lower = lowerAscii(head);
  const std::size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return std::strtoul(lower.c_str() + at + 17, nullptr, 10);
}

}  // namespace

Reply Reply::raw(std::string bytes) { return Reply().send(std::move(bytes)); }

Reply Reply::http(std::string_view status, std::string_view headerLines, std::string_view body) {
  std::string bytes = "HTTP/1.1 " + std::string(status) + "\r\n" + std::string(headerLines) +
                      "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
                      std::string(body);
  return raw(std::move(bytes));
}

Reply Reply::redirect(std::string_view status, std::string_view location, std::string_view headerLines) {
  return http(status, "Location: " + std::string(location) + "\r\n" + std::string(headerLines), "moved");
}

Reply& Reply::send(std::string bytes) {
  steps_.push_back({Step::Kind::Send, std::move(bytes)});
  return *this;
}

Reply& Reply::sendRepeated(char byte, std::size_t count) {
  steps_.push_back({Step::Kind::SendRepeated, std::string(1, byte), count});
  return *this;
}

Reply& Reply::stall(int milliseconds) {
  steps_.push_back({Step::Kind::Stall, {}, 0, milliseconds});
  return *this;
}

Reply& Reply::reset() {
  steps_.push_back({Step::Kind::Reset, {}});
  return *this;
}

Reply& Reply::close() {
  steps_.push_back({Step::Kind::Close, {}});
  return *this;
}

std::string chunkedBody(std::string_view body, std::size_t chunkSize) {
  std::string out;
  char size[32];
  for (std::size_t at = 0; at < body.size(); at += chunkSize) {
    const std::string_view chunk = body.substr(at, chunkSize);
    std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
    out += size;
    out += chunk;
    out += "\r\n";
  }
  return out + "0\r\n\r\n";
}

// One accepted socket, with TLS on top for an HTTPS server.
struct LoopbackServer::Connection {
  int socket;
  SSL* tls = nullptr;

  bool sendAll(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size() - done, 1 << 16));
      const long sent = tls ? SSL_write(tls, bytes.data() + done, chunk)
                            : ::send(socket, bytes.data() + done, chunk, MSG_NOSIGNAL);
      if (sent <= 0) return false;
      done += static_cast<std::size_t>(sent);
    }
    return true;
  }

  long receive(char* buffer, int size) {
    pollfd ready{socket, POLLIN, 0};
    if (!(tls && SSL_pending(tls) > 0) && ::poll(&ready, 1, requestReadLimitMs) <= 0) {
      return -1;
    }
    return tls ? SSL_read(tls, buffer, size) : ::recv(socket, buffer, size, 0);
  }

  // The request head and as much body as its Content-Length announces.
  std::string readRequest() {
    std::string request;
    char buffer[16384];
    std::size_t wanted = std::string::npos;
    while (request.size() < requestSizeLimit && (wanted == std::string::npos || request.size() < wanted)) {
      const long got = receive(buffer, sizeof buffer);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
      const std::size_t headEnd = request.find("\r\n\r\n");
      if (wanted == std::string::npos && headEnd != std::string::npos) {
        wanted = headEnd + 4 + contentLength(request.substr(0, headEnd + 2));
      }
    }
    return request;
  }
};

LoopbackServer::LoopbackServer(Scheme scheme) : scheme_(scheme) {
  std::signal(SIGPIPE, SIG_IGN);
  if (scheme_ == Scheme::Https) tlsContext_ = selfSignedServerContext();
  fallback_ = Reply::http("404 Not Found", "", "");
  listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
  const int on = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  changed_.notify_all();
  thread_.join();
  ::close(listener_);
}

std::string LoopbackServer::url(std::string_view path) const {
  return std::string(scheme_ == Scheme::Https ? "https://" : "http://") + address() + std::string(path);
}

std::string LoopbackServer::address() const { return "127.0.0.1:" + std::to_string(port_); }

std::string LoopbackServer::connectToEntry(std::string_view host, int port) const {
  return std::string(host) + ":" + std::to_string(port) + ":127.0.0.1:" + std::to_string(port_);
}

void LoopbackServer::enqueue(Reply reply) {
  std::lock_guard lock(mutex_);
  queue_.push_back(std::move(reply));
}

void LoopbackServer::setFallback(Reply reply) {
  std::lock_guard lock(mutex_);
  fallback_ = std::move(reply);
}

std::vector<std::string> LoopbackServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string LoopbackServer::lastRequest() const {
  std::lock_guard lock(mutex_);
  return requests_.empty() ? std::string() : requests_.back();
}

bool LoopbackServer::waitForRequests(std::size_t count, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return requests_.size() >= count; });
}

Reply LoopbackServer::nextReply() {
  std::lock_guard lock(mutex_);
  if (queue_.empty()) return fallback_;
  Reply reply = std::move(queue_.front());
  queue_.pop_front();
  return reply;
}

bool LoopbackServer::pause(int milliseconds) {
  std::unique_lock lock(mutex_);
  return !changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stopping_.load(); });
}

void LoopbackServer::serve() {
  while (!stopping_) {
    pollfd ready{listener_, POLLIN, 0};
    if (::poll(&ready, 1, 50) <= 0) continue;
    const int socket = ::accept(listener_, nullptr, nullptr);
    if (socket >= 0) handle(socket);
  }
}

void LoopbackServer::handle(int socket) {
  Connection connection{socket};
  bool open = true;
  if (tlsContext_ != nullptr) {
    connection.tls = SSL_new(static_cast<SSL_CTX*>(tlsContext_));
    SSL_set_fd(connection.tls, socket);
    timeval limit{5, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    open = SSL_accept(connection.tls) == 1;
  }
  const std::string request = open ? connection.readRequest() : std::string();
  if (!request.empty()) {
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    changed_.notify_all();
    const Reply reply = nextReply();
    for (const Reply::Step& step : reply.steps()) {
      if (!open) break;
      switch (step.kind) {
        case Reply::Step::Kind::Send:
          open = connection.sendAll(step.bytes);
          break;
        case Reply::Step::Kind::SendRepeated: {
          const std::string block(1 << 16, step.bytes[0]);
          for (std::size_t left = step.count; open && left > 0; left -= std::min(left, block.size())) {
            open = connection.sendAll(std::string_view(block).substr(0, std::min(left, block.size())));
          }
          break;
        }
        case Reply::Step::Kind::Stall:
          open = pause(step.pauseMs);
          break;
        case Reply::Step::Kind::Reset: {
          const linger abort{1, 0};
          ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
          SSL_free(connection.tls);
          ::close(socket);
          return;
        }
        case Reply::Step::Kind::Close:
          open = false;
          break;
      }
    }
  }
  if (connection.tls != nullptr) {
    SSL_shutdown(connection.tls);
    SSL_free(connection.tls);
  }
  ::shutdown(socket, SHUT_WR);
  ::close(socket);
}

ScopedConnectTo::ScopedConnectTo(const std::string& entries) {
  if (const char* value = std::getenv("TAOKE_CONNECT_TO")) {
    hadValue_ = true;
    previous_ = value;
  }
  ::setenv("TAOKE_CONNECT_TO", entries.c_str(), 1);
}

ScopedConnectTo::~ScopedConnectTo() {
  if (hadValue_) {
    ::setenv("TAOKE_CONNECT_TO", previous_.c_str(), 1);
  } else {
    ::unsetenv("TAOKE_CONNECT_TO");
  }
}

}  // namespace taoke::testing
