// A TCP client socket: connects to an address, sends bytes, and forgets a connection whose peer
// has gone. One implementation per platform.
#pragma once

#include <cstdint>
#include <string_view>

namespace taoke {

class TcpClient {
 public:
  TcpClient() = default;
  ~TcpClient();
  TcpClient(const TcpClient&) = delete;
  TcpClient& operator=(const TcpClient&) = delete;

  // Connects to the IPv4 address and port, dropping any earlier connection; true when connected.
  bool connect(const char* ipv4Address, std::uint16_t port);
  // Sends the bytes as they are. A peer that has gone away, or one that has stopped reading for
  // longer than the send time-out, ends the connection; later sends do nothing.
  void send(std::string_view bytes);
  void close();
  bool connected() const { return socket_ >= 0; }

 private:
  std::intptr_t socket_ = -1;
};

}  // namespace taoke
