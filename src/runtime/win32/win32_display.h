// What every window of the program draws with, made once per back end: the screen's dots per
// inch, the system's message font, the program icons and the brushes for the colours the program
// sets. It owns these GDI objects and deletes them; it creates no window.
#pragma once

#include <windows.h>

#include <functional>
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

    // The colours a control is drawn in, given the ones the program gave it. In a High Contrast
    // theme only the theme's colours are drawn: a background of the program's own choosing
    // (the entered box's red) becomes the theme's highlight, with its highlight text, and a
    // text colour of its own on a theme background becomes the theme's text colour.
    struct ControlPaint {
        Colour back;
        Colour fore;
    };
    ControlPaint controlPaint(Colour back, Colour fore) const;
    // Whether a High Contrast theme is on; tests may answer in the system's place.
    std::function<bool()> highContrast;

  private:
    int dpi_;
    FontHandle font_;
    IconHandle icon_;
    IconHandle smallIcon_;
    std::map<Colour, BrushHandle> solidBrushes_;
};

}  // namespace quantaro::win32
