// Start-up probe of the Windows program: starts it exactly as its wWinMain does, then ends it
// as soon as its window is on the screen, fully painted, with no message waiting. The shipped
// program has no such switch; bench/startup_wine.sh times this probe's whole process.
#include <windows.h>

#include "app/frm_main.h"
#include "app/start_up.h"
#include "runtime/application.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace quantaro;
    win32::Win32Backend backend;
    Application application(backend, platformServices());
    startUp(application);
    const HWND window =
        dynamic_cast<win32::Win32Window&>(application.form<frmMain>().window()).handle();
    for (;;) {
        backend.processPendingMessages();
        const bool painted = IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE);
        if (painted && GetQueueStatus(QS_ALLINPUT) == 0) {
            return 0;
        }
        WaitMessage();
    }
}
