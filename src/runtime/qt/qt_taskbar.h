// Keeping a window without a taskbar entry of its own off the taskbar. The program's windows are
// all ordinary top-level windows (a tool window would stay above the converter window), and Qt
// has no flag that keeps one of those off, so on X11 the window asks the window manager for the
// skip-taskbar state. On other platforms (Wayland, offscreen, Windows) it does nothing and the
// window is listed.
#pragma once

#include <QWidget>

namespace quantaro {

// Call before the window is first shown: X11 window managers read the state when it maps.
void keepOffTaskbar(QWidget& window);

}  // namespace quantaro
