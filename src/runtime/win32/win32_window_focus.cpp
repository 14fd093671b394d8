// Where the keyboard focus is in a window of the program, and giving it back to a control.
#include "runtime/win32/win32_window.h"

namespace quantaro::win32 {

// The focus may rest on a part of a control (a list's text field) rather than on the control.
std::optional<std::size_t> Win32Window::focusedControl() const {
    const HWND focused = GetFocus();
    if (focused == nullptr) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        const HWND control = controls_[index]->handle();
        if (focused == control || IsChild(control, focused)) {
            return index;
        }
    }
    return std::nullopt;
}

void Win32Window::activate(std::size_t control) {
    SetForegroundWindow(handle());
    SetFocus(controls_.at(control)->handle());
}

}  // namespace quantaro::win32
