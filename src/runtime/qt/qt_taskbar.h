// Keeping a window without a taskbar entry of its own off the taskbar. The program's windows are
// all ordinary top-level windows (qt_dialog.cpp says why, not tool windows), so on X11 the window
// asks the window manager for the skip-taskbar state; elsewhere it does nothing.
#pragma once

#include <QWidget>

namespace quantaro {

// Call before the window is first shown: X11 window managers read the state when it maps.
void keepOffTaskbar(QWidget& window);

}  // namespace quantaro
