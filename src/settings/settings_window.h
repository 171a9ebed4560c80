// The settings window: opened by the host's first menu entry, it holds the working settings.
#pragma once

#include <cstdint>

namespace taoke {

// Creates the window if it does not exist yet (a non-modal window without owner) and shows it.
void openSettingsWindow();

// The robot account used where no event supplies one: the first logged-in account.
std::int64_t robotQQ();

// Waits the given time while dispatching the window's messages and timers.
void pumpWait(int milliseconds);

}  // namespace taoke
