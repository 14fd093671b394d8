// The floor of the Windows start-up benchmark: the converter window's nineteen controls as a
// plain Win32 program would make them, at the places the layout plan gives them at 96 dpi, in
// the message font, with the common controls of version 6 (the same manifest as the program). It
// ends once its window is painted and idle, printing what the program's probe prints, and closes
// its window as it goes, as the program does.
#include <windows.h>
// after windows.h, which it builds on
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/frm_main.h"
#include "runtime/layout_check.h"
#include "runtime/layout_plan.h"
#include "runtime/win32/win32_text.h"
#include "startup_report_win32.h"

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The converter window's table planned at 96 dpi in the tables' 9 point font, its words
// measured in the message font with the back end's own measure, as the program plans it on such
// a screen.
quantaro::LayoutPlan floorPlan(HFONT font) {
    return quantaro::LayoutPlan(
        quantaro::frmMain::layout,
        {96,
         [font](std::string_view text, double) { return quantaro::win32::textSizeIn(font, text); },
         quantaro::tableFontPoints});
}

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
};

constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

ClassAndStyle classAndStyle(const quantaro::ControlLayout& row) {
    using enum quantaro::ControlKind;
    switch (row.kind) {
        case Frame:
            return {L"BUTTON", BS_GROUPBOX};
        case Label:
        case Picture:
            return {L"STATIC", 0};
        case TextBox:
            return {L"EDIT", kEdit};
        case ReadOnlyTextBox:
            return {L"EDIT", kEdit | ES_READONLY};
        case DropDownList:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
        case Button:
            break;
    }
    const DWORD role = static_cast<DWORD>(isDefaultButton(row) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    return {L"BUTTON", WS_TABSTOP | role};
}

// Every control of the plan, a child of the window at its place there; returns the unit list.
HWND addControls(HWND window, const quantaro::LayoutPlan& plan, HFONT font) {
    HWND combo = nullptr;
    for (const quantaro::ControlPlan& child : plan.controls()) {
        const ClassAndStyle kind = classAndStyle(*child.row);
        const quantaro::PixelRect& place = child.inWindow;
        const HWND control = CreateWindowExW(
            0, kind.className, quantaro::win32::wideFromUtf8(child.row->caption).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, place.left, place.top, place.width, place.height,
            window, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (child.row->kind == quantaro::ControlKind::DropDownList) {
            combo = control;
        }
    }
    return combo;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareDialog";
    RegisterClassExW(&windowClass);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    const quantaro::LayoutPlan plan = floorPlan(font);

    constexpr DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, plan.clientSize().width, plan.clientSize().height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, L"BareDialog", quantaro::win32::wideFromUtf8(plan.layout().caption).c_str(), style,
        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
        nullptr, instance, nullptr);
    const HWND combo = addControls(window, plan, font);
    for (const wchar_t* unit :
         {L"Bits", L"Bytes", L"Killobytes", L"Megabytes", L"Gigabytes", L"Terrabytes"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return 0;
            }
            if (!IsDialogMessageW(window, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (startup_report::paintedAndIdle(window)) {
            startup_report::print();
            // It leaves as the program's probe does, closing its window first.
            DestroyWindow(window);
            DeleteObject(font);
            return 0;
        }
        WaitMessage();
    }
}
