// What only the Win32 back end has to get right: the styles that give a fixed border, a
// taskbar button to the converter window alone and the program icon; the system's message
// font in every control; a new layout when a window's screen changes resolution, whoever sends
// the message and whatever it carries; and every window enabled again after a message box.
// Everything else is in the conformance suite.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

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
    return LayoutPlan(
        layout,
        {static_cast<double>(dpi), [font](std::string_view text, double) {
             const std::wstring wide(text.begin(), text.end());
             const HDC dc = GetDC(nullptr);
             const HFONT made = CreateFontIndirectW(&font);
             const HGDIOBJ previous = SelectObject(dc, made);
             SIZE extent{};
             GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &extent);
             TEXTMETRICW metrics{};
             GetTextMetricsW(dc, &metrics);
             DeleteObject(SelectObject(dc, previous));
             ReleaseDC(nullptr, dc);
             return PixelSize{static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight)};
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

// Every control of the window where the plan for this resolution puts it, in the message font
// and with the icons drawn for it.
void expectLaidOutFor(WindowDriver& program, const char* form, int dpi, const std::string& at) {
    const LayoutPlan expected = planAt(program.form(form).layout(), dpi);
    const Rect client = program.bounds(form, "");
    EXPECT_EQ(client.width, expected.clientSize().width) << at;
    EXPECT_EQ(client.height, expected.clientSize().height) << at;
    for (const ControlPlan& control : expected.controls()) {
        const PixelRect& place = control.inWindow;
        Rect drawn = program.bounds(form, control.row->name);
        if (control.row->kind == ControlKind::DropDownList) {
            drawn.height = place.height;  // the system's, as its font needs
        }
        EXPECT_EQ(drawn, (Rect{place.left, place.top, place.width, place.height}))
            << at << ' ' << control.row->name;
        if (control.row->kind != ControlKind::Picture) {
            EXPECT_EQ(fontOf(handleOf(program, form, control.row->name)).lfHeight,
                      messageFontAt(dpi).lfHeight)
                << at << ' ' << control.row->name;
        }
    }
    const auto icon = [&](WPARAM size) {
        return iconWidth(
            reinterpret_cast<HICON>(SendMessageW(handleOf(program, form), WM_GETICON, size, 0)));
    };
    EXPECT_EQ(icon(ICON_BIG), GetSystemMetricsForDpi(SM_CXICON, dpi)) << at;
    EXPECT_EQ(icon(ICON_SMALL), GetSystemMetricsForDpi(SM_CXSMICON, dpi)) << at;
}

// The size a window answers when asked before a move to the resolution sent, less its frame at
// the resolution it takes; nothing when it leaves the size to the system.
std::optional<PixelSize> askedClientSize(HWND window, int sent, int dpi, LPARAM answer) {
    if (!SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(sent), answer)) {
        return std::nullopt;
    }
    const SIZE size = *reinterpret_cast<const SIZE*>(answer);
    RECT frame{};
    AdjustWindowRectExForDpi(&frame, GetWindowLongW(window, GWL_STYLE), FALSE,
                             GetWindowLongW(window, GWL_EXSTYLE), static_cast<UINT>(dpi));
    return PixelSize{size.cx - (frame.right - frame.left), size.cy - (frame.bottom - frame.top)};
}

