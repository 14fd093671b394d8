// What only the Win32 back end has to get right: the styles that give a fixed border, a
// taskbar button to the converter window alone and the program icon; the system's message
// font in every control; a new layout when a window's screen changes resolution; the High
// Contrast colours; and every window enabled again after a message box. Everything else is in
// the conformance suite.
#include <gtest/gtest.h>

#include <string>

#include "conformance/win32/win32_driver.h"
#include "runtime/layout_plan.h"

namespace quantaro::testing {
namespace {

LOGFONTW messageFontAt(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return metrics.lfMessageFont;
}

LOGFONTW fontOf(HWND window) {
    LOGFONTW font{};
    const auto used = SendMessageW(window, WM_GETFONT, 0, 0);
    GetObjectW(reinterpret_cast<HFONT>(used), sizeof font, &font);
    return font;
}

int iconWidth(HICON icon) {
    ICONINFO info{};
    BITMAP bitmap{};
    GetIconInfo(icon, &info);
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// Where every control of a window belongs at a resolution: the window's table planned with the
// message font drawn for that resolution.
LayoutPlan planAt(const FormLayout& layout, int dpi) {
    const LOGFONTW font = messageFontAt(dpi);
    return LayoutPlan(layout, {static_cast<double>(dpi), [font](std::string_view text) {
                                   const std::wstring wide(text.begin(), text.end());
                                   const HDC dc = GetDC(nullptr);
                                   const HFONT made = CreateFontIndirectW(&font);
                                   const HGDIOBJ previous = SelectObject(dc, made);
                                   SIZE extent{};
                                   GetTextExtentPoint32W(dc, wide.data(),
                                                         static_cast<int>(wide.size()), &extent);
                                   DeleteObject(SelectObject(dc, previous));
                                   ReleaseDC(nullptr, dc);
                                   return static_cast<int>(extent.cx);
                               }});
}

TEST(Win32Windows, HaveFixedBordersTheMessageFontAndOnlyTheConverterWindowATaskbarButton) {
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    const HWND main = handleOf(*program, "frmMain");
    const struct {
        HWND window;
        bool taskbarButton;
        bool dialogFrame;
    } cases[] = {{main, true, false}, {handleOf(*program, "frmAbout"), false, true}};
    for (const auto& c : cases) {
        const LONG_PTR style = GetWindowLongPtrW(c.window, GWL_STYLE);
        const LONG_PTR extended = GetWindowLongPtrW(c.window, GWL_EXSTYLE);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ((extended & WS_EX_DLGMODALFRAME) != 0, c.dialogFrame);
        EXPECT_EQ(extended & WS_EX_TOOLWINDOW, 0) << "a tool window has the small title bar";
        // Windows gives a button to an unowned window, or one that asks for it.
        const HWND owner = GetWindow(c.window, GW_OWNER);
        EXPECT_EQ(owner == nullptr || (extended & WS_EX_APPWINDOW) != 0, c.taskbarButton);
        // An owned window stays above its owner: never the converter window.
        EXPECT_NE(owner, main);
        EXPECT_NE(SendMessageW(c.window, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(c.window, WM_GETICON, ICON_SMALL, 0), 0);
    }
    // Every control writes in the system's message font.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (const char* form : {"frmMain", "frmAbout"}) {
        for (const ControlLayout& row : program->form(form).layout().controls) {
            if (row.kind == ControlKind::Picture) {
                continue;  // it draws the icon and writes nothing
            }
            LOGFONTW font{};
            const auto used = SendMessageW(handleOf(*program, form, row.name), WM_GETFONT, 0, 0);
            GetObjectW(reinterpret_cast<HFONT>(used), sizeof font, &font);
            EXPECT_EQ(std::wstring(font.lfFaceName), metrics.lfMessageFont.lfFaceName) << row.name;
            EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight) << row.name;
        }
    }
}

// A window moved to a screen of another resolution is laid out again for it: every control at
// its place in the plan for that resolution, in the message font and with the icons drawn for
// it. Wine raises no WM_DPICHANGED of its own, so the test sends it as Windows would.
TEST(Win32Windows, MovedToAScreenOfAnotherResolutionFollowTheirPlanForIt) {
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    for (const int dpi : {144, 192, 96}) {
        for (const char* form : {"frmMain", "frmAbout"}) {
            const HWND window = handleOf(*program, form);
            RECT suggested{40, 30, 400, 300};
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            const LayoutPlan expected = planAt(program->form(form).layout(), dpi);
            const std::string at = std::string(form) + " at " + std::to_string(dpi);
            const Rect frame = program->frame(form);
            EXPECT_EQ(frame.left, 40) << at;
            EXPECT_EQ(frame.top, 30) << at;
            const Rect client = program->bounds(form, "");
            EXPECT_EQ(client.width, expected.clientSize().width) << at;
            EXPECT_EQ(client.height, expected.clientSize().height) << at;
            for (const ControlPlan& control : expected.controls()) {
                const PixelRect& place = control.inWindow;
                Rect drawn = program->bounds(form, control.row->name);
                if (control.row->kind == ControlKind::DropDownList) {
                    drawn.height = place.height;  // the system's, as its font needs
                }
                EXPECT_EQ(drawn, (Rect{place.left, place.top, place.width, place.height}))
                    << at << ' ' << control.row->name;
                if (control.row->kind != ControlKind::Picture) {
                    EXPECT_EQ(fontOf(handleOf(*program, form, control.row->name)).lfHeight,
                              messageFontAt(dpi).lfHeight)
                        << at << ' ' << control.row->name;
                }
            }
            const auto icon = [&](WPARAM size) {
                return iconWidth(
                    reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, size, 0)));
            };
            EXPECT_EQ(icon(ICON_BIG), GetSystemMetricsForDpi(SM_CXICON, dpi)) << at;
            EXPECT_EQ(icon(ICON_SMALL), GetSystemMetricsForDpi(SM_CXSMICON, dpi)) << at;
        }
        const HWND picture = handleOf(*program, "frmAbout", "picIcon");
        EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(GetWindowLongPtrW(picture, GWLP_USERDATA))),
                  GetSystemMetricsForDpi(SM_CXICON, dpi))
            << dpi;
    }
    // Asked before the move, each window tells the size it will take there, frame and all.
    for (const char* form : {"frmMain", "frmAbout"}) {
        const HWND window = handleOf(*program, form);
        SIZE size{};
        ASSERT_TRUE(
            SendMessageW(window, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&size)));
        RECT frame{};
        AdjustWindowRectExForDpi(&frame, GetWindowLongW(window, GWL_STYLE), FALSE,
                                 GetWindowLongW(window, GWL_EXSTYLE), 144);
        const PixelSize client = planAt(program->form(form).layout(), 144).clientSize();
        EXPECT_EQ(size.cx - (frame.right - frame.left), client.width) << form;
        EXPECT_EQ(size.cy - (frame.bottom - frame.top), client.height) << form;
    }
}

