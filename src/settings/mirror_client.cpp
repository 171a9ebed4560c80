#include "settings/mirror_client.h"

#include "settings/tcp_client.h"
#include "settings/window_toolkit.h"
#include "settings/working_settings.h"

namespace taoke {

namespace {

// 客户1 belongs to the settings window; it is only connected while the window exists.
TcpClient& mirrorClient() {
  static TcpClient client;
  return client;
}

}  // namespace

bool connectMirrorClient() {
  if (!windowExists()) return false;
  return mirrorClient().connect(kMirrorPeerAddress, kMirrorPeerPort);
}

void closeMirrorClient() { mirrorClient().close(); }

void mirrorSend(std::string_view text) {
  if (windowExists()) mirrorClient().send(text);
}

}  // namespace taoke
