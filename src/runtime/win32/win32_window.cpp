// A window of the program and what the runtime asks of it: creating it and its controls from
// the plan, showing it and bringing it forward, where its keyboard focus is, and following its
// plan to a screen of another resolution. Its messages are routed in win32_window_messages.cpp.
#include "runtime/win32/win32_window.h"

#include <cmath>

#include "runtime/run_time_error.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_text.h"

namespace quantaro::win32 {

namespace {

constexpr const wchar_t* formClassName = L"QuantaroForm";

// Control ids start well above IDOK and IDCANCEL, which dialog navigation sends for Enter and
// Escape, so the two can never be mistaken for a control.
constexpr int firstControlId = 1000;

// Neither border lets the user resize the window, and neither has a minimize or maximize box.
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

DWORD extendedStyleOf(const FormLayout& layout) {
    DWORD style = layout.showInTaskbar ? WS_EX_APPWINDOW : 0;
    if (layout.border == Border::FixedDialog) {
        style |= WS_EX_DLGMODALFRAME;
    }
    return style;
}

// The screen less the taskbar and docked bars, of one monitor.
RECT workAreaOf(HMONITOR handle) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(handle, &monitor);
    return monitor.rcWork;
}

// Tab follows the stacking order of the window's children from the top, and a new child goes
// to the bottom. So the controls that take the focus are made first, in tab order, each right
// after the label that names it, where Windows looks for a box's label; then the frames and
// other labels, the later rows of the table first: every frame lies beneath the boxes drawn
// over it, and Tab never stops on a frame or label.
std::vector<std::size_t> creationOrder(const LayoutPlan& plan) {
    const std::size_t none = plan.controls().size();
    std::vector<std::size_t> labelOf(plan.controls().size(), none);
    for (std::size_t index = 0; index < plan.controls().size(); ++index) {
        if (const auto named = plan.control(index).labelFor) {
            labelOf[*named] = index;
        }
    }
    std::vector<std::size_t> order;
    for (const std::size_t index : plan.tabChain()) {
        if (labelOf[index] != none) {
            order.push_back(labelOf[index]);
        }
        order.push_back(index);
    }
    for (std::size_t index = plan.controls().size(); index-- > 0;) {
        const ControlPlan& control = plan.control(index);
        if (!control.abilities.takesFocus && !control.labelFor) {
            order.push_back(index);
        }
    }
    return order;
}

bool onSomeScreen(POINT topLeft, PixelSize frame) {
    const RECT place{topLeft.x, topLeft.y, topLeft.x + frame.width, topLeft.y + frame.height};
    return MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace

void Win32Window::registerClass() {
    static const ATOM registered = registerWindowClass(formClassName, WindowProc);
    (void)registered;
}

Win32Window::Win32Window(Win32Backend& backend, const LayoutPlan& plan, WindowEvents& events)
    : backend_(backend), plan_(plan), events_(events) {
    const FormLayout& layout = plan.layout();
    const PixelSize frame = frameSize(plan.clientSize(), dpi());
    // A window without a taskbar button of its own belongs to the back end's hidden owner.
    const HWND owner = layout.showInTaskbar ? nullptr : backend.taskbarHidingOwner();
    handle_.reset(CreateWindowExW(extendedStyleOf(layout), formClassName,
                                  wideFromUtf8(layout.caption).c_str(), windowStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.width, frame.height, owner, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!handle_) {
        throwLastError("CreateWindowExW of a form");
    }
    SetWindowLongPtrW(handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    answerScreenReaders(handle(), accessible_);
    tools_ = backend_.display().at(dpi(), plan.textScale());
    setIcons(*tools_);
    createControls();
    backend_.windowOpened(*this);
}

// Both sizes drawn for their pixel size: a small icon the system shrank from the big one would
// lose the fine digits.
void Win32Window::setIcons(const Win32Display::Tools& tools) {
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(tools.icon.get()));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(tools.smallIcon.get()));
}

int Win32Window::dpi() const {
    return static_cast<int>(std::lround(plan_.dotsPerInch()));
}

PixelSize Win32Window::roomOnScreen(int dpi) {
    const RECT work = workAreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    // The dialog frame is the wider of the two the program's windows have.
    const PixelSize frame =
        Win32Display::frameAround({0, 0}, windowStyle, WS_EX_DLGMODALFRAME, dpi);
    return {work.right - work.left - frame.width, work.bottom - work.top - frame.height};
}

PixelSize Win32Window::frameSize(PixelSize client, int dpi) const {
    return Win32Display::frameAround(client, windowStyle, extendedStyleOf(plan_.layout()), dpi);
}

Win32Window::~Win32Window() {
    backend_.windowClosing(*this);
}

// All controls are children of the window itself: a frame as a parent would hide the boxes
// that lie over it.
void Win32Window::createControls() {
    std::vector<std::unique_ptr<Win32Control>> made(plan_.controls().size());
    for (const std::size_t index : creationOrder(plan_)) {
        const ControlPlan& control = plan_.control(index);
        made[index] = std::make_unique<Win32Control>(
            handle(), control, creationFor(control, firstControlId + static_cast<int>(index)),
            *tools_);
    }
    controls_ = std::move(made);
}

Win32Control* Win32Window::controlOf(HWND handle) {
    for (const auto& control : controls_) {
        if (control->handle() == handle) {
            return control.get();
        }
    }
    return nullptr;
}

void Win32Window::setCaption(const std::string& caption) {
    if (!SetWindowTextW(handle(), wideFromUtf8(caption).c_str())) {
        throwLastError("SetWindowTextW");
    }
}

// Screen readers ask the window's client object, which answers with this description.
std::string Win32Window::description() const {
    return utf8FromWide(accessible_->description);
}

void Win32Window::setDescription(const std::string& description) {
    accessible_->description = wideFromUtf8(description);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, handle(), OBJID_CLIENT, CHILDID_SELF);
}

void Win32Window::show() {
    if (!shownBefore_) {
        // The system's resolution is the one the program started with; the screen may have
        // another now.
        if (const int dpi = Win32Display::dpiOf(handle()); dpi != this->dpi()) {
            followScreen(dpi, std::nullopt);
        }
        centre();
        shownBefore_ = true;
    }
    // Showing a hidden window brings it to the front and activates it. One already shown but
    // behind another, or inactive, is hidden and shown again for the same: asked to activate a
    // window that stays on the screen, Wine under a window manager (its default) moves the keys
    // to it, but the manager keeps the window the user clicked last active and draws this one
    // inactive, so the user types into another window than the one shown active. A window
    // mapped anew is one the manager activates; Windows brings it to the front either way.
    if (IsWindowVisible(handle())) {
        if (GetForegroundWindow() == handle() && GetActiveWindow() == handle()) {
            return;
        }
        ShowWindow(handle(), SW_HIDE);
    }
    ShowWindow(handle(), SW_SHOW);
}

// The hidden owner kept the window off the taskbar; unowned, and asking for a button, it has
// one. The taskbar (and Wine's window-manager hints) look at a window as it is shown, so a shown
// one is hidden and shown again.
void Win32Window::showInTaskbar() {
    const LONG_PTR extended = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
    if (GetWindow(handle(), GW_OWNER) == nullptr && (extended & WS_EX_APPWINDOW) != 0) {
        return;
    }
    const bool shown = IsWindowVisible(handle()) != FALSE;
    if (shown) {
        ShowWindow(handle(), SW_HIDE);
    }
    SetWindowLongPtrW(handle(), GWLP_HWNDPARENT, 0);
    SetWindowLongPtrW(handle(), GWL_EXSTYLE, extended | WS_EX_APPWINDOW);
    if (shown) {
        ShowWindow(handle(), SW_SHOW);
    }
}

void Win32Window::centre() {
    RECT frame;
    GetWindowRect(handle(), &frame);
    const RECT work = workAreaOf(MonitorFromWindow(handle(), MONITOR_DEFAULTTOPRIMARY));
    const PixelRect place =
        centredIn({work.left, work.top, work.right - work.left, work.bottom - work.top},
                  {frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(handle(), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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

void Win32Window::followScreen(int dpi, std::optional<POINT> topLeft) {
    events_.screenChanged(backend_.screenFactsAt(dpi));
    std::shared_ptr<const Win32Display::Tools> tools =
        backend_.display().at(dpi, plan_.textScale());
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
    fitClientArea(frame);
    InvalidateRect(handle(), nullptr, TRUE);
}

// A frame drawn thicker or thinner than the system reckons for the resolution (Windows before
// 10 reckons at its own) would change the client area: the window grows or shrinks by the
// difference.
void Win32Window::fitClientArea(PixelSize frame) {
    RECT client;
    GetClientRect(handle(), &client);
    const PixelSize error{plan_.clientSize().width - client.right,
                          plan_.clientSize().height - client.bottom};
    if (error.width != 0 || error.height != 0) {
        SetWindowPos(handle(), nullptr, 0, 0, frame.width + error.width,
                     frame.height + error.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace quantaro::win32
