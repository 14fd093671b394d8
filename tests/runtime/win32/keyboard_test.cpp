// The keyboard in the program's windows, through the system's dialog navigation: Enter and the
// access keys press buttons, Escape closes only the About window, Tab follows the tab index, and
// the read-out boxes and the unit list accept no text of their own.
#include <algorithm>

#include "runtime/win32/win32_text.h"
#include "win32_program.h"

namespace quantaro::testing {
namespace {

const std::vector<std::string> units = {"Bits",           "Bytes",          "Killobytes (KB)",
                                        "Megabytes (MB)", "Gigabytes (GB)", "Terrabytes (TB)"};

using Keyboard = Win32Program;

TEST_F(Keyboard, EnterInTheValueBoxConvertsWithTheDefaultButton) {
    convert(L"1", L'T');
    EXPECT_EQ(text("txtTerrabytes"), "1");
    EXPECT_EQ(text("txtGigabytes"), std::to_string(1024));
    EXPECT_EQ(text("txtBits"), std::to_string(8LL * 1024 * 1024 * 1024 * 1024));
}

TEST_F(Keyboard, AltOConvertsFromAnyControl) {
    int gigabytes = 0;
    for (const std::string start : {"txtUnit", "cboUnit", "txtBits", "cmdExit"}) {
        ++gigabytes;
        SetWindowTextW(handle("txtUnit"), std::to_wstring(gigabytes).c_str());
        focus(handle("cboUnit"));
        type(L"G");
        focus(handle(start));
        pressAlt(L'o');
        EXPECT_EQ(text("txtMegabytes"), std::to_string(gigabytes * 1024)) << start;
    }
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonRatherThanTheDefault) {
    focus(handle("cmdAbout"));
    press(VK_RETURN);
    EXPECT_TRUE(loaded<frmAbout>());
    EXPECT_TRUE(boxes.empty()) << "Convert ran as well";
}

TEST_F(Keyboard, EscapeDoesNothingInTheConverterWindow) {
    convert(L"3", L'B');
    const std::string before = text("txtBits");
    for (const std::string start : {"cmdConvert", "txtUnit", "txtBytes"}) {
        focus(handle(start));
        press(VK_ESCAPE);
    }
    EXPECT_TRUE(IsWindowVisible(window<frmMain>().handle()));
    EXPECT_EQ(text("txtBits"), before);
    EXPECT_FALSE(loaded<frmAbout>());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Keyboard, EscapeAndEnterCloseTheAboutWindowUnlessSystemInfoHasTheFocus) {
    const struct {
        const char* focused;
        UINT key;
        bool closes;
    } cases[] = {{"cmdOK", VK_ESCAPE, true},      {"cmdOK", VK_RETURN, true},
                 {"picIcon", VK_ESCAPE, true},    {"picIcon", VK_RETURN, true},
                 {"cmdSysInfo", VK_ESCAPE, true}, {"cmdSysInfo", VK_RETURN, false}};
    for (const auto& c : cases) {
        pressAlt(L'a');
        focus(handle<frmAbout>(c.focused));
        press(c.key);
        EXPECT_EQ(!loaded<frmAbout>(), c.closes) << c.focused << " " << c.key;
        EXPECT_TRUE(loaded<frmMain>());
        application.form<frmAbout>().Unload();
    }
}

TEST_F(Keyboard, AltSStartsTheSystemInformationTool) {
    registry->setText(registry::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                      std::string("C:\\tool.exe") + '\0');
    pressAlt(L'a');
    pressAlt(L's');
    EXPECT_EQ(started, std::vector<std::string>{"C:\\tool.exe"});
}

TEST_F(Keyboard, TabVisitsTheControlsInTabIndexOrderAndSkipsFramesAndLabels) {
    const std::vector<std::string> mainOrder = {"cmdConvert",   "cmdAbout",      "cmdExit",
                                                "txtUnit",      "cboUnit",       "txtBits",
                                                "txtBytes",     "txtKillobytes", "txtMegabytes",
                                                "txtGigabytes", "txtTerrabytes", "cmdConvert"};
    std::vector<std::string> visited = {focusedName()};
    for (std::size_t i = 1; i < mainOrder.size(); ++i) {
        press(VK_TAB);
        visited.push_back(focusedName());
    }
    EXPECT_EQ(visited, mainOrder);

    pressAlt(L'a');
    const std::vector<std::string> aboutOrder = {"cmdOK", "picIcon", "cmdSysInfo", "cmdOK"};
    visited = {focusedName()};
    for (std::size_t i = 1; i < aboutOrder.size(); ++i) {
        press(VK_TAB);
        visited.push_back(focusedName());
    }
    EXPECT_EQ(visited, aboutOrder);
}

TEST_F(Keyboard, ReadOutBoxesTakeTheFocusButNoEdit) {
    convert(L"5", L'K');
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } edits[] = {{"a letter", WM_CHAR, L'x'},
                 {"a digit", WM_CHAR, L'9'},
                 {"backspace", WM_CHAR, VK_BACK},
                 {"delete", WM_KEYDOWN, VK_DELETE},
                 {"cut", WM_CUT, 0},
                 {"paste", WM_PASTE, 0}};
    for (const std::string box : {"txtBits", "txtKillobytes", "txtTerrabytes"}) {
        focus(handle(box));
        ASSERT_EQ(focusedName(), box);
        const std::string before = text(box);
        for (const auto& edit : edits) {
            SendMessageW(handle(box), EM_SETSEL, 0, -1);
            PostMessageW(GetFocus(), edit.message, edit.wParam, 1);
            pump();
            EXPECT_EQ(text(box), before) << box << ": " << edit.what;
        }
    }
}

TEST_F(Keyboard, TheUnitListHoldsTheSixUnitsAndNothingTypedOfItsOwn) {
    const HWND list = handle("cboUnit");
    std::vector<std::string> entries;
    for (int i = 0; i < SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t entry[64] = {};
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
        entries.push_back(win32::utf8FromWide(entry));
    }
    EXPECT_EQ(entries, units);
    EXPECT_EQ(text("cboUnit"), "") << "an entry is chosen before the user chose one";

    focus(list);
    for (const wchar_t key : std::wstring(L"xK1 zTb")) {
        type(std::wstring(1, key));
        const std::string shown = text("cboUnit");
        EXPECT_TRUE(shown.empty() || std::find(units.begin(), units.end(), shown) != units.end())
            << "after '" << static_cast<char>(key) << "' the list shows \"" << shown << '"';
        EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 6);
    }
}

}  // namespace
}  // namespace quantaro::testing
