// Before Qt starts: whether a display the program's windows can be drawn on can be opened. Qt
// ends a program it cannot give a display with an abort and a core dump, after advising the
// user to reinstall it, and with a list of platforms to try it may end up on one that shows
// nothing. This check tries the platforms as Qt would (X and Wayland, from -platform, -display
// and the environment), so that the program can say what is missing and end with status 1. A
// platform it does not know is left to Qt (qt_platform_watch.h catches its failure).
#pragma once

#include <optional>
#include <string>

namespace quantaro {

// The platforms Qt will try in turn, as Qt writes the list ("wayland;xcb").
std::string platformsToTry(int argc, const char* const argv[]);

// The one-line message for the user when no display can be opened; nothing when one can, or
// when the platform is not one the check knows.
std::optional<std::string> missingDisplayMessage(int argc, const char* const argv[]);

}  // namespace quantaro
