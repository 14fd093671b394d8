// Keeping a window without a taskbar entry of its own off the taskbar. Qt's tool window type
// does that on Windows and for most X11 taskbars; some X11 taskbars list tool windows all the
// same, so on X11 the window also asks for the skip-taskbar state. Elsewhere it does nothing.
#pragma once

#include <QWidget>

namespace quantaro {

// Call before the window is first shown: X11 window managers read the state when it maps.
void keepOffTaskbar(QWidget& window);

}  // namespace quantaro
