// Painting, focus and clicks of the picture control.
#include "runtime/win32/win32_picture.h"

#include "runtime/win32/win32_handles.h"

namespace quantaro::win32 {

namespace {

HICON iconOf(HWND picture) {
    return reinterpret_cast<HICON>(GetWindowLongPtrW(picture, GWLP_USERDATA));
}

void OnPaint(HWND picture) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(picture, &paint);
    RECT client;
    GetClientRect(picture, &client);
    DrawIconEx(dc, 0, 0, iconOf(picture), client.right, client.bottom, 0, nullptr, DI_NORMAL);
    if (GetFocus() == picture) {
        DrawFocusRect(dc, &client);
    }
    EndPaint(picture, &paint);
}

LRESULT CALLBACK PictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(picture, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
            break;
        }
        case WM_PAINT:
            OnPaint(picture);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // Redrawn with or without the focus rectangle.
            InvalidateRect(picture, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(picture);
            return 0;
    }
    return DefWindowProcW(picture, message, wParam, lParam);
}

}  // namespace

void registerPictureClass() {
    static const ATOM registered = registerWindowClass(pictureClassName, PictureProc);
    (void)registered;
}

void setPictureIcon(HWND picture, HICON icon) {
    SetWindowLongPtrW(picture, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
    InvalidateRect(picture, nullptr, TRUE);
}

}  // namespace quantaro::win32
