// One window of the program: a top-level Win32 window built from a form's layout plan, whose
// window procedure routes each message to a small On... member. Keyboard handling (Tab, Enter,
// Escape, access keys) is the system's dialog navigation, which the back end's message loop
// runs for it; this class answers the questions that navigation asks. It runs no handler of
// the program itself: clicks and close requests go to the form as events. The routing of its
// messages is in win32_window_messages.cpp; what the resolution messages that anyone may send
// are trusted with is in win32_resolution_message.h.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "runtime/backend.h"
#include "runtime/win32/win32_accessible.h"
#include "runtime/win32/win32_control.h"
#include "runtime/win32/win32_handles.h"

namespace quantaro::win32 {

class Win32Backend;

class Win32Window final : public Window {
  public:
    Win32Window(Win32Backend& backend, const LayoutPlan& plan, WindowEvents& events);
    // The largest client area a window of the program may have on the primary screen's work
    // area, framed at this resolution.
    static PixelSize roomOnScreen(int dpi);
    ~Win32Window() override;

    Win32Control& widget(std::size_t index) override { return *controls_.at(index); }
    void setCaption(const std::string& caption) override;
    std::string description() const override;
    void setDescription(const std::string& description) override;
    void show() override;
    std::optional<std::size_t> focusedControl() const override;
    void activate(std::size_t control) override;
    void showInTaskbar() override;

    HWND handle() const { return handle_.get(); }
    const FormLayout& layout() const { return plan_.layout(); }
    // Marks the button that Enter would press now: the focused button, else the default one.
    void showDefaultButton();

    // Registers the window class of the program's windows, once per process.
    static void registerClass();

  private:
    // The tests' way in (they define it) finds a control by its name.
    friend struct Win32BackendTestAccess;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The messages the window answers (win32_window_messages.cpp); each returns the answer.
    LRESULT OnCommand(int id, int code, HWND from);
    LRESULT OnControlColour(UINT message, HDC dc, HWND from);
    LRESULT OnPaint();
    LRESULT OnActivate(bool active);
    LRESULT OnClose();
    LRESULT OnGetDefaultId() const;
    void OnSettingsChanged();
    // lParam comes as the sender wrote it: a rectangle and a size to fill, by the system.
    LRESULT OnDpiChanged(int dpi, LPARAM suggested);
    LRESULT OnGetDpiScaledSize(int dpi, LPARAM size);

    void createControls();
    void setIcons(const Win32Display::Tools& tools);
    // The resolution of the screen the window stands on: the one its plan is made for.
    int dpi() const;
    // The window's size with its frame, for a client area planned at this resolution.
    PixelSize frameSize(PixelSize client, int dpi) const;
    // Plans the window again for a screen of this resolution and moves it and every control;
    // to the top-left corner given, unless that would put it off every screen.
    void followScreen(int dpi, std::optional<POINT> topLeft);
    // Corrects the window's size where its client area came out other than planned.
    void fitClientArea(PixelSize frame);
    Win32Control* controlOf(HWND handle);
    void centre();

    Win32Backend& backend_;
    const LayoutPlan& plan_;
    WindowEvents& events_;
    // The font and icons of the window's resolution; declared before the window, so that they
    // outlive it and every control that draws with them.
    std::shared_ptr<const Win32Display::Tools> tools_;
    WindowHandle handle_;
    std::shared_ptr<AccessibleFacts> accessible_ = std::make_shared<AccessibleFacts>();
    std::vector<std::unique_ptr<Win32Control>> controls_;  // in the plan's order
    HWND focusToRestore_ = nullptr;
    bool shownBefore_ = false;
};

}  // namespace quantaro::win32
