// The number conversions of a user's figures with run-time errors that say what went wrong:
// the text that could not be read, or the result that could not be held. The conversions
// themselves are number_text.h's; this adds only the sentence the report shows.
#pragma once

#include <string>
#include <string_view>

namespace quantaro {

// As numberFromText; its error names the text: 'Type mismatch: "abc" is not a number.'
double numberReadFrom(std::string_view text, std::string_view decimalSeparator);

// A multiply's or divide's result checked and written as text; its error says that the result
// is too large.
std::string textOfResult(double value, std::string_view decimalSeparator);

// A text as a report quotes it: in double quotes, cut after a few dozen characters, with
// control characters, bidirectional overrides and bytes that are no UTF-8 shown as escapes, so
// that a pasted page or a line break neither swells nor breaks the message box.
std::string quotedForReport(std::string_view text);

}  // namespace quantaro
