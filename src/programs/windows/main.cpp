// The Windows program's entry point: the Win32 back end, the real operating-system services,
// the program's start-up, then the message loop until the program ends.
#include <windows.h>

#include <cstdlib>
#include <exception>

#include "app/start_up.h"
#include "runtime/app_facts.h"
#include "runtime/application.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/win32_text.h"

// libstdc++'s default terminate handler writes the escaping exception's demangled type to
// standard error, which a windowed program has not got, and for that links the whole C++
// demangler, a tenth of the program. Reaching terminate is a fault of the program either way
// (its own errors are reported where they happen); it ends as the handler would, by abort.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace quantaro;
    try {
        win32::Win32Backend backend;
        Application application(backend, platformServices());
        startUp(application);
        return backend.run();
    } catch (const std::exception& error) {
        // Only a failure of the back end itself comes here (the program's own run-time errors
        // are reported where they happen); a windowed program has no other place to say so.
        MessageBoxW(nullptr, win32::wideFromUtf8(error.what()).c_str(),
                    win32::wideFromUtf8(app::Title).c_str(), MB_OK | MB_ICONHAND);
        return EXIT_FAILURE;
    }
}
