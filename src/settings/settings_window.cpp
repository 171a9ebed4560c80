#include "settings/settings_window.h"

#include <vector>

#include "plugin/host_api.h"
#include "settings/mirror_client.h"
#include "settings/window_toolkit.h"

namespace taoke {

namespace {

// The robot account, learned once for the life of the process; 0 while unknown.
std::int64_t cachedRobotQQ = 0;

}  // namespace

void openSettingsWindow() { createWindow(); }

void closeSettingsWindow() {
  closeMirrorClient();
  destroyWindow();
}

std::int64_t robotQQ() {
  if (cachedRobotQQ != 0) return cachedRobotQQ;
  std::vector<std::int64_t> accounts;
  hostApi().getLoginQQList(accounts);
  if (!accounts.empty()) cachedRobotQQ = accounts.front();
  return cachedRobotQQ;
}

void pumpWait(int milliseconds) { dispatchMessagesFor(milliseconds); }

}  // namespace taoke
