// A mirror peer for tests: listens on 127.0.0.1:19730, as the second robot host does, and keeps
// every byte the plug-in's mirror client sends. Waits for the port when another test holds it.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace taoke::test {

class MirrorPeer {
 public:
  MirrorPeer();
  ~MirrorPeer();
  MirrorPeer(const MirrorPeer&) = delete;
  MirrorPeer& operator=(const MirrorPeer&) = delete;

  // Everything received so far, once `expectedBytes` bytes have arrived or the wait is over.
  std::string received(std::size_t expectedBytes = 0,
                       std::chrono::milliseconds wait = std::chrono::milliseconds(2000)) const;

 private:
  void serve();

  int listener_ = -1;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::string bytes_;
  std::thread thread_;
};

}  // namespace taoke::test
