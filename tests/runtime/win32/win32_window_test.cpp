// What only the Win32 back end has to get right: the styles that give a fixed border, a
// taskbar button to the converter window alone and the program icon; the system's message
// font in every control; the High Contrast colours; and every window enabled again after a
// message box. Everything else
// is in the conformance suite.
#include <gtest/gtest.h>

#include "conformance/win32/win32_driver.h"

namespace quantaro::testing {
namespace {

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
