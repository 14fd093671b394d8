// Driving the Win32 back end with posted messages. The Windows build runs the suite on it and
// on the headless double.
#include "conformance/win32/win32_driver.h"

#include <oleacc.h>

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/start_up.h"
#include "conformance/win32/win32_text_room.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_text.h"
#include "runtime/win32/win32_window.h"

namespace quantaro::win32 {

// The tests' one way into the back end: a recorder where the system's message box would be,
// whether the program asked to end, and with what status, a High Contrast theme that Wine
// cannot turn on, and a window's control by its name.
struct Win32BackendTestAccess {
    static void replaceMessageBox(Win32Backend& backend, Win32Backend::MessageBoxFunction show) {
        backend.showMessageBox_ = std::move(show);
    }
    static void assumeHighContrast(Win32Backend& backend, bool on) {
        backend.display().highContrast_ = on;
    }
    static Win32Control& control(Win32Window& window, std::string_view name) {
        return window.widget(window.plan_.indexOf(name));
    }
};

}  // namespace quantaro::win32

namespace quantaro::testing {

namespace {

constexpr const char* forms[] = {"frmMain", "frmAbout"};
// The system colours a dark scheme sets: face, its text, window, its text, shadow, highlight.
constexpr INT schemeElements[] = {COLOR_BTNFACE,    COLOR_BTNTEXT,   COLOR_WINDOW,
                                  COLOR_WINDOWTEXT, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};

Rgb rgbOf(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

Rect rectOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT windowRect(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return bounds;
}

std::string textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return win32::utf8FromWide(text);
}

// What screen readers were told of, as the system hands its events to a hook.
std::map<HWND, int> descriptionNoticesByWindow;
void CALLBACK recordWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                             DWORD, DWORD) {
    if (event == EVENT_OBJECT_DESCRIPTIONCHANGE && object == OBJID_CLIENT &&
        child == CHILDID_SELF) {
        ++descriptionNoticesByWindow[window];
    }
}

class Win32Driver final : public WindowDriver {
  public:
    // The system's box disables its owner itself; the back end disables the other windows.
    explicit Win32Driver(double fontFactor = 1) : font_(fontFactor) {
        CoInitialize(nullptr);
        descriptionNoticesByWindow.clear();
        hook_ = SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE,
                                nullptr, recordWinEvent, GetCurrentProcessId(),
                                GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        win32::Win32BackendTestAccess::replaceMessageBox(
            backend_,
            [this](HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
                bool blocking = IsWindowEnabled(owner);
                for (const char* form : forms) {
                    const HWND window = handleOf(*this, form);
                    blocking &= window == nullptr || window == owner || !IsWindowEnabled(window);
                }
                // The icon styles count up in the order of the program's icons.
                const auto icon = static_cast<MessageIcon>((style & MB_ICONMASK) / MB_ICONHAND);
                boxes.push_back({win32::utf8FromWide(title), win32::utf8FromWide(text), icon,
                                 (style & MB_TYPEMASK) == MB_OK, blocking, formOf(owner)});
                // The system's box takes the focus while it is up.
                SetFocus(nullptr);
                return IDOK;
            });
        startUp(application_);
        pump();
    }
    ~Win32Driver() override {
        if (!schemeBefore_.empty()) {
            SetSysColors(static_cast<int>(std::size(schemeElements)), schemeElements,
                         schemeBefore_.data());
        }
        UnhookWinEvent(hook_);
    }

