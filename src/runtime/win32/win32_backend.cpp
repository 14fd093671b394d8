// Window bookkeeping, message boxes and the message loop of the Win32 back end.
#include "runtime/win32/win32_backend.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "runtime/win32/win32_picture.h"
#include "runtime/win32/win32_text.h"
#include "runtime/win32/win32_window.h"

namespace quantaro::win32 {

namespace {

UINT iconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return MB_ICONHAND;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Information:
            return MB_ICONASTERISK;
        case MessageIcon::None:
            break;
    }
    return 0;
}

// The common controls of version 6 (the manifest asks for them) give the native look; they
// must be loaded before the first control is made.
void loadCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        throwLastError("InitCommonControlsEx");
    }
}

// Re-enables the windows a message box disabled, however the box ends.
struct Reenable {
    std::vector<HWND> windows;
    ~Reenable() {
        for (const HWND window : windows) {
            EnableWindow(window, TRUE);
        }
    }
};

int systemMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
    return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

}  // namespace

Win32Backend::Win32Backend() : showMessageBox_(systemMessageBox) {
    loadCommonControls();
    registerPictureClass();
    Win32Window::registerClass();
}

Win32Backend::~Win32Backend() = default;

ScreenFacts Win32Backend::screenFacts() {
    return screenFactsAt(display_.systemDpi());
}

ScreenFacts Win32Backend::screenFactsAt(int dpi) {
    // The plan measures with the last font it asked for as long as it keeps these facts.
    std::shared_ptr<const Win32Display::Tools> tools = display_.at(dpi);
    const double points = tools->fontPoints;
    return {.dotsPerInch = static_cast<double>(dpi),
            .textSize =
                [display = &display_, dpi, tools = std::move(tools)](std::string_view text,
                                                                     double textScale) mutable {
                    if (tools->textScale != textScale) {
                        tools = display->at(dpi, textScale);
                    }
                    return textSizeIn(tools->font.get(), text);
                },
            .fontPoints = points,
            .room = Win32Window::roomOnScreen(dpi)};
}

std::unique_ptr<Window> Win32Backend::createWindow(const LayoutPlan& plan, WindowEvents& events) {
    return std::make_unique<Win32Window>(*this, plan, events);
}

// An owned window has no taskbar button, and stays above its owner only. Owned by a window that
// is never shown, the About window has no button, and the converter window can still come in
// front of it. (A tool window would have no button either, but a smaller title bar.)
HWND Win32Backend::taskbarHidingOwner() {
    if (!hiddenOwner_) {
        hiddenOwner_.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
        if (!hiddenOwner_) {
            throwLastError("CreateWindowExW of the hidden owner");
        }
    }
    return hiddenOwner_.get();
}

void Win32Backend::windowOpened(Win32Window& window) {
    windows_.push_back(&window);
}

// Closing the active window would leave activation to the system, which may pick the hidden
// owner; another window of the program takes it instead.
void Win32Backend::windowClosing(Win32Window& window) {
    std::erase(windows_, &window);
    if (GetActiveWindow() != window.handle()) {
        return;
    }
    for (auto other = windows_.rbegin(); other != windows_.rend(); ++other) {
        if (IsWindowVisible((*other)->handle())) {
            SetForegroundWindow((*other)->handle());
            return;
        }
    }
}

Win32Window* Win32Backend::programWindow(HWND handle) const {
    const auto found =
        std::find_if(windows_.begin(), windows_.end(),
                     [handle](const Win32Window* open) { return open->handle() == handle; });
    return found != windows_.end() ? *found : nullptr;
}

bool Win32Backend::isProgramWindow(HWND handle) const {
    return programWindow(handle) != nullptr;
}

// The box disables its owner; the program's other windows are disabled here, so that no
// window of the program takes input until the box is dismissed.
void Win32Backend::messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                              Window* ownerWindow) {
    const HWND owner =
        ownerWindow != nullptr ? static_cast<Win32Window*>(ownerWindow)->handle() : nullptr;
    int answer = 0;
    {
        Reenable reenable;
        for (const Win32Window* window : windows_) {
            if (window->handle() != owner && IsWindowEnabled(window->handle())) {
                EnableWindow(window->handle(), FALSE);
                reenable.windows.push_back(window->handle());
            }
        }
        answer = showMessageBox_(owner, wideFromUtf8(prompt), wideFromUtf8(title),
                                 MB_OK | MB_APPLMODAL | MB_SETFOREGROUND | iconStyle(icon));
    }
    if (answer == 0) {
        throwLastError("MessageBoxW");
    }
}

void Win32Backend::quit(int exitStatus) {
    PostQuitMessage(exitStatus);
}

// Dialog navigation runs for every window of the program, so Tab, Enter, Escape and the
// access keys work as in any Windows dialog; other messages take the ordinary way.
void Win32Backend::route(MSG& message) {
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!isProgramWindow(root) || !IsDialogMessageW(root, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (carried_) {
        std::rethrow_exception(std::exchange(carried_, nullptr));
    }
    // The message may have moved the focus, or closed the window.
    if (Win32Window* window = programWindow(root)) {
        window->showDefaultButton();
    }
}

int Win32Backend::run() {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) {
            throwLastError("GetMessageW");
        }
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        route(message);
    }
}

std::optional<int> Win32Backend::processPendingMessages() {
    std::optional<int> exitCode;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            exitCode = static_cast<int>(message.wParam);
        } else {
            route(message);
        }
    }
    return exitCode;
}

}  // namespace quantaro::win32
