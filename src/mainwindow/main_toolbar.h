#pragma once

class QMainWindow;
class QToolBar;

// The everyday commands under the menu, with the desktop theme's icons.
// They are the menu's own actions, so toolbar and menu always agree.
namespace MainToolBar {

void fill(QToolBar *bar, QMainWindow *window);

} // namespace MainToolBar
