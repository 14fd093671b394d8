// What the program's windows look like on Windows: every control where the layout table puts
// it at 96 dots per inch, the stacking order, the borders and taskbar buttons, the captions,
// the icon, the message font, and the colours the read-out boxes are painted in.
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "runtime/win32/win32_text.h"
#include "win32_program.h"

namespace quantaro::testing {
namespace {

struct Placed {
    const char* name;
    RECT bounds;  // left, top, right, bottom in client pixels
};

RECT rect(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The layout tables in pixels at 96 dots per inch, worked out by hand: a frame's children are
// placed relative to the frame, everything else relative to the window's client area.
const Placed mainPlaced[] = {
    {"Frame1", rect(8, 8, 409, 89)},           {"cboUnit", rect(16, 32, 385, 21)},
    {"txtUnit", rect(16, 64, 385, 25)},        {"Frame2", rect(8, 112, 409, 217)},
    {"Label1", rect(16, 136, 25, 17)},         {"Label2", rect(16, 168, 33, 17)},
    {"Label3", rect(16, 200, 57, 17)},         {"Label4", rect(16, 232, 57, 17)},
    {"Label5", rect(16, 264, 57, 17)},         {"Label6", rect(16, 296, 57, 17)},
    {"txtBits", rect(96, 136, 305, 19)},       {"txtBytes", rect(96, 168, 305, 19)},
    {"txtKillobytes", rect(96, 200, 305, 19)}, {"txtMegabytes", rect(96, 232, 305, 19)},
    {"txtGigabytes", rect(96, 264, 305, 19)},  {"txtTerrabytes", rect(96, 296, 305, 19)},
    {"cmdConvert", rect(8, 344, 121, 33)},     {"cmdAbout", rect(152, 344, 121, 33)},
    {"cmdExit", rect(296, 344, 121, 33)},
};
const Placed aboutPlaced[] = {
    {"picIcon", rect(16, 16, 36, 36)},         {"lblTitle", rect(70, 16, 259, 32)},
    {"lblVersion", rect(70, 52, 259, 15)},     {"lblDescription", rect(70, 75, 259, 78)},
    {"lblDisclaimer", rect(17, 175, 258, 55)}, {"cmdOK", rect(283, 175, 84, 23)},
    {"cmdSysInfo", rect(284, 205, 83, 23)},
};

RECT clientBounds(HWND control) {
    RECT bounds;
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

std::string describe(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%ld,%ld) %ldx%ld", r.left, r.top, r.right - r.left,
                  r.bottom - r.top);
    return text;
}

// How wide the label's longest word is in the label's own font.
LONG widestWord(HWND label) {
    wchar_t caption[64] = {};
    GetWindowTextW(label, caption, 64);
    const HDC dc = GetDC(label);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    std::wistringstream words(caption);
    for (std::wstring word; words >> word;) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, word.c_str(), static_cast<int>(word.size()), &extent);
        widest = std::max(widest, extent.cx);
    }
    ReleaseDC(label, dc);
    return widest;
}

using Windows = Win32Program;

TEST_F(Windows, EveryControlStandsWhereTheLayoutTablePutsItAt96Dpi) {
    ASSERT_EQ(backend.display().dpi(), 96) << "the expected pixels are for 96 dots per inch";
    pressAlt(L'a');
    for (const auto& [name, bounds] : mainPlaced) {
        const RECT drawn = clientBounds(handle<frmMain>(name));
        if (std::string_view(name).starts_with("Label")) {
            // A label may widen to its longest word, but never into the box beside it.
            EXPECT_EQ(describe({drawn.left, drawn.top, bounds.right, drawn.bottom}),
                      describe(bounds))
                << name;
            EXPECT_GE(drawn.right, bounds.right) << name;
            EXPECT_GE(drawn.right - drawn.left, widestWord(handle<frmMain>(name))) << name;
            EXPECT_LE(drawn.right, 96) << name;
        } else {
            EXPECT_EQ(describe(drawn), describe(bounds)) << name;
        }
    }
    for (const auto& [name, bounds] : aboutPlaced) {
        EXPECT_EQ(describe(clientBounds(handle<frmAbout>(name))), describe(bounds)) << name;
    }
    RECT client;
    GetClientRect(window<frmMain>().handle(), &client);
    EXPECT_EQ(describe(client), describe(rect(0, 0, 426, 386)));
    GetClientRect(window<frmAbout>().handle(), &client);
    EXPECT_EQ(describe(client), describe(rect(0, 0, 382, 237)));
}

