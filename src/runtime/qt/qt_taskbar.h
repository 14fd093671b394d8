// Keeping a window without a taskbar entry of its own off the taskbar, and giving it one later.
// The program's windows are all ordinary top-level windows (qt_dialog.cpp says why, not tool
// windows), so on X11 the window asks the window manager for the skip-taskbar state, and to
// drop it; elsewhere both do nothing.
#pragma once

#include <QWidget>

namespace quantaro {

// Call before the window is first shown: X11 window managers read the state when it maps.
void keepOffTaskbar(QWidget& window);
// Undoes keepOffTaskbar, shown or not: the window manager of a shown window is asked to.
void putOnTaskbar(QWidget& window);

}  // namespace quantaro
