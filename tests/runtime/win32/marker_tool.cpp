// A tiny stand-in for the system-information tool: it writes the command line it was started
// with into "started.txt" beside itself, so a test can see that exactly this file was started,
// and how.
#include <windows.h>

#include <string>

int main() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return 1;
    }
    std::wstring marker(path, length);
    marker.replace(marker.find_last_of(L'\\') + 1, std::wstring::npos, L"started.txt");
    const HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const std::wstring commandLine = GetCommandLineW();
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, commandLine.data(),
                  static_cast<DWORD>(commandLine.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 1;
}
