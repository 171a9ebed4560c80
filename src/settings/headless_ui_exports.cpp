// The exports that drive the headless settings window: the operator's edits, clicks and waits,
// and the message boxes the window has shown. Each body runs inside the export guard, so no
// exception reaches the caller; a returned text stays valid until the next ui call.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/export_abi.h"
#include "plugin/export_guard.h"
#include "settings/headless_window.h"
#include "settings/settings_buttons.h"
#include "settings/settings_controls.h"
#include "settings/settings_window.h"
#include "settings/window_toolkit.h"
#include "util/gbk_text.h"

namespace taoke {

namespace {

constexpr std::int32_t kDone = 0;
constexpr std::int32_t kNotDone = -1;

// The text handed out by the last uiGetText or uiTakeMessageBoxes.
std::string lastText;

std::string_view nameOf(const char* control) { return control ? std::string_view(control) : std::string_view(); }

bool isOpenControlOfKind(std::string_view name, ControlKind kind) {
  const ControlDesc* control = findControl(name);
  return windowExists() && control && control->kind == kind;
}

const char* handOut(std::string text) {
  lastText = std::move(text);
  return lastText.c_str();
}

std::string shownText(std::string_view name) {
  const ControlDesc* control = findControl(name);
  if (!windowExists() || !control) return {};
  switch (control->kind) {
    case ControlKind::Edit:
    case ControlKind::Label:
    case ControlKind::Button:
      return controlText(name);
    case ControlKind::Check:
      return controlChecked(name) ? "1" : "0";
    case ControlKind::List:
      return joinText(listItems(name), "\r\n");
    case ControlKind::Table: {
      std::vector<std::string> rows;
      for (const auto& [column0, column1] : tableRows(name)) rows.push_back(column0 + "\t" + column1);
      return joinText(rows, "\r\n");
    }
    default:
      return {};
  }
}

}  // namespace

}  // namespace taoke

using taoke::guardExport;

TAOKE_EXPORT std::int32_t TAOKE_CALL uiIsOpen() {
  return guardExport([] { return taoke::windowExists() ? 1 : 0; });
}

TAOKE_EXPORT std::int32_t TAOKE_CALL uiSetText(const char* control, const char* text) {
  return guardExport([&] {
    const std::string_view name = taoke::nameOf(control);
    if (!taoke::isOpenControlOfKind(name, taoke::ControlKind::Edit)) return taoke::kNotDone;
    taoke::setControlText(name, text ? text : "");
    return taoke::kDone;
  }, taoke::kNotDone);
}

TAOKE_EXPORT const char* TAOKE_CALL uiGetText(const char* control) {
  return guardExport([&] { return taoke::handOut(taoke::shownText(taoke::nameOf(control))); },
                     static_cast<const char*>(""));
}

TAOKE_EXPORT std::int32_t TAOKE_CALL uiSetCheck(const char* control, std::int32_t on) {
  return guardExport([&] {
    const std::string_view name = taoke::nameOf(control);
    if (!taoke::isOpenControlOfKind(name, taoke::ControlKind::Check)) return taoke::kNotDone;
    taoke::setControlChecked(name, on != 0);
    return taoke::kDone;
  }, taoke::kNotDone);
}

TAOKE_EXPORT std::int32_t TAOKE_CALL uiSelect(const char* control, std::int32_t index) {
  return guardExport([&] {
    return taoke::selectIndex(taoke::nameOf(control), index) ? taoke::kDone : taoke::kNotDone;
  }, taoke::kNotDone);
}

TAOKE_EXPORT std::int32_t TAOKE_CALL uiClick(const char* button) {
  return guardExport([&] {
    return taoke::clickButton(taoke::nameOf(button)) ? taoke::kDone : taoke::kNotDone;
  }, taoke::kNotDone);
}

TAOKE_EXPORT std::int32_t TAOKE_CALL uiPump(std::int32_t milliseconds) {
  return guardExport([&] {
    taoke::pumpWait(milliseconds);
    return taoke::kDone;
  }, taoke::kNotDone);
}

TAOKE_EXPORT const char* TAOKE_CALL uiTakeMessageBoxes() {
  return guardExport([] { return taoke::handOut(taoke::takeMessageBoxes()); },
                     static_cast<const char*>(""));
}

TAOKE_EXPORT std::int32_t TAOKE_CALL uiClose() {
  return guardExport([] {
    if (!taoke::windowExists()) return taoke::kNotDone;
    taoke::closeSettingsWindow();
    return taoke::kDone;
  }, taoke::kNotDone);
}
