// The Win32 window class and styles of each kind of control, and the control properties the
// program uses, each mapped to the messages of that class.
#include "runtime/win32/win32_control.h"

#include <commctrl.h>

#include <new>
#include <stdexcept>

#include "runtime/layout_check.h"
#include "runtime/win32/win32_handles.h"
#include "runtime/win32/win32_picture.h"
#include "runtime/win32/win32_text.h"

namespace quantaro::win32 {

namespace {

// Every control that takes the focus starts a group of its own, so the arrow keys stay with
// the box or list they belong to and never move the focus behind the user's back.
constexpr DWORD focusable = WS_TABSTOP | WS_GROUP;

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// A default button is drawn with the heavy border from the start.
ClassAndStyle classAndStyle(const ControlLayout& row) {
    switch (row.kind) {
        case ControlKind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX | WS_GROUP, 0};
        case ControlKind::Label:
            return {WC_STATICW, SS_LEFT, 0};
        case ControlKind::TextBox:
            return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ReadOnlyTextBox:
            return {WC_EDITW, ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
        case ControlKind::DropDownList:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::Button:
            return {WC_BUTTONW,
                    static_cast<DWORD>(isDefaultButton(row) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::Picture:
            return {pictureClassName, 0, WS_EX_CLIENTEDGE};
    }
    throw std::logic_error("control " + std::string(row.name) + " has no known kind");
}

std::wstring entryText(HWND list, LRESULT entry) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, entry, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

}  // namespace

ControlCreation creationFor(const ControlPlan& plan, int id) {
    const ClassAndStyle kind = classAndStyle(*plan.row);
    const PixelRect& place = plan.inWindow;
    // A static centres one line of text in its height as it centres an image.
    const DWORD centred = plan.textCentred ? SS_CENTERIMAGE : 0;
    return {
        kind.className,
        kind.style | centred | WS_CHILD | WS_VISIBLE | (plan.abilities.takesFocus ? focusable : 0),
        kind.exStyle,
        {place.left, place.top, place.left + place.width, place.top + place.height},
        id};
}

Win32Control::Win32Control(HWND window, const ControlPlan& plan, const ControlCreation& creation,
                           const Win32Display::Tools& tools)
    : plan_(plan), backColor_(plan.backColour), foreColor_(plan.foreColour) {
    const RECT& bounds = creation.bounds;
    handle_ = CreateWindowExW(creation.exStyle, creation.className,
                              wideFromUtf8(plan.row->caption).c_str(), creation.style, bounds.left,
                              bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                              window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)),
                              GetModuleHandleW(nullptr),
                              plan.row->kind == ControlKind::Picture ? tools.icon.get() : nullptr);
    if (handle_ == nullptr) {
        throwLastError("CreateWindowExW of a control");
    }
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(tools.font.get()), FALSE);
    accessible_ =
        std::make_shared<AccessibleFacts>(AccessibleFacts{wideFromUtf8(plan.accessibleName),
                                                          {},
                                                          plan.row->kind == ControlKind::Picture,
                                                          plan.abilities.holdsItems});
    answerScreenReaders(handle_, accessible_);
}

void Win32Control::followPlan(const Win32Display::Tools& tools) {
    const PixelRect& place = plan_.inWindow;
    SetWindowPos(handle_, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(tools.font.get()), TRUE);
    if (plan_.row->kind == ControlKind::Picture) {
        setPictureIcon(handle_, tools.icon.get());
    }
}

// A drop-down list's window text is its chosen entry, or nothing.
std::string Win32Control::text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return utf8FromWide(text);
}

void Win32Control::setText(const std::string& text) {
    if (!SetWindowTextW(handle_, wideFromUtf8(text).c_str())) {
        throwLastError("SetWindowTextW");
    }
}

void Win32Control::setCaption(const std::string& caption) {
    setText(caption);
}

std::vector<std::string> Win32Control::items() const {
    std::vector<std::string> entries;
    const LRESULT count = SendMessageW(handle_, CB_GETCOUNT, 0, 0);
    for (LRESULT entry = 0; entry < count; ++entry) {
        entries.push_back(utf8FromWide(entryText(handle_, entry)));
    }
    return entries;
}

void Win32Control::choose(std::optional<std::size_t> entry) {
    SendMessageW(handle_, CB_SETCURSEL,
                 entry ? static_cast<WPARAM>(*entry) : static_cast<WPARAM>(-1), 0);
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

std::string Win32Control::description() const {
    return utf8FromWide(accessible_->description);
}

void Win32Control::setDescription(const std::string& description) {
    accessible_->description = wideFromUtf8(description);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, handle_, OBJID_CLIENT, CHILDID_SELF);
}

void Win32Control::setFocus() {
    SetFocus(handle_);
}

void Win32Control::addItem(const std::string& item) {
    const LRESULT added = SendMessageW(handle_, CB_ADDSTRING, 0,
                                       reinterpret_cast<LPARAM>(wideFromUtf8(item).c_str()));
    if (added == CB_ERR || added == CB_ERRSPACE) {
        throw std::bad_alloc();
    }
}

}  // namespace quantaro::win32
