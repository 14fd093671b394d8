// What every window of the program draws with: for each screen resolution a window stands at,
// the system's message font and the program icons drawn for it, and the brushes for the colours
// the program sets. It owns the brushes; the font and icons of a resolution belong to the
// windows that stand at it and go when the last of them moves on or closes. It creates no window.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <utility>

#include "runtime/colour.h"
#include "runtime/contrast_paint.h"
#include "runtime/layout_plan.h"
#include "runtime/win32/win32_handles.h"
#include "runtime/win32/win32_resource_ids.h"

namespace quantaro::win32 {

class Win32Display {
  public:
    // The message font, and the program icon at the system's icon size (task switcher, About
    // picture) and at its small icon size (title bar, taskbar), for one resolution; the font at
    // a fraction of its size, where the screen has no room for a window as large as it.
    struct Tools {
        FontHandle font;
        double fontPoints;  // the size of the font, which the text-size setting makes larger
        double textScale;   // the fraction of the message font's size it is
        IconHandle icon;
        IconHandle smallIcon;
    };

    Win32Display();
    Win32Display(const Win32Display&) = delete;
    Win32Display& operator=(const Win32Display&) = delete;

    // The resolution windows open at: the system's.
    int systemDpi() const { return systemDpi_; }
    // The tools for a resolution and a fraction of the font's size: the ones a window holds
    // already, else made. They live as long as someone holds them.
    std::shared_ptr<const Tools> at(int dpi, double textScale = 1);
    // How many resolutions' tools are alive now.
    std::size_t resolutionsHeld();

    // The resolution of the screen a window stands on, held to the accepted ones.
    static int dpiOf(HWND window);
    // The size of a window whose client area has this size, with its frame at this resolution.
    static PixelSize frameAround(PixelSize client, DWORD style, DWORD extendedStyle, int dpi);

    // 0x80000000 plus an index is the system colour of that index; anything else is 0x00BBGGRR.
    static COLORREF colourRef(Colour colour);
    // Brushes of system colours belong to the system; the others live as long as this object.
    HBRUSH brush(Colour colour);

    // The colours a control or a line is drawn in, given the ones the program gave it, in the
    // theme on now: the system's colours are read afresh at each paint, as they cost nothing.
    using ControlPaint = quantaro::ControlPaint;
    Theme theme() const { return {highContrast_, GetSysColor(COLOR_BTNFACE)}; }
    ControlPaint controlPaint(Colour back, Colour fore) const {
        return quantaro::controlPaint(back, fore, theme());
    }
    Colour lineColour(Colour colour) const { return quantaro::lineColour(colour, theme()); }
    // Asks the system again whether a High Contrast theme is on.
    void settingsChanged();

  private:
    // The tests' way in (they define it) sets the theme, which Wine cannot turn on.
    friend struct Win32BackendTestAccess;

    // Whether a High Contrast theme is on: asked of the system at the start and whenever it
    // tells the windows that a setting changed (every control paint would otherwise ask again).
    bool highContrast_;
    int systemDpi_;
    std::map<std::pair<int, double>, std::weak_ptr<const Tools>> tools_;
    void forgetReleased();
    std::map<Colour, BrushHandle> solidBrushes_;
};

}  // namespace quantaro::win32
