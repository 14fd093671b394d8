// A text from outside the program (an argument, an environment variable) as the program's own
// messages may show it on a terminal: cut at a length a message line can hold, and with every
// control character written as an escape, so that nothing in it can steer the terminal. It
// does not quote the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quantaro {

// The text, read as UTF-8, with control characters (C0, DEL, C1) and bytes that are no UTF-8
// written as \xHH or \u00HH and a backslash as \\; after `longest` characters it ends in "...".
std::string shownOnTerminal(std::string_view text, std::size_t longest = 64);

}  // namespace quantaro
