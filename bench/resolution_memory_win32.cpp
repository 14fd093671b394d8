// Memory of the Windows program as its windows are told of one screen resolution after another:
// every resolution a screen can have (96 to 480 dpi) in turn, then resolutions no screen can
// have, each sent to both windows as WM_DPICHANGED. Prints the process's working set, its GDI
// objects (Wine counts none) and the resolutions whose fonts and icons the program holds.
//   cmake/wine-run.sh build/windows/wine-session build/windows/bench/resolution_memory_win32.exe
#include <windows.h>
// after windows.h, which it builds on
#include <psapi.h>

#include <cstdio>
#include <stdexcept>

#include "about/frm_about.h"
#include "app/frm_main.h"
#include "app/start_up.h"
#include "runtime/application.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_window.h"

namespace {

void report(const char* when, quantaro::win32::Win32Backend& backend) {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    std::printf("%-34s working set %6.1f MB  GDI objects %4lu  resolutions held %zu\n", when,
                static_cast<double>(memory.WorkingSetSize) / 1048576.0,
                GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                backend.display().resolutionsHeld());
    std::fflush(stdout);
}

void sendToBoth(quantaro::Application& application, int dpi) {
    using quantaro::win32::Win32Window;
    for (quantaro::Form* form :
         {static_cast<quantaro::Form*>(&application.form<quantaro::frmMain>()),
          static_cast<quantaro::Form*>(&application.form<quantaro::frmAbout>())}) {
        const auto* shown = dynamic_cast<Win32Window*>(form->windowIfLoaded());
        if (shown == nullptr) {
            throw std::logic_error("both windows are shown before they are told of a resolution");
        }
        RECT suggested{40, 30, 400, 300};
        SendMessageW(shown->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
}

}  // namespace

int main() {
    using namespace quantaro;
    win32::Win32Backend backend;
    Application application(backend, platformServices());
    startUp(application);
    application.form<frmAbout>().Show();
    backend.processPendingMessages();
    report("started, About open", backend);
    for (int dpi = 96; dpi <= 480; ++dpi) {
        sendToBoth(application, dpi);
    }
    backend.processPendingMessages();
    report("after 96..480 dpi, now at 480", backend);
    for (const int dpi : {0, 1, 6000, 8000, 65535}) {
        sendToBoth(application, dpi);
    }
    backend.processPendingMessages();
    report("after 0, 1, 6000, 8000, 65535 dpi", backend);
    sendToBoth(application, 96);
    backend.processPendingMessages();
    report("back at 96 dpi", backend);
    return 0;
}
