// Before Qt starts: whether the X display the program would be drawn on can be opened. Qt ends
// a program it cannot give a display with an abort and a core dump, after advising the user to
// reinstall it; this check lets the program say what is wrong and end with status 1 instead.
// It looks at X only: any other platform a user chose is left to Qt.
#pragma once

#include <optional>
#include <string>

namespace quantaro {

// The one-line message for the user when the X display cannot be opened; nothing when it can,
// or when the program will not be drawn on X.
std::optional<std::string> missingDisplayMessage(int argc, const char* const argv[]);

}  // namespace quantaro
