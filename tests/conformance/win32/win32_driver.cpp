// Driving the Win32 back end with posted messages. The Windows build runs the suite on it and
// on the headless double.
#include "conformance/win32/win32_driver.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

#include "app/start_up.h"
#include "conformance/headless/headless_driver.h"
#include "runtime/win32/win32_text.h"
#include "runtime/win32/win32_window.h"

namespace quantaro::testing {

std::vector<DriverMaker<WindowDriver>> windowDrivers() {
    return {{"Win32", [] { return std::make_unique<Win32Driver>(); }}};
}

std::vector<DriverMaker<ProgramDriver>> programDrivers() {
    return {{"Win32", [] { return std::make_unique<Win32Driver>(); }},
            {"Headless", [] { return std::make_unique<HeadlessDriver>(); }}};
}

namespace {

constexpr const char* forms[] = {"frmMain", "frmAbout"};

Rgb rgbOf(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

Rect rectOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

MessageIcon iconOf(UINT style) {
    static const std::map<UINT, MessageIcon> icons = {
        {0, MessageIcon::None},
        {MB_ICONHAND, MessageIcon::Critical},
        {MB_ICONQUESTION, MessageIcon::Question},
        {MB_ICONEXCLAMATION, MessageIcon::Exclamation},
        {MB_ICONASTERISK, MessageIcon::Information}};
    return icons.at(style & MB_ICONMASK);
}

std::string textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return win32::utf8FromWide(text);
}

bool isFormWindow(HWND window) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return std::wstring_view(className) == L"QuantaroForm";
}

}  // namespace

Win32Driver::Win32Driver() : application_(backend_, services()) {
    backend_.replaceMessageBox([this](HWND owner, const std::wstring& text,
                                      const std::wstring& title, UINT style) {
        bool blocksEveryWindow = true;
        for (const char* form : forms) {
            const HWND window = handle(form);
            blocksEveryWindow &= window == nullptr || window == owner || !IsWindowEnabled(window);
        }
        boxes.push_back({win32::utf8FromWide(title), win32::utf8FromWide(text), iconOf(style),
                         (style & MB_TYPEMASK) == MB_OK, blocksEveryWindow});
        boxOwners.push_back({owner, IsWindowEnabled(owner) != FALSE});
        return IDOK;
    });
    startUp(application_);
    pump();
}

HWND Win32Driver::handle(std::string_view form) {
    Form& shown = this->form(form);
    return shown.isLoaded() ? dynamic_cast<win32::Win32Window&>(shown.window()).handle() : nullptr;
}

HWND Win32Driver::handle(std::string_view form, std::string_view control) {
    if (handle(form) == nullptr) {
        throw std::logic_error(std::string(form) + " is not loaded");
    }
    auto& window = dynamic_cast<win32::Win32Window&>(this->form(form).window());
    return window.control(control).handle();
}

std::string Win32Driver::formOf(HWND window) {
    for (const char* form : forms) {
        if (window != nullptr && handle(form) == window) {
            return form;
        }
    }
    return "";
}

void Win32Driver::post(UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageW(GetFocus(), message, wParam, lParam);
}

