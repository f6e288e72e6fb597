#pragma once

class QMainWindow;

// The fields of the form keep some keys for themselves: a line edit takes
// Ctrl+E to the end of the line, Ctrl+Z to its own undo. The menu's
// shortcuts are what the user reaches for after typing a value, so in this
// window they win over whatever field has the focus.
namespace MenuShortcuts {

void letMenuWin(QMainWindow *window);

} // namespace MenuShortcuts
