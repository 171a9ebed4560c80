#include "mirror_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace taoke::test {
namespace {

constexpr int mirrorPort = 19730;

int listenOnMirrorPort() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (;;) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(mirrorPort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 4) == 0) {
      return fd;
    }
    close(fd);
    if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("port 19730 stays busy");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace

MirrorPeer::MirrorPeer() : listener_(listenOnMirrorPort()), thread_([this] { serve(); }) {}

MirrorPeer::~MirrorPeer() {
  stopping_ = true;
  thread_.join();
  close(listener_);
}

void MirrorPeer::serve() {
  std::vector<pollfd> fds{{listener_, POLLIN, 0}};
  while (!stopping_) {
    if (poll(fds.data(), fds.size(), 50) <= 0) continue;
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
      if (fds[i].fd == listener_) {
        const int client = accept(listener_, nullptr, nullptr);
        if (client >= 0) fds.push_back({client, POLLIN, 0});
        continue;
      }
      char buffer[65536];
      const ssize_t got = recv(fds[i].fd, buffer, sizeof buffer, 0);
      if (got > 0) {
        std::lock_guard lock(mutex_);
        bytes_.append(buffer, static_cast<std::size_t>(got));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
      }
    }
    std::erase_if(fds, [](const pollfd& fd) { return fd.fd < 0; });
    for (auto& fd : fds) fd.revents = 0;
  }
  for (std::size_t i = 1; i < fds.size(); ++i) close(fds[i].fd);
}

std::string MirrorPeer::received(std::size_t expectedBytes, std::chrono::milliseconds wait) const {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (bytes_.size() >= expectedBytes && expectedBytes > 0) return bytes_;
      if (std::chrono::steady_clock::now() > deadline) return bytes_;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace taoke::test