// A window moved to a screen of another resolution is laid out again for it: every control at
// its place in the plan for that resolution, in the message font and with the icons drawn for
// it. Wine raises no WM_DPICHANGED of its own, so the test sends it as Windows would.
TEST(Win32Windows, MovedToAScreenOfAnotherResolutionFollowTheirPlanForIt) {
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    for (const int dpi : {144, 192, 96}) {
        for (const char* form : {"frmMain", "frmAbout"}) {
            RECT suggested{40, 30, 400, 300};
            SendMessageW(handleOf(*program, form), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            const std::string at = std::string(form) + " at " + std::to_string(dpi);
            const Rect frame = program->frame(form);
            EXPECT_EQ(frame.left, 40) << at;
            EXPECT_EQ(frame.top, 30) << at;
            expectLaidOutFor(*program, form, dpi, at);
        }
        const HWND picture = handleOf(*program, "frmAbout", "picIcon");
        EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(GetWindowLongPtrW(picture, GWLP_USERDATA))),
                  GetSystemMetricsForDpi(SM_CXICON, dpi))
            << dpi;
    }
    // Asked before the move, each window tells the size it will take there, frame and all.
    for (const char* form : {"frmMain", "frmAbout"}) {
        SIZE size{};
        EXPECT_EQ(
            askedClientSize(handleOf(*program, form), 144, 144, reinterpret_cast<LPARAM>(&size)),
            planAt(program->form(form).layout(), 144).clientSize())
            << form;
    }
}

// Any program may send the two messages, with any resolution and any pointer. A resolution no
// screen can have is taken as the nearest one a screen can (the rule has its own table in
// accepted_dpi_test.cpp; these rows show that the window holds to it at both ends); without a
// rectangle to read, or with one of no size or off every screen, the window stays where it is;
// without a size to fill, the window leaves the size to the system. And the fonts and icons of
// every resolution seen do not pile up: only those of the windows' present ones are kept.
TEST(Win32Windows, ResolutionMessagesFromAnyoneLeaveEveryWindowWhereAScreenCouldPutIt) {
    const auto program = startOnWindowSystem();
    program->pressAlt('a');
    const struct {
        int sent;
        int taken;
    } resolutions[] = {{0, 96}, {65535, 480}, {120, 120}};
    RECT noSize{50, 50, 50, 50};
    RECT negative{300, 300, 100, 100};
    RECT offEveryScreen{100000, 100000, 100400, 100300};
    // Memory of no one: reserved for the test, never given pages.
    void* const unmapped = VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_NOACCESS);
    const struct {
        const char* name;
        LPARAM place;
        bool ours;  // memory of the program's that may be written
    } unusable[] = {{"no rectangle", 0, false},
                    {"no size", reinterpret_cast<LPARAM>(&noSize), true},
                    {"negative size", reinterpret_cast<LPARAM>(&negative), true},
                    {"off every screen", reinterpret_cast<LPARAM>(&offEveryScreen), true},
                    {"memory of no one", reinterpret_cast<LPARAM>(unmapped), false},
                    {"a stray number", 0x10, false}};
    for (const auto& resolution : resolutions) {
        for (const char* form : {"frmMain", "frmAbout"}) {
            const HWND window = handleOf(*program, form);
            const LayoutPlan expected = planAt(program->form(form).layout(), resolution.taken);
            for (const auto& place : unusable) {
                const std::string at = std::string(form) + " sent " +
                                       std::to_string(resolution.sent) + " with " + place.name;
                const Rect before = program->frame(form);
                SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(resolution.sent, resolution.sent),
                             place.place);
                ASSERT_TRUE(IsWindow(window)) << at;
                const Rect after = program->frame(form);
                EXPECT_EQ((std::pair{after.left, after.top}), (std::pair{before.left, before.top}))
                    << at;
                expectLaidOutFor(*program, form, resolution.taken, at);
                if (!place.ours) {
                    EXPECT_EQ(
                        askedClientSize(window, resolution.sent, resolution.taken, place.place),
                        std::nullopt)
                        << at;
                }
            }
            SIZE size{};
            EXPECT_EQ(askedClientSize(window, resolution.sent, resolution.taken,
                                      reinterpret_cast<LPARAM>(&size)),
                      expected.clientSize())
                << form << ' ' << resolution.sent;
            EXPECT_LE(resolutionsHeld(*program), 2u) << form << ' ' << resolution.sent;
        }
        EXPECT_EQ(resolutionsHeld(*program), 1u) << "both windows at " << resolution.taken;
    }
    VirtualFree(unmapped, 0, MEM_RELEASE);
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