class Stacking : public Win32Program {
  protected:
    // Later rows of a table lie above the earlier rows they overlap; returns how many overlap.
    template <class F>
    int expectLaterRowsOnTop() {
        std::vector<HWND> topFirst;
        for (HWND child = GetWindow(window<F>().handle(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            topFirst.push_back(child);
        }
        const auto depth = [&](std::string_view name) {
            return std::find(topFirst.begin(), topFirst.end(), handle<F>(name)) - topFirst.begin();
        };
        int overlaps = 0;
        const auto rows = F::layout.controls;
        for (std::size_t lower = 0; lower < rows.size(); ++lower) {
            for (std::size_t upper = lower + 1; upper < rows.size(); ++upper) {
                RECT a = clientBounds(handle<F>(rows[lower].name));
                RECT b = clientBounds(handle<F>(rows[upper].name));
                RECT both;
                if (IntersectRect(&both, &a, &b)) {
                    ++overlaps;
                    EXPECT_LT(depth(rows[upper].name), depth(rows[lower].name))
                        << rows[upper].name << " lies under " << rows[lower].name;
                }
            }
        }
        return overlaps;
    }
};

TEST_F(Stacking, NoBoxHidesUnderTheFrameItLiesOn) {
    pressAlt(L'a');
    EXPECT_GT(expectLaterRowsOnTop<frmMain>(), 0);
    expectLaterRowsOnTop<frmAbout>();
}

TEST_F(Windows, BordersAreFixedAndOnlyTheConverterWindowHasATaskbarButton) {
    pressAlt(L'a');
    const struct {
        HWND window;
        bool taskbarButton;
        bool dialogFrame;
    } cases[] = {{window<frmMain>().handle(), true, false},
                 {window<frmAbout>().handle(), false, true}};
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
        EXPECT_NE(owner, window<frmMain>().handle());
        EXPECT_NE(SendMessageW(c.window, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(c.window, WM_GETICON, ICON_SMALL, 0), 0);
    }
}

TEST_F(Windows, CaptionsAreWhatTheProgramWrote) {
    pressAlt(L'a');
    const auto captionOf = [](HWND window) {
        wchar_t caption[64] = {};
        GetWindowTextW(window, caption, 64);
        return win32::utf8FromWide(caption);
    };
    EXPECT_EQ(captionOf(window<frmMain>().handle()), "Quantaro");
    EXPECT_EQ(captionOf(window<frmAbout>().handle()), "About Quantaro");
    EXPECT_EQ(captionOf(handle<frmAbout>("lblTitle")), "Quantaro");
    EXPECT_EQ(captionOf(handle<frmAbout>("lblVersion")), "Version 1.0.0");
    EXPECT_EQ(captionOf(handle("cmdConvert")), "C&onvert");
}

class Fonts : public Win32Program {
  protected:
    template <class F>
    void expectMessageFont() {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
        for (const ControlLayout& row : F::layout.controls) {
            if (row.kind == ControlKind::Picture) {
                continue;  // it draws the icon and writes nothing
            }
            LOGFONTW font{};
            const auto used = SendMessageW(handle<F>(row.name), WM_GETFONT, 0, 0);
            GetObjectW(reinterpret_cast<HFONT>(used), sizeof font, &font);
            EXPECT_EQ(std::wstring(font.lfFaceName), metrics.lfMessageFont.lfFaceName) << row.name;
            EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight) << row.name;
        }
    }
};

TEST_F(Fonts, EveryControlWritesInTheSystemMessageFont) {
    pressAlt(L'a');
    expectMessageFont<frmMain>();
    expectMessageFont<frmAbout>();
}

struct Painted {
    COLORREF text;
    COLORREF background;
    COLORREF brush;
};

// What a box would be painted with: the colours its window hands over when the box asks.
Painted paintOf(HWND box) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const bool readOnly = (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(box), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    const Painted painted{GetTextColor(dc), GetBkColor(dc), fill.lbColor};
    DeleteDC(dc);
    return painted;
}

TEST_F(Windows, OnlyTheEnteredUnitsBoxIsPaintedRedWithYellowText) {
    const char* boxes[] = {"txtBits",      "txtBytes",     "txtKillobytes",
                           "txtMegabytes", "txtGigabytes", "txtTerrabytes"};
    for (const auto box : boxes) {
        const Painted fresh = paintOf(handle(box));
        EXPECT_EQ(fresh.text, GetSysColor(COLOR_WINDOWTEXT)) << box;
        EXPECT_EQ(fresh.background, GetSysColor(COLOR_WINDOW)) << box;
    }
    for (std::size_t entered = 0; entered < 6; ++entered) {
        SendMessageW(handle("cboUnit"), CB_SETCURSEL, entered, 0);
        SetWindowTextW(handle("txtUnit"), L"1");
        pressAlt(L'o');
        for (std::size_t i = 0; i < 6; ++i) {
            const Painted painted = paintOf(handle(boxes[i]));
            const bool highlighted = i == entered;
            EXPECT_EQ(painted.text, highlighted ? RGB(255, 255, 0) : GetSysColor(COLOR_BTNTEXT))
                << boxes[i] << " after converting " << boxes[entered];
            EXPECT_EQ(painted.background,
                      highlighted ? RGB(255, 0, 0) : GetSysColor(COLOR_BTNFACE));
            EXPECT_EQ(painted.brush, painted.background);
        }
    }
}

}  // namespace
}  // namespace quantaro::testing
