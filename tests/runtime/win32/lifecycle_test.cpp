// How the program's windows come and go on Windows, and its message boxes: one About window
// at most, Exit ending everything, the program ending with its last window, and boxes titled
// with the program's name that no window of the program can get past.
#include "runtime/win32/win32_text.h"
#include "win32_program.h"

namespace quantaro::testing {
namespace {

int visibleProgramWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM count) {
            *reinterpret_cast<int*>(count) += IsWindowVisible(window) ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

using Lifecycle = Win32Program;

TEST_F(Lifecycle, AboutTwiceLeavesOneAboutWindow) {
    pressAlt(L'a');
    const HWND first = window<frmAbout>().handle();
    focus(handle("cmdAbout"));
    press(VK_SPACE);
    EXPECT_EQ(window<frmAbout>().handle(), first);
    EXPECT_EQ(GetForegroundWindow(), first) << "the second click brings it to the front";
    EXPECT_EQ(visibleProgramWindows(), 2);
}

TEST_F(Lifecycle, ExitWithAboutOpenClosesBothAndEndsTheProgram) {
    pressAlt(L'a');
    const HWND main = window<frmMain>().handle();
    const HWND about = window<frmAbout>().handle();
    focus(handle("cmdExit"));
    press(VK_RETURN);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(backend.quitRequested());
}

// Closed from the title bar, in either order: true when the converter window goes first.
class LastWindow : public Win32Program, public ::testing::WithParamInterface<bool> {};

TEST_P(LastWindow, EndsTheProgramWhileTheOtherWindowStaysOpenUntilThen) {
    pressAlt(L'a');
    const HWND main = window<frmMain>().handle();
    const HWND about = window<frmAbout>().handle();
    const HWND first = GetParam() ? main : about;
    const HWND second = GetParam() ? about : main;
    PostMessageW(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_FALSE(backend.quitRequested());
    PostMessageW(second, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(backend.quitRequested());
}

INSTANTIATE_TEST_SUITE_P(ClosingOrder, LastWindow, ::testing::Bool(), [](const auto& info) {
    return info.param ? "ConverterWindowFirst" : "AboutWindowFirst";
});

TEST_F(Lifecycle, MessageBoxesAreTitledQuantaroAndBlockBothWindows) {
    const struct {
        const wchar_t* value;
        int unit;  // position in the list, -1 for none
        const wchar_t* prompt;
        UINT icon;
    } cases[] = {{L"", -1, L"Select a Unit", MB_ICONEXCLAMATION},
                 {L"", 1, L"Insert a value", MB_ICONEXCLAMATION},
                 {L"abc", 1, L"Type mismatch", MB_ICONHAND}};
    pressAlt(L'a');
    for (const auto& c : cases) {
        SetWindowTextW(handle("txtUnit"), c.value);
        SendMessageW(handle("cboUnit"), CB_SETCURSEL, static_cast<WPARAM>(c.unit), 0);
        focus(handle("cmdConvert"));
        boxes.clear();
        press(VK_RETURN);
        ASSERT_EQ(boxes.size(), 1u) << win32::utf8FromWide(c.prompt);
        const ShownBox& box = boxes.front();
        EXPECT_EQ(box.text, c.prompt);
        EXPECT_EQ(box.title, L"Quantaro");
        EXPECT_EQ(box.style & MB_ICONMASK, c.icon);
        EXPECT_EQ(box.owner, window<frmMain>().handle());
        EXPECT_TRUE(box.mainEnabled) << "the box itself disables its owner";
        EXPECT_FALSE(box.aboutEnabled) << "the About window took input under the box";
        EXPECT_TRUE(IsWindowEnabled(window<frmAbout>().handle())) << "not enabled again";
    }
}

TEST_F(Lifecycle, TheSystemInformationMessageBelongsToTheAboutWindow) {
    pressAlt(L'a');
    pressAlt(L's');
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front().owner, window<frmAbout>().handle());
    EXPECT_FALSE(boxes.front().mainEnabled);
    EXPECT_EQ(boxes.front().title, L"Quantaro");
    EXPECT_EQ(boxes.front().style & MB_ICONMASK, 0u);
}

}  // namespace
}  // namespace quantaro::testing
