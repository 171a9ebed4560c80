// The click handlers of the settings window's buttons.
#pragma once

#include <string_view>

namespace taoke {

// Runs the handler of the named button; false without a window or for a name that is no button.
bool clickButton(std::string_view button);

// Whether a handler exists for the button.
bool hasButtonHandler(std::string_view button);

}  // namespace taoke
