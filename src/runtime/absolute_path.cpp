// The two rules for a path that needs no current folder or drive to complete it.
#include "runtime/absolute_path.h"

namespace quantaro {

namespace {

bool isWindowsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool hasNul(std::string_view path) {
    return path.find('\0') != std::string_view::npos;
}

}  // namespace

bool isAbsolutePosixPath(std::string_view path) {
    return path.starts_with('/') && !hasNul(path);
}

bool isAbsoluteWindowsPath(std::string_view path) {
    if (hasNul(path) || path.size() < 3) {
        return false;
    }
    const bool drive = isDriveLetter(path[0]) && path[1] == ':' && isWindowsSeparator(path[2]);
    const bool unc =
        isWindowsSeparator(path[0]) && isWindowsSeparator(path[1]) && !isWindowsSeparator(path[2]);
    return drive || unc;
}

}  // namespace quantaro
