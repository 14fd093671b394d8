// The Linux program's command line, answered before any window or display is opened: --help and
// --version print and end the program, and a command line that cannot be used ends it with a
// usage line. Qt's own options (-platform, -display, -style ...) are accepted and left in the
// arguments for Qt's application object to take. It does not start the program.
#pragma once

#include <optional>
#include <ostream>

namespace quantaro {

// argv is main's, the program's name first. Returns the exit status when the command line ends
// the program, nothing when the program is to start.
std::optional<int> answerCommandLine(int argc, const char* const argv[], std::ostream& out,
                                     std::ostream& err);

}  // namespace quantaro
