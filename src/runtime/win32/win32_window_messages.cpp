// The window procedure of the program's windows: each message it cares about goes to an On...
// member, which answers it from the window's plan or passes it on to the form as an event.
#include "runtime/accepted_dpi.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_resolution_message.h"
#include "runtime/win32/win32_window.h"

namespace quantaro::win32 {

LRESULT CALLBACK Win32Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // A handler may unload this very window; the back end outlives it.
    Win32Backend& backend = self->backend_;
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's code; the loop rethrows it.
        backend.carryException(std::current_exception());
        return 0;
    }
}

// Each message the program cares about goes to its On... member, which returns the message's
// answer; the caller must not touch the window after OnCommand or OnClose, which may have
// destroyed it.
LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                                   reinterpret_cast<HWND>(lParam));
        case WM_PAINT:
            return OnPaint();
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            OnSettingsChanged();
            break;
        case WM_ACTIVATE:
            return OnActivate(LOWORD(wParam) != WA_INACTIVE);
        case WM_CLOSE:
            return OnClose();
        case DM_GETDEFID:
            return OnGetDefaultId();
        case WM_DPICHANGED:
            return OnDpiChanged(LOWORD(wParam), lParam);
        case WM_GETDPISCALEDSIZE:
            return OnGetDpiScaledSize(static_cast<int>(wParam), lParam);
    }
    return DefWindowProcW(handle(), message, wParam, lParam);
}

LRESULT Win32Window::OnCommand(int id, int code, HWND from) {
    // Dialog navigation sends IDCANCEL for Escape; a window without a cancel button ignores it.
    if (id == IDCANCEL) {
        if (const auto cancel = plan_.cancelButton()) {
            events_.clicked(plan_.control(*cancel).row->name);
        }
        return 0;
    }
    const Win32Control* control = controlOf(from);
    if (control != nullptr && control->layout().kind == ControlKind::Button && code == BN_CLICKED) {
        events_.clicked(control->layout().name);
    }
    return 0;
}

LRESULT Win32Window::OnControlColour(UINT message, HDC dc, HWND from) {
    const Win32Control* control = controlOf(from);
    if (control == nullptr) {
        return DefWindowProcW(handle(), message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(from));
    }
    Win32Display& display = backend_.display();
    const Win32Display::ControlPaint paint =
        display.controlPaint(control->backColor(), control->foreColor());
    SetTextColor(dc, Win32Display::colourRef(paint.fore));
    SetBkColor(dc, Win32Display::colourRef(paint.back));
    return reinterpret_cast<LRESULT>(display.brush(paint.back));
}

// A High Contrast theme turned on or off, or the system's colours changed: every control asks
// for its colours again.
void Win32Window::OnSettingsChanged() {
    backend_.display().settingsChanged();
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Lines lie on the window's own surface, beneath every control.
LRESULT Win32Window::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle(), &paint);
    Win32Display& display = backend_.display();
    for (const LinePlan& line : plan_.lines()) {
        const RECT area{line.area.left, line.area.top, line.area.left + line.area.width,
                        line.area.top + line.area.height};
        FillRect(dc, &area, display.brush(display.lineColour(line.colour)));
    }
    EndPaint(handle(), &paint);
    return 0;
}

// A plain window forgets its focused control when the user switches away; coming back, the
// user expects to find the focus where it was, or on the first control of the tab order.
LRESULT Win32Window::OnActivate(bool active) {
    if (!active) {
        const HWND focused = GetFocus();
        if (focused != nullptr && IsChild(handle(), focused)) {
            focusToRestore_ = focused;
        }
        return 0;
    }
    HWND target = focusToRestore_;
    if (target == nullptr && plan_.firstFocus()) {
        target = controls_[*plan_.firstFocus()]->handle();
    }
    if (target != nullptr) {
        SetFocus(target);
    }
    return 0;
}

LRESULT Win32Window::OnClose() {
    events_.closeRequested();
    return 0;
}

// Dialog navigation asks this to know which button Enter presses.
LRESULT Win32Window::OnGetDefaultId() const {
    if (const auto button = plan_.defaultButton()) {
        return MAKELRESULT(GetDlgCtrlID(controls_[*button]->handle()), DC_HASDEFID);
    }
    return 0;
}

// The window moved to a screen of another resolution, or its screen's resolution changed. The
// system suggests where it goes; its size comes from its plan. Anyone may send this, with any
// resolution and any pointer.
LRESULT Win32Window::OnDpiChanged(int dpi, LPARAM suggested) {
    followScreen(acceptedDpi(dpi), suggestedTopLeft(suggested));
    return 0;
}

// Asked before a move to another resolution, so that the place the system then suggests fits
// the size the window will take. Without a size to fill, the system scales the window itself.
LRESULT Win32Window::OnGetDpiScaledSize(int dpi, LPARAM size) {
    if (!isSizeToFill(size)) {
        return FALSE;
    }
    const int accepted = acceptedDpi(dpi);
    const LayoutPlan planned(plan_.layout(), backend_.screenFactsAt(accepted));
    const PixelSize frame = frameSize(planned.clientSize(), accepted);
    fillSize(size, SIZE{frame.width, frame.height});
    return TRUE;
}

// Enter presses the focused button, or the default one while the focus is elsewhere; the heavy
// border shows the user which. Dialog navigation in a window that is not a dialog leaves no
// button marked once the focus leaves the buttons, so the back end asks this after each message.
void Win32Window::showDefaultButton() {
    const HWND focused = GetFocus();
    const Win32Control* focusedControl = controlOf(focused);
    const bool buttonFocused =
        focusedControl != nullptr && focusedControl->layout().kind == ControlKind::Button;
    const Win32Control* defaultButton =
        plan_.defaultButton() ? controls_[*plan_.defaultButton()].get() : nullptr;
    for (const auto& control : controls_) {
        if (control->layout().kind != ControlKind::Button) {
            continue;
        }
        const bool looksDefault =
            buttonFocused ? control->handle() == focused : control.get() == defaultButton;
        const LONG_PTR style = GetWindowLongPtrW(control->handle(), GWL_STYLE);
        const LONG_PTR wanted = looksDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((style & BS_TYPEMASK) != wanted) {
            SendMessageW(control->handle(), BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
        }
    }
}

}  // namespace quantaro::win32
