// Moving the window's stored settings between the controls and the configuration file: the load
// button, the save button and the second half of the add-pair button.
#pragma once

namespace taoke {

// Fills every stored control from the file; a missing file or key empties the control.
void loadSettings();
// Writes every stored edit box and the watched groups; the replacement pairs are not written.
void saveSettings();
// Writes both halves of the replacement pairs from the list view's rows.
void saveReplacementPairs();

}  // namespace taoke
