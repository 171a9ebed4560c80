// The settings window: opened by the host's first menu entry, it holds the working settings.
#pragma once

#include <cstdint>

namespace taoke {

// Creates the window if it does not exist yet (a non-modal window without owner) and shows it.
void openSettingsWindow();

// Closes the window: its timers (clock, scheduled sending) end and the mirror client disconnects;
// later reads of the working settings give the initial values.
void closeSettingsWindow();

// The robot account used where no event supplies one: the first logged-in account.
std::int64_t robotQQ();

// Waits the given time while dispatching the window's messages and timers.
void pumpWait(int milliseconds);

}  // namespace taoke
