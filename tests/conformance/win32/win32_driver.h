// The program on the Win32 back end, under Wine: key messages posted to the focused control
// and mouse messages to the clicked one, all handled by the back end's own message loop, so
// the system's dialog navigation does the work. Message boxes are recorded instead of shown,
// together with which of the program's windows could take input while the box was up.
#pragma once

#include <windows.h>

#include "conformance/program_driver.h"
#include "runtime/win32/win32_backend.h"

namespace quantaro::testing {

class Win32Driver final : public WindowDriver {
  public:
    Win32Driver();

    Application& application() override { return application_; }
    void click(std::string_view form, std::string_view control) override;
    void closeFromTitleBar(std::string_view form) override;
    std::string caption(std::string_view form, std::string_view control) override;
    std::vector<std::string> items(std::string_view control) override;
    std::string focused() override;
    std::vector<std::string> windows() override;
    bool isVisible(std::string_view form) override;
    // The back end notes whether the program asked to end, not how often.
    int endRequests() override { return backend_.quitRequested() ? 1 : 0; }

    void press(Key key) override;
    void type(std::string_view characters) override;
    void pressAlt(char letter) override;
    void focus(std::string_view form, std::string_view control) override;
    void activate(std::string_view form) override;
    void moveTo(std::string_view form, int left, int top) override;
    std::string clipboard() override;

    int dotsPerInch() override { return backend_.display().dpi(); }
    Rect bounds(std::string_view form, std::string_view control) override;
    Rect clientArea(std::string_view form) override;
    Rect frame(std::string_view form) override;
    Rect workArea() override;
    int widestWord(std::string_view form, std::string_view control) override;
    bool liesAbove(std::string_view form, std::string_view upper, std::string_view lower) override;
    std::string activeWindow() override { return formOf(GetActiveWindow()); }
    std::string frontWindow() override;
    Rgb pixel(std::string_view form, int x, int y) override;
    Paint paint(std::string_view control) override;
    Rgb rgb(Colour colour) override;

    HWND handle(std::string_view form);
    HWND handle(std::string_view form, std::string_view control);

    // The window each box belonged to, and whether that window was still enabled: the system's
    // box disables its owner itself.
    struct Owner {
        HWND window;
        bool enabled;
    };
    std::vector<Owner> boxOwners;

  private:
    void pump() { backend_.processPendingMessages(); }
    std::string formOf(HWND window);
    void post(UINT message, WPARAM wParam, LPARAM lParam);

    win32::Win32Backend backend_;
    Application application_;
};

}  // namespace quantaro::testing
