// One control of a window as a Win32 child window: a button, static, edit, combo box or the
// picture, created from a plain description derived from its row of the layout table. It keeps
// the colours the program gave it; the window paints with them. It handles no messages itself.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/control.h"
#include "runtime/layout.h"

namespace quantaro::win32 {

class Win32Display;

// Everything CreateWindowExW needs to make one control.
struct ControlCreation {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    RECT bounds;  // in the window's client pixels
    int id;
};

ControlCreation creationFor(const ControlLayout& layout, RECT bounds, int id);

// Frames and labels are scenery: Tab passes them by and the program cannot focus them.
bool takesFocus(ControlKind kind);

class Win32Control final : public Control {
  public:
    Win32Control(HWND window, const ControlLayout& layout, const ControlCreation& creation,
                 Win32Display& display);

    std::string text() const override;
    void setText(const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setBackColor(Colour colour) override;
    void setForeColor(Colour colour) override;
    void setFocus() override;
    void addItem(const std::string& item) override;

    HWND handle() const { return handle_; }
    const ControlLayout& layout() const { return layout_; }
    Colour backColor() const { return backColor_; }
    Colour foreColor() const { return foreColor_; }

  private:
    std::string windowText() const;
    void selectEntry(const std::string& text);

    const ControlLayout& layout_;
    HWND handle_;  // a child window: it goes with its parent
    Colour backColor_;
    Colour foreColor_;
};

}  // namespace quantaro::win32