void Win32Driver::click(std::string_view form, std::string_view control) {
    const HWND target = handle(form, control);
    SetForegroundWindow(handle(form));
    RECT client;
    GetClientRect(target, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(target, WM_LBUTTONUP, 0, centre);
    pump();
}

void Win32Driver::closeFromTitleBar(std::string_view form) {
    PostMessageW(handle(form), WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
}

std::string Win32Driver::caption(std::string_view form, std::string_view control) {
    return textOf(control.empty() ? handle(form) : handle(form, control));
}

std::vector<std::string> Win32Driver::items(std::string_view control) {
    const HWND list = handle("frmMain", control);
    std::vector<std::string> entries;
    for (int i = 0; i < SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t entry[64] = {};
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
        entries.push_back(win32::utf8FromWide(entry));
    }
    return entries;
}

std::string Win32Driver::focused() {
    const HWND focus = GetFocus();
    for (const char* form : forms) {
        if (handle(form) == nullptr) {
            continue;
        }
        for (const ControlLayout& row : this->form(form).layout().controls) {
            if (handle(form, row.name) == focus) {
                return std::string(row.name);
            }
        }
    }
    return "";
}

std::vector<std::string> Win32Driver::windows() {
    struct Found {
        Win32Driver* driver;
        std::vector<std::string> forms;
    } found{this, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            auto& into = *reinterpret_cast<Found*>(found);
            if (isFormWindow(window)) {
                into.forms.push_back(into.driver->formOf(window));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.forms;
}

bool Win32Driver::isVisible(std::string_view form) {
    const HWND window = handle(form);
    return window != nullptr && IsWindowVisible(window);
}

// A key as the keyboard sends it: down, the character it makes, up. Control stays down in the
// thread's keyboard state for the keys that need it.
void Win32Driver::press(Key key) {
    struct Stroke {
        UINT key;
        wchar_t character = 0;
        bool control = false;
    };
    static const Stroke strokes[] = {
        {VK_RETURN},    {VK_ESCAPE},    {VK_TAB},        {VK_BACK, L'\b'},
        {VK_DELETE},    {VK_HOME},      {VK_END},        {VK_DOWN},
        {'A', 1, true}, {'C', 3, true}, {'X', 24, true}, {'V', 22, true},
    };
    const Stroke& stroke = strokes[static_cast<int>(key)];
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = stroke.control ? 0x80 : 0;
    SetKeyboardState(keys);
    post(WM_KEYDOWN, stroke.key, 1);
    if (stroke.character != 0) {
        post(WM_CHAR, stroke.character, 1);
    }
    post(WM_KEYUP, stroke.key, 0xC0000001);
    pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void Win32Driver::type(std::string_view characters) {
    for (const wchar_t c : win32::wideFromUtf8(std::string(characters))) {
        post(WM_CHAR, c, 1);
    }
    pump();
}

// Alt and a letter: the system character message, with the Alt flag in bit 29.
void Win32Driver::pressAlt(char letter) {
    post(WM_SYSCHAR, static_cast<WPARAM>(letter), 1 | (1 << 29));
    pump();
}

void Win32Driver::focus(std::string_view form, std::string_view control) {
    SetForegroundWindow(handle(form));
    SetFocus(handle(form, control));
    pump();
}

void Win32Driver::activate(std::string_view form) {
    SetForegroundWindow(handle(form));
    pump();
}

void Win32Driver::moveTo(std::string_view form, int left, int top) {
    SetWindowPos(handle(form), nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
}

std::string Win32Driver::clipboard() {
    if (!OpenClipboard(nullptr)) {
        return "";
    }
    std::string text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = win32::utf8FromWide(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

Rect Win32Driver::bounds(std::string_view form, std::string_view control) {
    const HWND target = handle(form, control);
    RECT bounds;
    GetWindowRect(target, &bounds);
    MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&bounds), 2);
    return rectOf(bounds);
}

Rect Win32Driver::clientArea(std::string_view form) {
    RECT client;
    GetClientRect(handle(form), &client);
    MapWindowPoints(handle(form), nullptr, reinterpret_cast<POINT*>(&client), 2);
    return rectOf(client);
}

Rect Win32Driver::frame(std::string_view form) {
    RECT frame;
    GetWindowRect(handle(form), &frame);
    return rectOf(frame);
}

Rect Win32Driver::workArea() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return rectOf(monitor.rcWork);
}

int Win32Driver::widestWord(std::string_view form, std::string_view control) {
    const HWND label = handle(form, control);
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

// Siblings are drawn from the bottom of the stacking order up; all controls are children of
// the window itself.
bool Win32Driver::liesAbove(std::string_view form, std::string_view upper, std::string_view lower) {
    const HWND a = handle(form, upper);
    const HWND b = handle(form, lower);
    for (HWND child = GetWindow(handle(form), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == a || child == b) {
            return child == a;
        }
    }
    return false;
}

std::string Win32Driver::frontWindow() {
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (IsWindowVisible(window) && isFormWindow(window)) {
            return formOf(window);
        }
    }
    return "";
}

// What the window shows now: everything waiting to be painted is painted first.
Rgb Win32Driver::pixel(std::string_view form, int x, int y) {
    const HWND window = handle(form);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return rgbOf(colour);
}

// What a box would be painted with: the colours its window hands over when the box asks.
Paint Win32Driver::paint(std::string_view control) {
    const HWND box = handle("frmMain", control);
    const HDC dc = CreateCompatibleDC(nullptr);
    const bool readOnly = (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
    SendMessageW(GetParent(box), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                 reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
    const Paint painted{rgbOf(GetTextColor(dc)), rgbOf(GetBkColor(dc))};
    DeleteDC(dc);
    return painted;
}

Rgb Win32Driver::rgb(Colour colour) {
    return rgbOf(win32::Win32Display::colourRef(colour));
}

}  // namespace quantaro::testing
