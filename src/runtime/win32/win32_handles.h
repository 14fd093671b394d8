// Owning handles for the Win32 objects the back end creates, so each is released exactly once,
// also when creating a window fails half-way; the error of a Win32 call that failed; and the
// registration of the back end's own window classes.
#pragma once

#include <windows.h>

#include <memory>
#include <system_error>
#include <type_traits>

namespace quantaro::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
// Messages that still arrive while the window goes away must not reach the C++ object that is
// being destroyed, so the link to it is cut first.
struct WindowDestroyer {
    void operator()(HWND window) const {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
};

using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A failed call the program cannot do without: the system's own error code travels with it.
[[noreturn]] inline void throwLastError(const char* call) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), call);
}

// A window class of the program's: the arrow cursor and the button-face background of dialogs.
inline ATOM registerWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    const ATOM atom = RegisterClassExW(&windowClass);
    if (atom == 0) {
        throwLastError("RegisterClassExW");
    }
    return atom;
}

}  // namespace quantaro::win32
