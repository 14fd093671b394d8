// One control of a window as a Win32 child window: a button, static, edit, combo box or the
// picture, created from a plain description derived from its place in the window's plan. It
// keeps the colours the program gave it; the window paints with them. Of the messages sent to
// it, it answers only screen readers' (win32_accessible.h).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/control.h"
#include "runtime/layout_plan.h"
#include "runtime/win32/win32_accessible.h"
#include "runtime/win32/win32_display.h"

namespace quantaro::win32 {

// Everything CreateWindowExW needs to make one control.
struct ControlCreation {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    RECT bounds;  // in the window's client pixels
    int id;
};

ControlCreation creationFor(const ControlPlan& plan, int id);

class Win32Control final : public ControlWidget {
  public:
    Win32Control(HWND window, const ControlPlan& plan, const ControlCreation& creation,
                 const Win32Display::Tools& tools);

    std::string text() const override;
    void setText(const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setBackColor(Colour colour) override;
    void setForeColor(Colour colour) override;
    std::string description() const override;
    void setDescription(const std::string& description) override;
    void setFocus() override;
    void addItem(const std::string& item) override;
    std::vector<std::string> items() const override;
    void choose(std::optional<std::size_t> entry) override;

    // Moves to the control's place in its plan, made again for another resolution, and draws
    // with the font and icon of that resolution.
    void followPlan(const Win32Display::Tools& tools);

    HWND handle() const { return handle_; }
    const ControlPlan& plan() const { return plan_; }
    const ControlLayout& layout() const { return *plan_.row; }
    Colour backColor() const { return backColor_; }
    Colour foreColor() const { return foreColor_; }

  private:
    const ControlPlan& plan_;
    HWND handle_;  // a child window: it goes with its parent
    Colour backColor_;
    Colour foreColor_;
    std::shared_ptr<AccessibleFacts> accessible_;
};

}  // namespace quantaro::win32
