// The Win32 window class and styles of each kind of control, and the control properties the
// program uses, each mapped to the messages of that class.
#include "runtime/win32/win32_control.h"

#include <commctrl.h>

#include <algorithm>
#include <new>

#include "runtime/run_time_error.h"
#include "runtime/win32/win32_display.h"
#include "runtime/win32/win32_handles.h"
#include "runtime/win32/win32_picture.h"
#include "runtime/win32/win32_text.h"

namespace quantaro::win32 {

namespace {

bool holdsText(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ReadOnlyTextBox ||
           kind == ControlKind::DropDownList;
}

bool isDefault(ButtonRole role) {
    return role == ButtonRole::Default || role == ButtonRole::DefaultAndCancel;
}

// Every control that takes the focus starts a group of its own, so the arrow keys stay with
// the box or list they belong to and never move the focus behind the user's back.
constexpr DWORD focusable = WS_TABSTOP | WS_GROUP;

ControlCreation classAndStyle(const ControlLayout& layout) {
    switch (layout.kind) {
        case ControlKind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX | WS_GROUP, 0, {}, 0};
        case ControlKind::Label:
            return {WC_STATICW, SS_LEFT, 0, {}, 0};
        case ControlKind::TextBox:
            return {WC_EDITW, ES_AUTOHSCROLL | focusable, WS_EX_CLIENTEDGE, {}, 0};
        case ControlKind::ReadOnlyTextBox:
            return {WC_EDITW, ES_AUTOHSCROLL | ES_READONLY | focusable, WS_EX_CLIENTEDGE, {}, 0};
        case ControlKind::DropDownList:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | focusable, 0, {}, 0};
        case ControlKind::Button:
            return {WC_BUTTONW,
                    static_cast<DWORD>(isDefault(layout.role) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                        focusable,
                    0,
                    {},
                    0};
        case ControlKind::Picture:
            return {pictureClassName, focusable, WS_EX_CLIENTEDGE, {}, 0};
    }
    throw RunTimeError::invalidArgument();
}

// The table's label widths fit a small dialog font; the system's message font may be wider.
// A word is never cut: a label widens, from its left edge, to its longest word.
void widenToLongestWord(HWND label, HFONT font, const std::wstring& caption) {
    const HDC dc = GetDC(label);
    const HGDIOBJ previous = SelectObject(dc, font);
    LONG widest = 0;
    for (std::size_t start = 0; start < caption.size();) {
        const std::size_t end = std::min(caption.find(L' ', start), caption.size());
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.data() + start, static_cast<int>(end - start), &extent);
        widest = std::max(widest, extent.cx);
        start = end + 1;
    }
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    RECT bounds;
    GetWindowRect(label, &bounds);
    if (widest > bounds.right - bounds.left) {
        SetWindowPos(label, nullptr, 0, 0, widest, bounds.bottom - bounds.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Frame && kind != ControlKind::Label;
}

ControlCreation creationFor(const ControlLayout& layout, RECT bounds, int id) {
    ControlCreation creation = classAndStyle(layout);
    creation.style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    creation.bounds = bounds;
    creation.id = id;
    return creation;
}

Win32Control::Win32Control(HWND window, const ControlLayout& layout,
                           const ControlCreation& creation, Win32Display& display)
    : layout_(layout),
      backColor_(holdsText(layout.kind) ? colours::windowBackground : colours::buttonFace),
      foreColor_(holdsText(layout.kind) ? colours::windowText : layout.foreColor) {
    const RECT& bounds = creation.bounds;
    handle_ = CreateWindowExW(
        creation.exStyle, creation.className, wideFromUtf8(layout.caption).c_str(), creation.style,
        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)), GetModuleHandleW(nullptr),
        layout.kind == ControlKind::Picture ? display.icon() : nullptr);
    if (handle_ == nullptr) {
        throwLastError("CreateWindowExW of a control");
    }
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(display.font()), FALSE);
    if (layout.kind == ControlKind::Label) {
        widenToLongestWord(handle_, display.font(), wideFromUtf8(layout.caption));
    }
}

std::string Win32Control::windowText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return utf8FromWide(text);
}

// A drop-down list's window text is its selected entry, or nothing.
std::string Win32Control::text() const {
    if (!holdsText(layout_.kind)) {
        throw RunTimeError::notSupported();
    }
    return windowText();
}

void Win32Control::setText(const std::string& text) {
    if (!holdsText(layout_.kind)) {
        throw RunTimeError::notSupported();
    }
    if (layout_.kind == ControlKind::DropDownList) {
        selectEntry(text);
        return;
    }
    if (!SetWindowTextW(handle_, wideFromUtf8(text).c_str())) {
        throwLastError("SetWindowTextW");
    }
}

// A drop-down list shows one of its entries or nothing; no other text can stand in it.
void Win32Control::selectEntry(const std::string& text) {
    if (text.empty()) {
        SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        return;
    }
    const auto count = SendMessageW(handle_, CB_GETCOUNT, 0, 0);
    const std::wstring wanted = wideFromUtf8(text);
    for (LRESULT entry = 0; entry < count; ++entry) {
        std::wstring entryText(
            static_cast<std::size_t>(SendMessageW(handle_, CB_GETLBTEXTLEN, entry, 0)) + 1, L'\0');
        entryText.resize(static_cast<std::size_t>(SendMessageW(
            handle_, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(entryText.data()))));
        if (entryText == wanted) {
            SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            return;
        }
    }
    throw RunTimeError::invalidArgument();
}

void Win32Control::setCaption(const std::string& caption) {
    if (holdsText(layout_.kind) || layout_.kind == ControlKind::Picture) {
        throw RunTimeError::notSupported();
    }
    if (!SetWindowTextW(handle_, wideFromUtf8(caption).c_str())) {
        throwLastError("SetWindowTextW");
    }
}

// The window paints with these when the control asks for its colours; a redraw makes it ask.
void Win32Control::setBackColor(Colour colour) {
    backColor_ = colour;
    InvalidateRect(handle_, nullptr, TRUE);
}

void Win32Control::setForeColor(Colour colour) {
    foreColor_ = colour;
    InvalidateRect(handle_, nullptr, TRUE);
}

void Win32Control::setFocus() {
    if (!takesFocus(layout_.kind)) {
        throw RunTimeError::notSupported();
    }
    SetFocus(handle_);
}

void Win32Control::addItem(const std::string& item) {
    if (layout_.kind != ControlKind::DropDownList) {
        throw RunTimeError::notSupported();
    }
    const LRESULT added = SendMessageW(handle_, CB_ADDSTRING, 0,
                                       reinterpret_cast<LPARAM>(wideFromUtf8(item).c_str()));
    if (added == CB_ERR || added == CB_ERRSPACE) {
        throw std::bad_alloc();
    }
}

}  // namespace quantaro::win32
