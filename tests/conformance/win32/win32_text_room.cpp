// Statics wrap their caption in their client area; a button asks for its caption's size plus
// its bevel and margins (its ideal size); edits draw one line in their formatting rectangle and
// the closed list in its item rectangle.
#include "conformance/win32/win32_text_room.h"

#include <commctrl.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace quantaro::testing {

namespace {

std::wstring textOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The control's text laid out by DrawText in the control's font, within width.
SIZE drawnSize(HWND control, UINT format, int width) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring text = textOf(control);
    RECT drawn{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &drawn, format | DT_CALCRECT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    // An empty text still takes a line's height.
    return {drawn.right, std::max<LONG>(drawn.bottom, metrics.tmHeight)};
}

WindowDriver::TextRoom roomOf(SIZE text, const RECT& room) {
    return {text.cx, text.cy, room.right - room.left, room.bottom - room.top};
}

WindowDriver::TextRoom staticRoom(HWND label) {
    RECT client;
    GetClientRect(label, &client);
    const LONG style = GetWindowLongW(label, GWL_STYLE);
    const UINT format = (style & SS_CENTERIMAGE) != 0 ? DT_SINGLELINE : DT_WORDBREAK;
    return roomOf(
        drawnSize(label, format | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0), client.right),
        client);
}

WindowDriver::TextRoom buttonRoom(HWND button) {
    RECT client;
    GetClientRect(button, &client);
    const SIZE text = drawnSize(button, DT_SINGLELINE, client.right);
    SIZE ideal{};
    if (!SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) {
        throw std::runtime_error("the button has no ideal size");
    }
    client.right -= ideal.cx - text.cx;
    client.bottom -= std::max<LONG>(0, ideal.cy - text.cy);
    return roomOf(text, client);
}

WindowDriver::TextRoom editRoom(HWND edit) {
    RECT room;
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    return roomOf(drawnSize(edit, DT_SINGLELINE | DT_NOPREFIX, 0), room);
}

WindowDriver::TextRoom listRoom(HWND list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(list, &info);
    return roomOf(drawnSize(list, DT_SINGLELINE | DT_NOPREFIX, 0), info.rcItem);
}

}  // namespace

WindowDriver::TextRoom textRoomOf(HWND control) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    const std::wstring kind = className;
    if (kind == WC_STATICW) {
        return staticRoom(control);
    }
    if (kind == WC_BUTTONW) {
        return buttonRoom(control);
    }
    if (kind == WC_EDITW) {
        return editRoom(control);
    }
    if (kind == WC_COMBOBOXW) {
        return listRoom(control);
    }
    throw std::logic_error("the control shows no text");
}

LargerMessageFont::LargerMessageFont(double factor) : factor_(factor) {
    system_.cbSize = sizeof system_;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof system_, &system_, 0);
    if (factor_ != 1) {
        NONCLIENTMETRICSW larger = system_;
        larger.lfMessageFont.lfHeight =
            static_cast<LONG>(std::lround(system_.lfMessageFont.lfHeight * factor_));
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0);
    }
}

LargerMessageFont::~LargerMessageFont() {
    if (factor_ != 1) {
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof system_, &system_, 0);
    }
}

}  // namespace quantaro::testing
