// Start-up probe of the Windows program: starts it exactly as its wWinMain does, then ends it
// as soon as its window is on the screen, fully painted, with no message waiting, and prints
// that moment and its peak memory. The shipped program has no such switch;
// bench/startup_wine.sh runs this probe beside the bare dialog (bare_dialog_win32.cpp).
#include <windows.h>

#include "app/frm_main.h"
#include "app/start_up.h"
#include "runtime/application.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_window.h"
#include "startup_report_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace quantaro;
    win32::Win32Backend backend;
    Application application(backend, platformServices());
    startUp(application);
    const auto* shown =
        dynamic_cast<win32::Win32Window*>(application.form<frmMain>().windowIfLoaded());
    if (shown == nullptr) {
        return 1;  // the start-up showed no window
    }
    const HWND window = shown->handle();
    for (;;) {
        backend.processPendingMessages();
        if (startup_report::paintedAndIdle(window)) {
            startup_report::print();
            return 0;
        }
        WaitMessage();
    }
}
