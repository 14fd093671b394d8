// The Win32 back end: windows from layout plans, message boxes, and the message loop that runs
// the system's dialog navigation for every window of the program. It keeps the list of open
// windows and what they draw with; the program's logic never sees a Win32 type.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/backend.h"
#include "runtime/win32/win32_display.h"
#include "runtime/win32/win32_handles.h"

namespace quantaro::win32 {

class Win32Window;

class Win32Backend final : public Backend {
  public:
    // What shows a message box: MessageBoxW, unless a test puts a recorder in its place
    // through Win32BackendTestAccess, the tests' own way in, which they define.
    using MessageBoxFunction = std::function<int(HWND owner, const std::wstring& text,
                                                 const std::wstring& title, UINT style)>;

    Win32Backend();
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    // The system's resolution and the width of a text in the message font drawn for it.
    ScreenFacts screenFacts() override;
    // The same for a screen of this resolution.
    ScreenFacts screenFactsAt(int dpi);
    std::unique_ptr<Window> createWindow(const LayoutPlan& plan, WindowEvents& events) override;
    // The owner's window owns the box: the system puts the box over it.
    void messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                    Window* owner) override;
    void quit(int exitStatus) override;

    // Runs the message loop until quit and returns the exit code.
    int run();
    // Handles every message waiting now, as run would, then returns; with the exit code where
    // one of them told the program to end.
    std::optional<int> processPendingMessages();

    // For the windows of this back end.
    Win32Display& display() { return display_; }
    HWND taskbarHidingOwner();
    void windowOpened(Win32Window& window);
    void windowClosing(Win32Window& window);
    void carryException(std::exception_ptr error) { carried_ = std::move(error); }

  private:
    friend struct Win32BackendTestAccess;

    void route(MSG& message);
    Win32Window* programWindow(HWND handle) const;
    bool isProgramWindow(HWND handle) const;

    Win32Display display_;
    std::vector<Win32Window*> windows_;  // open, in the order they were made
    WindowHandle hiddenOwner_;
    MessageBoxFunction showMessageBox_;
    std::exception_ptr carried_;
};

}  // namespace quantaro::win32
