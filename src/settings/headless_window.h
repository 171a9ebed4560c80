// What the headless settings window offers beyond the toolkit: the operator's own actions (select
// an item) and the message boxes it has shown, for the ui exports that drive it.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Selects an item of a list box or a row of a list view; -1 clears. False without a window, for a
// name that is neither, or for an index past the end.
bool selectIndex(std::string_view name, int index);

// The message boxes shown since the last call, each title "\t" text "\r\n", then forgotten.
std::string takeMessageBoxes();

}  // namespace taoke
