// The number conversions of a user's figures with run-time errors that say what went wrong:
// the text that could not be read, or the result that could not be held. The conversions
// themselves are number_text.h's; this adds only the sentence the report shows.
#pragma once

#include <string>
#include <string_view>

namespace quantaro {

// As numberFromText; its error names the text, in double quotes and as shown_text.h shows a
// text, cut after 40 characters: 'Type mismatch: "abc" is not a number.'
double numberReadFrom(std::string_view text, std::string_view decimalSeparator);

// A multiply's or divide's result checked and written as text; its error says that the result
// is too large.
std::string textOfResult(double value, std::string_view decimalSeparator);

}  // namespace quantaro
