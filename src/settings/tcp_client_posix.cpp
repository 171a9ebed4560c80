#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "settings/tcp_client.h"

namespace taoke {

namespace {

// How long a send may wait for a peer that does not read before the connection is given up.
constexpr int kSendTimeoutMs = 2000;
constexpr int kConnectTimeoutMs = 2000;

bool waitFor(int fd, short events, int timeoutMs) {
  pollfd entry{fd, events, 0};
  for (;;) {
    const int ready = ::poll(&entry, 1, timeoutMs);
    if (ready < 0 && errno == EINTR) continue;
    return ready > 0 && (entry.revents & events) != 0 && (entry.revents & (POLLERR | POLLHUP)) == 0;
  }
}

// True when the peer has closed its end: the socket reads as ended. Whatever the peer sent is
// left unread; the mirror peer's answers are not used.
bool peerHasClosed(int fd) {
  pollfd entry{fd, POLLIN | POLLRDHUP, 0};
  if (::poll(&entry, 1, 0) <= 0) return false;
  if (entry.revents & (POLLRDHUP | POLLHUP | POLLERR)) return true;
  char byte = 0;
  return ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

}  // namespace

TcpClient::~TcpClient() { close(); }

bool TcpClient::connect(const char* ipv4Address, std::uint16_t port) {
  close();
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  if (::inet_pton(AF_INET, ipv4Address, &address.sin_addr) != 1) return false;
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (!connected && errno == EINPROGRESS && waitFor(fd, POLLOUT, kConnectTimeoutMs)) {
    int error = 0;
    socklen_t length = sizeof error;
    connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
  }
  if (!connected) {
    ::close(fd);
    return false;
  }
  socket_ = fd;
  return true;
}

void TcpClient::send(std::string_view bytes) {
  if (socket_ >= 0 && peerHasClosed(static_cast<int>(socket_))) close();
  const int fd = static_cast<int>(socket_);
  while (fd >= 0 && !bytes.empty()) {
    // MSG_NOSIGNAL: a peer that has closed gives EPIPE here instead of killing the process.
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
               waitFor(fd, POLLOUT, kSendTimeoutMs)) {
      continue;
    } else {
      close();
    }
  }
}

void TcpClient::close() {
  if (socket_ >= 0) ::close(static_cast<int>(socket_));
  socket_ = -1;
}

}  // namespace taoke
