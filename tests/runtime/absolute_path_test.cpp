// Which paths the launcher may test or start on each platform: only those that need no current
// folder or drive to complete them.
#include "runtime/absolute_path.h"

#include <gtest/gtest.h>

#include <string>

namespace quantaro {
namespace {

using namespace std::string_literals;

TEST(AbsolutePath, IsOnlyAPathThatNeedsNoCurrentFolderOrDrive) {
    const struct {
        std::string path;
        bool onWindows;
        bool onPosix;
    } table[] = {
        {"C:\\Windows\\System32\\msinfo32.exe", true, false},
        {"c:/tools/msinfo32.exe", true, false},
        {"\\\\server\\share\\msinfo32.exe", true, false},
        {"//server/share/msinfo32.exe", true, true},
        {"/usr/bin/hardinfo", false, true},
        // Completed from the current folder, of the process or of a drive, or the current drive.
        {"msinfo32.exe", false, false},
        {"tools\\reltool.exe", false, false},
        {"4660", false, false},
        {"C:msinfo32.exe", false, false},
        {"\\Tools\\msinfo32.exe", false, false},
        {"\\\\\\server", false, false},
        {"1:\\tool.exe", false, false},
        {"C:", false, false},
        {"", false, false},
        // A NUL would end the path where the system reads it.
        {"C:\\evil.exe\0\\MSINFO32.EXE"s, false, false},
        {"/usr/bin/hardinfo\0junk"s, false, false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(isAbsoluteWindowsPath(row.path), row.onWindows);
        EXPECT_EQ(isAbsolutePosixPath(row.path), row.onPosix);
    }
}

}  // namespace
}  // namespace quantaro
