// A text from outside the program (what the user typed or pasted, an argument, an environment
// variable) made safe to show inside one of the program's own messages, in a message box or on
// a terminal: nothing in it can break the message's line, steer the terminal or turn the text
// around on the screen, and a long text is cut. It does not quote the text; each message puts
// its own quotes around it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quantaro {

// The text, read as UTF-8, with these written as escapes:
//   a backslash                                  \\  (so every other backslash starts an escape)
//   a line break, carriage return and tab        \n  \r  \t
//   the other controls below U+0080 (C0, DEL)    \xHH
//   a byte that starts no UTF-8 character        \xHH  (overlong forms, surrogates, bytes of a
//                                                       character cut short, code points above
//                                                       U+10FFFF: each byte on its own)
//   the C1 controls, the line and paragraph      \uHHHH
//   separators, the direction marks, overrides
//   and isolates
// Each character of the text, or byte that is no UTF-8, is shown whole, as itself or as its
// escape. A text of more than `longest` of them shows its first `longest` and then "…".
std::string shownText(std::string_view text, std::size_t longest = 64);

}  // namespace quantaro
