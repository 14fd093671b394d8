// The Linux program's command line, answered before any window or display is opened: --help and
// --version print and end the program, anything else ends it with a usage line. The program has
// no other options; Qt's own (-platform, -style ...) are refused too, their environment
// variables still apply. It does not start the program.
#pragma once

#include <optional>
#include <ostream>

namespace quantaro {

// argv is main's, the program's name first. Returns the exit status when the command line ends
// the program, nothing when the program is to start.
std::optional<int> answerCommandLine(int argc, const char* const argv[], std::ostream& out,
                                     std::ostream& err);

}  // namespace quantaro