// A High Contrast theme shows only its own colours: the entered box takes the theme's
// highlight, the others stay as they were.
TEST(Win32Windows, InHighContrastTheEnteredBoxTakesTheThemesHighlightColours) {
    const auto program = startOnWindowSystem();
    program->fill("txtUnit", "2");
    program->fill("cboUnit", "Bytes");
    program->click("frmMain", "cmdConvert");
    const Paint plain = program->paint("txtBits");
    for (const bool on : {true, false}) {
        assumeHighContrast(*program, on);
        const Paint highlight{program->rgb(0x8000000E), program->rgb(0x8000000D)};
        const Paint entered{0xFFFF00, 0xFF0000};
        EXPECT_EQ(program->paint("txtBytes"), on ? highlight : entered) << on;
        EXPECT_EQ(program->paint("txtBits"), plain) << on;
    }
}

// The system's box enables its owner again; the back end must enable the other windows.
TEST(Win32MessageBoxes, LeaveEveryWindowEnabled) {
    const auto program = startOnWindowSystem();
    program->click("frmMain", "cmdAbout");
    program->click("frmMain", "cmdConvert");
    ASSERT_EQ(program->boxes.size(), 1u);
    EXPECT_TRUE(IsWindowEnabled(handleOf(*program, "frmMain")));
    EXPECT_TRUE(IsWindowEnabled(handleOf(*program, "frmAbout")));
}

}  // namespace
}  // namespace quantaro::testing
