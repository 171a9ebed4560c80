// The TCP client against a listener of the test's own on 127.0.0.1.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "settings/tcp_client.h"

namespace taoke {
namespace {

class Listener {
 public:
  Listener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd_, 1);
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    if (peer_ >= 0) ::close(peer_);
    ::close(fd_);
  }
  std::uint16_t port() const { return port_; }
  void accept() { peer_ = ::accept(fd_, nullptr, nullptr); }
  std::string receive(std::size_t bytes) {
    std::string got;
    while (got.size() < bytes) {
      char buffer[256];
      const ssize_t n = ::recv(peer_, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  }
  void hangUp() {
    ::close(peer_);
    peer_ = -1;
  }
  void stopListening() {
    ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
  int peer_ = -1;
  std::uint16_t port_ = 0;
};

TEST(TcpClient, SendsTheBytesAsTheyAre) {
  Listener listener;
  TcpClient client;
  ASSERT_TRUE(client.connect("127.0.0.1", listener.port()));
  listener.accept();
  client.send("早安\r\n");
  EXPECT_EQ(listener.receive(6), "早安\r\n");
}

TEST(TcpClient, ConnectWithoutListenerFails) {
  std::uint16_t port = 0;
  {
    Listener closed;
    port = closed.port();
  }
  TcpClient client;
  EXPECT_FALSE(client.connect("127.0.0.1", port));
  EXPECT_FALSE(client.connected());
  client.send("nothing");
}

// Writing to a closed connection would raise SIGPIPE and end the host's process.
TEST(TcpClient, PeerThatHasGoneAwayMakesSendsDoNothing) {
  Listener listener;
  TcpClient client;
  ASSERT_TRUE(client.connect("127.0.0.1", listener.port()));
  listener.accept();
  listener.hangUp();
  listener.stopListening();
  for (int i = 0; i < 5; ++i) client.send(std::string(100000, 'x'));
  EXPECT_FALSE(client.connected());
}

}  // namespace
}  // namespace taoke
