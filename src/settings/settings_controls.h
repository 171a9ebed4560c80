// Every control of the settings window, described once: the headless window holds its state from
// this table and a drawn window lays its controls out from it.
#pragma once

#include <span>
#include <string_view>

namespace taoke {

enum class ControlKind { Panel, TabArea, TabPage, Label, Edit, Check, List, Table, Button };

struct ControlPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct ControlDesc {
  // The control's own name; panels and tab pages have names so that controls can say where they
  // sit; labels without a name of their own have an empty one.
  std::string_view name;
  ControlKind kind;
  // Caption, label text, or an edit box's initial text; a tab area's page captions are its pages.
  std::string_view text;
  // The panel or tab page holding the control; empty for the window itself.
  std::string_view container;
  // Place and size inside the window, where the design gives them; zero for the toolkit to choose.
  ControlPlace place{};
};

struct WindowDesc {
  std::string_view title;
  ControlPlace place;
};

const WindowDesc& settingsWindowDesc();
std::span<const ControlDesc> settingsControls();

// The control of that name, or null. Unnamed labels are never found.
const ControlDesc* findControl(std::string_view name);

}  // namespace taoke
