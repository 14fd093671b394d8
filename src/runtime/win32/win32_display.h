// What every window of the program draws with, made once per back end: the screen's dots per
// inch, the system's message font, the program icons and the brushes for the colours the program
// sets. It owns these GDI objects and deletes them; it creates no window.
#pragma once

#include <windows.h>

#include <map>

#include "runtime/colour.h"
#include "runtime/win32/win32_handles.h"
#include "runtime/win32/win32_resource_ids.h"

namespace quantaro::win32 {

class Win32Display {
  public:
    Win32Display();
    Win32Display(const Win32Display&) = delete;
    Win32Display& operator=(const Win32Display&) = delete;

    int dpi() const { return dpi_; }

    HFONT font() const { return font_.get(); }
    // The program icon at the system's icon size (title bar switcher, About picture) and at its
    // small icon size (title bar, taskbar).
    HICON icon() const { return icon_.get(); }
    HICON smallIcon() const { return smallIcon_.get(); }

    // 0x80000000 plus an index is the system colour of that index; anything else is 0x00BBGGRR.
    static COLORREF colourRef(Colour colour);
    // Brushes of system colours belong to the system; the others live as long as this object.
    HBRUSH brush(Colour colour);

  private:
    int dpi_;
    FontHandle font_;
    IconHandle icon_;
    IconHandle smallIcon_;
    std::map<Colour, BrushHandle> solidBrushes_;
};

}  // namespace quantaro::win32
