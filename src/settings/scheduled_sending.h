// Scheduled sending: up to three fixed messages posted to every forward group at set times of day.
#pragma once

namespace taoke {

// The click handler of 按钮1: takes the forward groups from the file and the three times from
// the window, and starts a schedule of its own on a 100 ms window timer. Each click starts one
// more schedule; every schedule ends with the window.
void startSchedule();

}  // namespace taoke
