// The settings window without a window toolkit: the controls' contents, the message boxes shown
// and the timers live in memory; waiting dispatches the timers against the monotonic clock.
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <map>
#include <memory>

#include "settings/headless_window.h"
#include "settings/settings_controls.h"
#include "settings/window_toolkit.h"

namespace taoke {

namespace {

// Milliseconds of the monotonic clock, which no change of the wall clock moves.
using Millis = std::int64_t;

Millis monotonicNow() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<Millis>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void sleepUntil(Millis when) {
  const timespec until{static_cast<time_t>(when / 1000), static_cast<long>((when % 1000) * 1000000)};
  while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

struct ControlState {
  ControlKind kind = ControlKind::Edit;
  std::string text;
  bool checked = false;
  std::vector<std::string> items;
  std::vector<TableRow> rows;
  int selection = -1;
};

struct Timer {
  Millis interval;
  Millis due;
  std::function<void()> tick;
  bool running = false;
};

struct HeadlessWindow {
  std::map<std::string, ControlState, std::less<>> controls;
  std::string messageBoxes;
  std::map<TimerId, Timer> timers;
};

// Timer numbers are never reused, not even by a later window, so a stale number stops nothing.
TimerId nextTimer = 1;

// The one settings window of the process, while it exists.
std::unique_ptr<HeadlessWindow> window;

ControlState* control(std::string_view name, ControlKind kind) {
  if (!window) return nullptr;
  const auto found = window->controls.find(name);
  if (found == window->controls.end() || found->second.kind != kind) return nullptr;
  return &found->second;
}

// Edit boxes, labels and buttons all have a text.
ControlState* textControl(std::string_view name) {
  for (ControlKind kind : {ControlKind::Edit, ControlKind::Label, ControlKind::Button})
    if (ControlState* state = control(name, kind)) return state;
  return nullptr;
}

ControlState* selectable(std::string_view name) {
  if (ControlState* state = control(name, ControlKind::List)) return state;
  return control(name, ControlKind::Table);
}

std::size_t entryCount(const ControlState& state) {
  return state.kind == ControlKind::List ? state.items.size() : state.rows.size();
}

// After an entry is removed the selection goes, as in a list box whose selected item is deleted.
void removeEntry(ControlState* state, std::size_t index) {
  if (!state || index >= entryCount(*state)) return;
  if (state->kind == ControlKind::List)
    state->items.erase(state->items.begin() + static_cast<std::ptrdiff_t>(index));
  else
    state->rows.erase(state->rows.begin() + static_cast<std::ptrdiff_t>(index));
  state->selection = -1;
}

// Runs, once each, the timers that are due now. A tick may stop timers, start timers or close
// the window, so each is looked up again before it runs.
void runDueTimers() {
  if (!window) return;
  const Millis now = monotonicNow();
  std::vector<TimerId> due;
  for (const auto& [id, timer] : window->timers)
    if (!timer.running && timer.due <= now) due.push_back(id);
  for (const TimerId id : due) {
    if (!window) return;
    const auto found = window->timers.find(id);
    if (found == window->timers.end() || found->second.running) continue;
    found->second.due = monotonicNow() + found->second.interval;
    found->second.running = true;
    const std::function<void()> tick = found->second.tick;  // the timer may be stopped while it runs
    // A tick that fails (a host function missing) leaves its timer ready to run again.
    const struct RunningMark {
      TimerId id;
      ~RunningMark() {
        if (!window) return;
        if (const auto still = window->timers.find(id); still != window->timers.end())
          still->second.running = false;
      }
    } mark{id};
    tick();
    if (!window) return;
  }
}

Millis nextTimerDue(Millis deadline) {
  Millis next = deadline;
  if (window)
    for (const auto& [id, timer] : window->timers)
      if (!timer.running) next = std::min(next, timer.due);
  return next;
}

}  // namespace

bool windowExists() { return window != nullptr; }

void createWindow() {
  if (window) return;
  window = std::make_unique<HeadlessWindow>();
  for (const ControlDesc& desc : settingsControls()) {
    if (desc.name.empty()) continue;
    ControlState state;
    state.kind = desc.kind;
    if (desc.kind == ControlKind::Edit || desc.kind == ControlKind::Label ||
        desc.kind == ControlKind::Button)
      state.text = desc.text;
    window->controls.emplace(desc.name, std::move(state));
  }
}

void destroyWindow() { window.reset(); }

std::string controlText(std::string_view name) {
  const ControlState* state = textControl(name);
  return state ? state->text : std::string();
}

void setControlText(std::string_view name, std::string_view text) {
  if (ControlState* state = textControl(name)) state->text = text;
}

bool controlChecked(std::string_view name) {
  const ControlState* state = control(name, ControlKind::Check);
  return state && state->checked;
}

void setControlChecked(std::string_view name, bool on) {
  if (ControlState* state = control(name, ControlKind::Check)) state->checked = on;
}

std::vector<std::string> listItems(std::string_view name) {
  const ControlState* state = control(name, ControlKind::List);
  return state ? state->items : std::vector<std::string>();
}

void insertListItem(std::string_view name, std::size_t index, std::string_view text) {
  ControlState* state = control(name, ControlKind::List);
  if (!state) return;
  index = std::min(index, state->items.size());
  state->items.insert(state->items.begin() + static_cast<std::ptrdiff_t>(index), std::string(text));
  if (state->selection >= static_cast<int>(index)) ++state->selection;
}

void removeListItem(std::string_view name, std::size_t index) {
  removeEntry(control(name, ControlKind::List), index);
}

void clearList(std::string_view name) {
  if (ControlState* state = control(name, ControlKind::List)) {
    state->items.clear();
    state->selection = -1;
  }
}

std::vector<TableRow> tableRows(std::string_view name) {
  const ControlState* state = control(name, ControlKind::Table);
  return state ? state->rows : std::vector<TableRow>();
}

void appendTableRow(std::string_view name, std::string_view column0, std::string_view column1) {
  if (ControlState* state = control(name, ControlKind::Table))
    state->rows.emplace_back(std::string(column0), std::string(column1));
}

void removeTableRow(std::string_view name, std::size_t index) {
  removeEntry(control(name, ControlKind::Table), index);
}

void clearTable(std::string_view name) {
  if (ControlState* state = control(name, ControlKind::Table)) {
    state->rows.clear();
    state->selection = -1;
  }
}

int selectedIndex(std::string_view name) {
  const ControlState* state = selectable(name);
  return state ? state->selection : -1;
}

bool selectIndex(std::string_view name, int index) {
  ControlState* state = selectable(name);
  if (!state || index < -1 || index >= static_cast<int>(entryCount(*state))) return false;
  state->selection = index;
  return true;
}

// A headless message box does not wait: it is recorded and counts as closed with OK.
void showMessageBox(std::string_view title, std::string_view text) {
  if (!window) return;
  window->messageBoxes.append(title).append("\t").append(text).append("\r\n");
}

std::string takeMessageBoxes() {
  if (!window) return {};
  return std::exchange(window->messageBoxes, std::string());
}

TimerId startTimer(int milliseconds, std::function<void()> tick) {
  if (!window) return 0;
  const Millis interval = std::max(milliseconds, 1);
  const TimerId id = nextTimer++;
  window->timers.emplace(id, Timer{interval, monotonicNow() + interval, std::move(tick)});
  return id;
}

void stopTimer(TimerId timer) {
  if (window) window->timers.erase(timer);
}

void dispatchMessagesFor(int milliseconds) {
  const Millis deadline = monotonicNow() + std::max(milliseconds, 0);
  for (;;) {
    runDueTimers();
    const Millis now = monotonicNow();
    if (now >= deadline) return;
    sleepUntil(nextTimerDue(deadline));
  }
}

}  // namespace taoke
