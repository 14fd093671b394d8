// The floor of the Windows start-up benchmark: the converter window's nineteen controls as a
// plain Win32 program would make them, fixed at their pixel places at 96 dpi, in the message
// font, with the common controls of version 6 (the same manifest as the program). It ends
// once its window is painted and idle, printing what the program's probe prints, and closes its
// window as it goes, as the program does.
#include <windows.h>
// after windows.h, which it builds on
#include <commctrl.h>

#include <initializer_list>

#include "startup_report_win32.h"

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct Child {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    int left, top, width, height;
    bool inOutputFrame;  // placed relative to the Output frame at (8, 112)
};

constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kReadOnly = kEdit | ES_READONLY;
constexpr Child kChildren[] = {
    {L"BUTTON", L"Input", BS_GROUPBOX, 8, 8, 409, 89, false},
    {L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 16, 32, 385, 200, false},
    {L"EDIT", L"", kEdit, 16, 64, 385, 25, false},
    {L"BUTTON", L"Output", BS_GROUPBOX, 8, 112, 409, 217, false},
    {L"STATIC", L"Bits:", 0, 8, 24, 57, 17, true},
    {L"STATIC", L"Bytes:", 0, 8, 56, 57, 17, true},
    {L"STATIC", L"Killobytes:", 0, 8, 88, 57, 17, true},
    {L"STATIC", L"Megabytes:", 0, 8, 120, 57, 17, true},
    {L"STATIC", L"Gigabytes:", 0, 8, 152, 57, 17, true},
    {L"STATIC", L"Terrabytes:", 0, 8, 184, 57, 17, true},
    {L"EDIT", L"", kReadOnly, 88, 24, 305, 19, true},
    {L"BUTTON", L"C&onvert", WS_TABSTOP | BS_DEFPUSHBUTTON, 8, 344, 121, 33, false},
    {L"BUTTON", L"&About", WS_TABSTOP | BS_PUSHBUTTON, 152, 344, 121, 33, false},
    {L"BUTTON", L"E&xit", WS_TABSTOP | BS_PUSHBUTTON, 296, 344, 121, 33, false},
    {L"EDIT", L"", kReadOnly, 96, 168, 305, 19, false},
    {L"EDIT", L"", kReadOnly, 96, 200, 305, 19, false},
    {L"EDIT", L"", kReadOnly, 96, 232, 305, 19, false},
    {L"EDIT", L"", kReadOnly, 96, 264, 305, 19, false},
    {L"EDIT", L"", kReadOnly, 96, 296, 305, 19, false},
};

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

    constexpr DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 426, 386};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, L"BareDialog", L"Quantaro", style, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HWND combo = nullptr;
    for (const Child& child : kChildren) {
        const int left = child.left + (child.inOutputFrame ? 8 : 0);
        const int top = child.top + (child.inOutputFrame ? 112 : 0);
        const HWND control = CreateWindowExW(
            0, child.className, child.text, WS_CHILD | WS_VISIBLE | child.style, left, top,
            child.width, child.height, window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (combo == nullptr && child.style & CBS_DROPDOWNLIST) {
            combo = control;
        }
    }
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