    Application& application() override { return application_; }
    win32::Win32Backend& backend() { return backend_; }
    void click(std::string_view form, std::string_view control) override {
        activate(form);
        const HWND target = handleOf(*this, form, control);
        RECT client;
        GetClientRect(target, &client);
        const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        PostMessageW(target, WM_LBUTTONUP, 0, centre);
        pump();
    }
    void closeFromTitleBar(std::string_view form) override {
        PostMessageW(handleOf(*this, form), WM_SYSCOMMAND, SC_CLOSE, 0);
        pump();
    }
    std::string caption(std::string_view form, std::string_view control) override {
        return textOf(handleOf(*this, form, control));
    }
    std::vector<std::string> items(std::string_view control) override {
        const HWND list = handleOf(*this, "frmMain", control);
        std::vector<std::string> entries;
        for (int i = 0; i < SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t entry[64] = {};
            SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
            entries.push_back(win32::utf8FromWide(entry));
        }
        return entries;
    }
    std::string focused() override {
        for (const char* form : forms) {
            for (const ControlLayout& row : this->form(form).layout().controls) {
                if (handleOf(*this, form) != nullptr &&
                    handleOf(*this, form, row.name) == GetFocus()) {
                    return std::string(row.name);
                }
            }
        }
        return "";
    }
    std::vector<std::string> windows() override {
        std::vector<std::string> open;
        for (HWND window = nullptr;
             (window = FindWindowExW(nullptr, window, L"QuantaroForm", nullptr)) != nullptr;) {
            open.push_back(formOf(window));
        }
        return open;
    }
    bool isVisible(std::string_view form) override {
        return IsWindowVisible(handleOf(*this, form)) != FALSE;
    }
    // Windows gives a button to an unowned window, or to one that asks for it.
    bool isOnTaskbar(std::string_view form) override {
        const HWND window = handleOf(*this, form);
        return IsWindowVisible(window) &&
               (GetWindow(window, GW_OWNER) == nullptr ||
                (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0);
    }
    // The system's queue holds one quit, however often the program asked to end.
    int endRequests() override { return exitStatus_ ? 1 : 0; }
    int exitStatus() override { return exitStatus_.value_or(0); }

    // A key as the keyboard sends it, down and up; the back end's loop translates it into the
    // character it makes. The letters here go with Ctrl, held in the thread's keyboard state.
    void press(Key key) override {
        static const UINT keys[] = {VK_RETURN, VK_ESCAPE, VK_TAB, VK_BACK, VK_DELETE, VK_HOME,
                                    VK_DOWN,   'A',       'C',    'X',     'V'};
        const UINT virtualKey = keys[static_cast<int>(key)];
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = virtualKey >= 'A' ? 0x80 : 0;
        SetKeyboardState(state);
        post(WM_KEYDOWN, virtualKey, 1);
        post(WM_KEYUP, virtualKey, 0xC0000001);
        pump();
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
    }
    void type(std::string_view characters) override {
        for (const wchar_t c : win32::wideFromUtf8(std::string(characters))) {
            post(WM_CHAR, c, 1);
        }
        pump();
    }
    // Alt and a letter: the system character message, with the Alt flag in bit 29.
    void pressAlt(char letter) override {
        post(WM_SYSCHAR, static_cast<WPARAM>(letter), 1 | (1 << 29));
        pump();
    }
    void focus(std::string_view form, std::string_view control) override {
        activate(form);
        SetFocus(handleOf(*this, form, control));
        pump();
    }
    // Wine hears from the X server a moment later that the window came forward; the user's
    // next act comes after that.
    void activate(std::string_view form) override {
        SetForegroundWindow(handleOf(*this, form));
        do {
            pump();
        } while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) != WAIT_TIMEOUT);
    }
    void moveTo(std::string_view form, int left, int top) override {
        SetWindowPos(handleOf(*this, form), nullptr, left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pump();
    }
    int dotsPerInch() override { return backend_.display().systemDpi(); }
    Rect bounds(std::string_view form, std::string_view control) override {
        RECT bounds = windowRect(handleOf(*this, form, control));
        MapWindowPoints(nullptr, handleOf(*this, form), reinterpret_cast<POINT*>(&bounds), 2);
        if (control.empty()) {
            GetClientRect(handleOf(*this, form), &bounds);
        }
        return rectOf(bounds);
    }
    Rect frame(std::string_view form) override { return rectOf(windowRect(handleOf(*this, form))); }
    Rect workArea() override {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
        return rectOf(monitor.rcWork);
    }
    TextRoom textRoom(std::string_view form, std::string_view control) override {
        return textRoomOf(handleOf(*this, form, control));
    }
    int widestWord(std::string_view form, std::string_view control) override {
        const HWND label = handleOf(*this, form, control);
        const HDC dc = GetDC(label);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        LONG widest = 0;
        std::wistringstream words(win32::wideFromUtf8(textOf(label)));
        for (std::wstring word; words >> word;) {
            SIZE extent{};
            GetTextExtentPoint32W(dc, word.c_str(), static_cast<int>(word.size()), &extent);
            widest = std::max(widest, extent.cx);
        }
        ReleaseDC(label, dc);
        return widest;
    }
    // All controls are children of the window itself, stacked from the top down.
    bool liesAbove(std::string_view form, std::string_view upper, std::string_view lower) override {
        HWND child = GetWindow(handleOf(*this, form), GW_CHILD);
        while (child != handleOf(*this, form, upper) && child != handleOf(*this, form, lower)) {
            child = GetWindow(child, GW_HWNDNEXT);
        }
        return child == handleOf(*this, form, upper);
    }
    std::string activeWindow() override { return formOf(GetActiveWindow()); }
    std::string frontWindow() override {
        HWND window = GetTopWindow(nullptr);
        while (window != nullptr && (!IsWindowVisible(window) || formOf(window).empty())) {
            window = GetWindow(window, GW_HWNDNEXT);
        }
        return formOf(window);
    }

    // What the window shows now: everything waiting to be painted is painted first.
    Rgb pixel(std::string_view form, int x, int y) override {
        const HWND window = handleOf(*this, form);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return rgbOf(colour);
    }
    // The colours the window hands a box when the box asks what to paint with.
    Paint paint(std::string_view form, std::string_view control) override {
        const HWND box = handleOf(*this, form, control);
        const HDC dc = CreateCompatibleDC(nullptr);
        wchar_t kind[16] = {};
        GetClassNameW(box, kind, 16);
        const bool edit = std::wstring_view(kind) == L"Edit" &&
                          (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) == 0;
        SendMessageW(GetParent(box), edit ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
        const Paint painted{rgbOf(GetTextColor(dc)), rgbOf(GetBkColor(dc))};
        DeleteDC(dc);
        return painted;
    }
    Rgb rgb(Colour colour) override { return rgbOf(win32::Win32Display::colourRef(colour)); }
    // Wine cannot turn a High Contrast theme on; the back end is told it is.
    bool assumeContrastTheme(bool on) override {
        win32::Win32BackendTestAccess::assumeHighContrast(backend(), on);
        return true;
    }

    // Under Wine the system's colours are the session's, so they are set back at the end.
    void assumeDarkScheme() override {
        schemeBefore_.clear();
        for (const int element : schemeElements) {
            schemeBefore_.push_back(GetSysColor(element));
        }
        const COLORREF dark[] = {RGB(50, 50, 50),    RGB(255, 255, 255), RGB(50, 50, 50),
                                 RGB(255, 255, 255), RGB(33, 33, 33),    RGB(75, 75, 75)};
        SetSysColors(static_cast<int>(std::size(schemeElements)), schemeElements, dark);
    }

    // As a screen reader asks: the accessible object of the control's client area.
    Accessible accessible(std::string_view form, std::string_view control) override {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(handleOf(*this, form, control), OBJID_CLIENT,
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object)))) {
            return {};
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const auto read = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
            BSTR text = nullptr;
            std::string read;
            if ((object->*get)(self, &text) == S_OK && text != nullptr) {
                read = win32::utf8FromWide(text);
            }
            SysFreeString(text);
            return read;
        };
        Accessible found{read(&IAccessible::get_accName), read(&IAccessible::get_accValue),
                         read(&IAccessible::get_accDescription)};
        object->Release();
        return found;
    }
    bool screenReadersSpeakListValues() override { return true; }
    // Windows takes a box's label from the window right above it in the stacking order.
    std::string namedByLabel(std::string_view form, std::string_view label) override {
        const HWND below = GetWindow(handleOf(*this, form, label), GW_HWNDNEXT);
        for (const ControlLayout& row : this->form(form).layout().controls) {
            if (handleOf(*this, form, row.name) == below) {
                return std::string(row.name);
            }
        }
        return "";
    }
    std::optional<int> descriptionNotices(std::string_view control) override {
        pump();
        return descriptionNoticesByWindow[handleOf(*this, "frmMain", control)];
    }

  private:
    void pump() {
        if (const std::optional<int> exitStatus = backend_.processPendingMessages()) {
            exitStatus_ = exitStatus;
        }
    }
    void post(UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageW(GetFocus(), message, wParam, lParam);
    }
    std::string formOf(HWND window) {
        for (const char* form : forms) {
            if (window != nullptr && handleOf(*this, form) == window) {
                return form;
            }
        }
        return "";
    }

    LargerMessageFont font_;  // set before the back end reads it, restored after it is gone
    win32::Win32Backend backend_;
    Application application_{backend_, services()};
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<COLORREF> schemeBefore_;  // the system's colours before a dark scheme
    std::optional<int> exitStatus_;       // once the program has told the system to end it
};

}  // namespace

const char* const windowSystem = "Win32";

std::unique_ptr<WindowDriver> startOnWindowSystem() {
    return std::make_unique<Win32Driver>();
}

std::unique_ptr<WindowDriver> startOnWindowSystemWithLargerFont(double fontFactor) {
    return std::make_unique<Win32Driver>(fontFactor);
}

std::size_t resolutionsHeld(WindowDriver& program) {
    return dynamic_cast<Win32Driver&>(program).backend().display().resolutionsHeld();
}

HWND handleOf(ProgramDriver& program, std::string_view form, std::string_view control) {
    auto* window = dynamic_cast<win32::Win32Window*>(program.form(form).windowIfLoaded());
    if (window == nullptr) {
        return nullptr;
    }
    return control.empty() ? window->handle()
                           : win32::Win32BackendTestAccess::control(*window, control).handle();
}

}  // namespace quantaro::testing
