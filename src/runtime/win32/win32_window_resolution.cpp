// A window following its screen's resolution. The two messages that tell of it carry a pointer
// in lParam and a resolution in wParam; any program on the desktop can send them, so neither is
// taken on trust: the resolution is held to what a screen can have, and the pointer is used
// only where it points at memory of this process that may be read (or written, for the size).
#include <cstring>
#include <optional>

#include "runtime/accepted_dpi.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_window.h"

namespace quantaro::win32 {

namespace {

constexpr DWORD readableProtection = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                     PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                     PAGE_EXECUTE_WRITECOPY;
constexpr DWORD writableProtection =
    PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// Whether these bytes lie in committed memory of this process with this protection. A pointer
// of another process's, or a stray number, fails this; a pointer at the wrong object of this
// process cannot be told apart, and its contents are checked where they are used.
bool isMemoryOfOurs(LPARAM address, std::size_t size, DWORD protection) {
    if (address == 0) {
        return false;
    }
    const auto* first = reinterpret_cast<const char*>(address);
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(first, &region, sizeof region) != sizeof region ||
        region.State != MEM_COMMIT || (region.Protect & protection) == 0 ||
        (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0) {
        return false;
    }
    const auto* end = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    return size <= static_cast<std::size_t>(end - first);
}

// The top-left corner of the rectangle the system suggests: none when there is no rectangle,
// or one of no size.
std::optional<POINT> suggestedTopLeft(LPARAM suggested) {
    if (!isMemoryOfOurs(suggested, sizeof(RECT), readableProtection)) {
        return std::nullopt;
    }
    RECT place;
    std::memcpy(&place, reinterpret_cast<const void*>(suggested), sizeof place);
    if (place.right <= place.left || place.bottom <= place.top) {
        return std::nullopt;
    }
    return POINT{place.left, place.top};
}

bool onSomeScreen(POINT topLeft, PixelSize frame) {
    const RECT place{topLeft.x, topLeft.y, topLeft.x + frame.width, topLeft.y + frame.height};
    return MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace

LRESULT Win32Window::OnResolutionMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDPISCALEDSIZE) {
        return OnGetDpiScaledSize(static_cast<int>(wParam), lParam);
    }
    OnDpiChanged(LOWORD(wParam), lParam);
    return 0;
}

// The window moved to a screen of another resolution, or its screen's resolution changed. The
// system suggests where it goes; its size comes from its plan.
void Win32Window::OnDpiChanged(int dpi, LPARAM suggested) {
    followScreen(acceptedDpi(dpi), suggestedTopLeft(suggested));
}

// Asked before a move to another resolution, so that the place the system then suggests fits
// the size the window will take. Without a size to fill, the system scales the window itself.
LRESULT Win32Window::OnGetDpiScaledSize(int dpi, LPARAM size) {
    if (!isMemoryOfOurs(size, sizeof(SIZE), writableProtection)) {
        return FALSE;
    }
    const int accepted = acceptedDpi(dpi);
    const LayoutPlan planned(plan_.layout(), backend_.screenFactsAt(accepted));
    const PixelSize frame = frameSize(planned.clientSize(), accepted);
    const SIZE answer{frame.width, frame.height};
    std::memcpy(reinterpret_cast<void*>(size), &answer, sizeof answer);
    return TRUE;
}

void Win32Window::followScreen(int dpi, std::optional<POINT> topLeft) {
    events_.screenChanged(backend_.screenFactsAt(dpi));
    std::shared_ptr<const Win32Display::Tools> tools = backend_.display().at(dpi);
    setIcons(*tools);
    for (const auto& control : controls_) {
        control->followPlan(*tools);
    }
    // The controls draw with the new font now; the old one may go.
    tools_ = std::move(tools);
    const PixelSize frame = frameSize(plan_.clientSize(), dpi);
    UINT keepPlace = 0;
    if (!topLeft || !onSomeScreen(*topLeft, frame)) {
        topLeft = POINT{0, 0};
        keepPlace = SWP_NOMOVE;
    }
    SetWindowPos(handle(), nullptr, topLeft->x, topLeft->y, frame.width, frame.height,
                 keepPlace | SWP_NOZORDER | SWP_NOACTIVATE);
    // A frame drawn thicker or thinner than the system reckons for the resolution (Windows
    // before 10 reckons at its own) would change the client area: the window grows or shrinks
    // by the difference.
    RECT client;
    GetClientRect(handle(), &client);
    const PixelSize error{plan_.clientSize().width - client.right,
                          plan_.clientSize().height - client.bottom};
    if (error.width != 0 || error.height != 0) {
        SetWindowPos(handle(), nullptr, 0, 0, frame.width + error.width,
                     frame.height + error.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(handle(), nullptr, TRUE);
}

}  // namespace quantaro::win32
