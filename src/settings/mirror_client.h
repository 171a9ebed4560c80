// The mirror client 客户1: the settings window's TCP connection to the second robot host (可爱猫)
// on 127.0.0.1 port 19730. mirrorSend (working_settings.h) writes on it.
#pragma once

#include <cstdint>

namespace taoke {

inline constexpr char kMirrorPeerAddress[] = "127.0.0.1";
inline constexpr std::uint16_t kMirrorPeerPort = 19730;

// Connects to the mirror peer, dropping an earlier connection; true when connected.
bool connectMirrorClient();
// Ends the connection; the window's closing does this.
void closeMirrorClient();

}  // namespace taoke
