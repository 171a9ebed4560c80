// The window toolkit that shows the settings window: it creates the controls of
// settings_controls.h with their initial contents, gives access to them by name, shows message
// boxes and runs the window's timers. The headless implementation holds everything in memory.
//
// Every accessor is harmless without a window or with a name that is not a control of the right
// kind: reads give the empty value (-1 for a selection), writes do nothing.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taoke {

using TableRow = std::pair<std::string, std::string>;

bool windowExists();
// Creates the window with every control at its initial contents; nothing when it exists.
void createWindow();
// Destroys the window with its timers.
void destroyWindow();

// Edit box text, label text or button caption.
std::string controlText(std::string_view name);
void setControlText(std::string_view name, std::string_view text);

bool controlChecked(std::string_view name);
void setControlChecked(std::string_view name, bool on);

// List box items.
std::vector<std::string> listItems(std::string_view name);
// Inserts before item `index`; an index past the end appends.
void insertListItem(std::string_view name, std::size_t index, std::string_view text);
void removeListItem(std::string_view name, std::size_t index);
void clearList(std::string_view name);

// List view rows, two columns.
std::vector<TableRow> tableRows(std::string_view name);
void appendTableRow(std::string_view name, std::string_view column0, std::string_view column1);
void removeTableRow(std::string_view name, std::size_t index);
void clearTable(std::string_view name);

// The selected item of a list box or row of a list view, -1 for none.
int selectedIndex(std::string_view name);

// A message box with a single OK button; returns when it has been closed.
void showMessageBox(std::string_view title, std::string_view text);

// A timer of the window: `tick` runs every `milliseconds` while the window's messages are
// dispatched, and never inside its own run. Timers end with the window.
using TimerId = int;
TimerId startTimer(int milliseconds, std::function<void()> tick);
void stopTimer(TimerId timer);

// Waits the given time while dispatching the window's messages and timers.
void dispatchMessagesFor(int milliseconds);

}  // namespace taoke
