// Which paths name their place on their own: the launcher tests or starts nothing else, since
// the system would complete any other path with the current folder or drive, wherever that is.
// Each platform's services pick their rule; both are here so the launcher's tests can use the
// Windows one anywhere. A text with a NUL in it is no path at all.
#pragma once

#include <string_view>

namespace quantaro {

// "/" first.
bool isAbsolutePosixPath(std::string_view path);

// A drive letter with its root ("C:\", "C:/") or a UNC name ("\\server\share"). "C:tool.exe"
// (the current folder of drive C) and "\tool.exe" (the root of the current drive) are not.
bool isAbsoluteWindowsPath(std::string_view path);

}  // namespace quantaro
