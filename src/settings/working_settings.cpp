#include "settings/working_settings.h"

#include "settings/settings_controls.h"
#include "settings/window_toolkit.h"
#include "util/gbk_text.h"

namespace taoke {

namespace {

constexpr std::string_view kLogBox = "编辑框_日志";

// The log box keeps its newest megabyte: every message handled adds to it, and a plug-in that
// runs for months must not grow without end. Older text goes by whole lines.
constexpr std::size_t kLogLimitBytes = 1024 * 1024;

std::string keepNewest(std::string log) {
  if (log.size() <= kLogLimitBytes) return log;
  const int excess = static_cast<int>(log.size() - kLogLimitBytes);
  const int lineEnd = findText(log, "\r\n", excess + 1);
  return lineEnd < 0 ? std::string() : log.substr(static_cast<std::size_t>(lineEnd) + 1);
}

}  // namespace

// Without a window every setting reads as its control's initial value: the design-time text of an
// edit box, off, no items, no rows.
std::string readText(std::string_view setting) {
  if (windowExists()) return controlText(setting);
  const ControlDesc* control = findControl(setting);
  return control && control->kind == ControlKind::Edit ? std::string(control->text) : std::string();
}

bool readCheck(std::string_view setting) { return controlChecked(setting); }

std::vector<std::string> readList(std::string_view setting) { return listItems(setting); }

std::vector<std::pair<std::string, std::string>> readTable(std::string_view setting) {
  return tableRows(setting);
}

void writeText(std::string_view setting, std::string_view text) { setControlText(setting, text); }

void appendLog(std::string_view text) {
  if (windowExists()) setControlText(kLogBox, keepNewest(controlText(kLogBox) + std::string(text)));
}

bool windowCreated() { return windowExists(); }

}  // namespace taoke
