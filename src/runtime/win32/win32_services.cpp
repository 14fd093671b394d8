// The Windows operating-system services: the user's decimal separator, the real registry, the
// file test and the start of another program. Paths are UTF-8 in the program and UTF-16 here.
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/absolute_path.h"
#include "runtime/run_time_error.h"
#include "runtime/system_services.h"
#include "runtime/user_locale.h"
#include "runtime/win32/win32_registry.h"
#include "runtime/win32/win32_text.h"

namespace quantaro {

namespace {

// A relative path is never looked up or started: Windows would complete it with the current
// folder (or the current folder of a drive), wherever the program was started from.
bool isAbsolute(const std::string& path) {
    return isAbsoluteWindowsPath(path);
}

bool isFile(const std::string& path) {
    if (!isAbsolute(path)) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(win32::wideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

RunTimeError startFailure(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_ACCESS_DENIED:  // what Windows answers for a folder
            return RunTimeError::fileNotFound();
        default:  // a file that is not a program, among others
            return RunTimeError::invalidArgument();
    }
}

// The path is the program itself, never a command line to be split at blanks: it goes in as
// the application name, and a quoted copy as the command line so the program's argv[0] is the
// whole path.
void startProgram(const std::string& path) {
    if (!isAbsolute(path)) {
        throw RunTimeError::fileNotFound();
    }
    const std::wstring application = win32::wideFromUtf8(path);
    std::wstring commandLine = L"\"" + application + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        throw startFailure(GetLastError());
    }
    // The program runs on its own; nothing here waits for it or watches it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

SystemServices platformServices() {
    return {
        .decimalSeparator = userDecimalSeparator(),
        .registry = std::make_shared<win32::Win32Registry>(),
        .isAbsolutePath = isAbsolute,
        .isFile = isFile,
        .startProgram = startProgram,
    };
}

}  // namespace quantaro
