// The whole program started on the Win32 back end, driven the way a user drives it: key
// messages posted to the focused control and handled by the back end's own message loop, so
// the system's dialog navigation does the work. Message boxes are recorded instead of shown,
// together with what the program's windows could do while the box was up.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "about/frm_about.h"
#include "app/frm_main.h"
#include "app/start_up.h"
#include "runtime/application.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_window.h"
#include "support/memory_registry.h"

namespace quantaro::testing {

struct ShownBox {
    HWND owner;
    std::wstring text;
    std::wstring title;
    UINT style;
    bool mainEnabled;   // could the converter window take input while the box was up?
    bool aboutEnabled;  // and the About window, when it was open?
};

class Win32Program : public ::testing::Test {
  protected:
    Win32Program() : application(backend, services()) {
        backend.replaceMessageBox([this](HWND owner, const std::wstring& text,
                                         const std::wstring& title, UINT style) {
            boxes.push_back({owner, text, title, style, enabled<frmMain>(), enabled<frmAbout>()});
            return IDOK;
        });
        startUp(application);
        pump();
    }

    SystemServices services() {
        return {.decimalSeparator = ".",
                .registry = registry,
                .isAbsolutePath = [](const std::string&) { return true; },
                .isFile = [](const std::string&) { return true; },
                .startProgram = [this](const std::string& path) { started.push_back(path); }};
    }

    template <class F>
    win32::Win32Window& window() {
        return dynamic_cast<win32::Win32Window&>(application.form<F>().window());
    }
    template <class F = frmMain>
    HWND handle(std::string_view control) {
        return dynamic_cast<win32::Win32Control&>(window<F>().control(control)).handle();
    }
    template <class F>
    bool loaded() {
        return application.form<F>().isLoaded();
    }
    template <class F>
    bool enabled() {
        return loaded<F>() && IsWindowEnabled(window<F>().handle());
    }
    std::string text(std::string_view control) { return window<frmMain>().control(control).text(); }

    void pump() { backend.processPendingMessages(); }
    // A key as the keyboard sends it: down, the character it makes, up.
    void press(UINT key, wchar_t character = 0) {
        const HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        if (character != 0) {
            PostMessageW(focus, WM_CHAR, character, 1);
        }
        PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        pump();
    }
    void type(const std::wstring& characters) {
        for (const wchar_t c : characters) {
            PostMessageW(GetFocus(), WM_CHAR, c, 1);
        }
        pump();
    }
    // Alt and a letter: the system character message, with the Alt flag in bit 29.
    void pressAlt(wchar_t letter) {
        PostMessageW(GetFocus(), WM_SYSCHAR, letter, 1 | (1 << 29));
        pump();
    }
    void focus(HWND control) {
        SetForegroundWindow(GetAncestor(control, GA_ROOT));
        SetFocus(control);
        pump();
    }
    // What the user does to convert: a value in the box, a unit from the list, then Enter.
    void convert(const std::wstring& value, wchar_t unitInitial) {
        focus(handle("txtUnit"));
        type(value);
        focus(handle("cboUnit"));
        type(std::wstring(1, unitInitial));
        press(VK_RETURN);
    }
    std::string focusedName() {
        const std::string inMain = nameOf<frmMain>(GetFocus());
        return inMain.empty() ? nameOf<frmAbout>(GetFocus()) : inMain;
    }
    template <class F>
    std::string nameOf(HWND control) {
        for (const ControlLayout& row : F::layout.controls) {
            if (loaded<F>() && handle<F>(row.name) == control) {
                return std::string(row.name);
            }
        }
        return "";
    }

    win32::Win32Backend backend;
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    std::vector<std::string> started;
    std::vector<ShownBox> boxes;
    Application application;
};

}  // namespace quantaro::testing
