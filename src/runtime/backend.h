// What a toolkit must provide to host the program: windows built from layout tables, modal
// message boxes and the end of the event loop. The Qt and Win32 back ends and the tests'
// headless double implement this; nothing above it knows which one runs.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "runtime/control.h"
#include "runtime/layout.h"

namespace quantaro {

// What a window reports to the form that owns it.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void clicked(std::string_view control) = 0;
    // The title-bar close button, the system menu or Alt+F4; the window is still there.
    virtual void closeRequested() = 0;
};

// A loaded window. Destroying it closes it and discards everything its controls held.
class Window {
  public:
    virtual ~Window() = default;
    virtual Control& control(std::string_view name) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Shows the window (centred on the screen the first time) and brings it to the front.
    virtual void show() = 0;
};

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

class Backend {
  public:
    virtual ~Backend() = default;
    virtual std::unique_ptr<Window> createWindow(const FormLayout& layout,
                                                 WindowEvents& events) = 0;
    // Modal for the whole program: no window takes input until the box is dismissed.
    virtual void messageBox(const std::string& prompt, MessageIcon icon,
                            const std::string& title) = 0;
    // Leaves the event loop; called once no window remains, or by End.
    virtual void quit() = 0;
};

}  // namespace quantaro
