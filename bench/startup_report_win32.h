// What the Windows start-up probes share: when a window counts as shown (visible, fully
// painted, no message waiting), and the line they print then: the wall-clock time in
// microseconds since the epoch, comparable with bash's EPOCHREALTIME, and the peak resident
// memory of the process. Wine passes the standard output of the shell that started it.
#pragma once

#include <windows.h>
// after windows.h, which it builds on
#include <psapi.h>

#include <cstdio>

namespace startup_report {

inline bool paintedAndIdle(HWND window) {
    return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE) &&
           GetQueueStatus(QS_ALLINPUT) == 0;
}

inline void print() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    // FILETIME counts 100 ns from 1601; the Unix epoch is 11644473600 s later.
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const long long micros = static_cast<long long>(ticks / 10) - 11644473600LL * 1000000;
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    char line[96];
    const int length = std::snprintf(line, sizeof line, "painted %lld peak_rss %llu\n", micros,
                                     static_cast<unsigned long long>(memory.PeakWorkingSetSize));
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
}

}  // namespace startup_report
