// What the two messages that tell a window of a screen resolution may be trusted with. They
// carry a pointer in lParam, as the sender wrote it, and any program on the desktop can send
// them: the pointer is used only where it points at memory of this process that may be read
// (or written, for the size). It knows no window and holds the resolution to nothing: the
// window holds it to the accepted ones (runtime/accepted_dpi.h).
#pragma once

#include <windows.h>

#include <optional>

namespace quantaro::win32 {

// WM_DPICHANGED: the top-left corner of the rectangle the system suggests; none when there is
// no rectangle to read, or one of no size.
std::optional<POINT> suggestedTopLeft(LPARAM suggested);

// WM_GETDPISCALEDSIZE: whether there is a size to fill, and filling one there is.
bool isSizeToFill(LPARAM size);
void fillSize(LPARAM size, SIZE answer);

}  // namespace quantaro::win32
